#include "gui/ModelledExchangeList.h"

#include "features/config/DnsRedirectFile.h"
#include "features/config/view/CDnsRedirectDlg.h"
#include "features/config/view/CDnsRedirectModel.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace morvix::test {

namespace {

std::string Line(const DnsRedirectEntry& entry)
{
    return entry.Name + "|" + entry.IP + "|" + std::to_string(entry.Enable) + "|" + entry.Note;
}

std::string Line(const Json::Value& entry)
{
    return entry["Name"].asString() + "|" + entry["IP"].asString() + "|" + std::to_string(entry["Enable"].asInt()) +
           "|" + entry["Note"].asString();
}

class ModelledDnsRedirect : public ModelledExchangeList<CDnsRedirectDlg> {
public:
    ModelledDnsRedirect(CDnsRedirectDlg& view, CScriptedUserInteraction& answers)
        : ModelledExchangeList(view, answers,
                               {"dns redirect",
                                "dns",
                                {"redirect-add", "redirect-modify", "redirect-del", "redirect-list"},
                                "dnsredirect",
                                "dns"})
    {
    }

    CRuleListView* List() const override { return view_.List(); }
    bool Deletable(int row) const override { return row >= 0 && !view_.Model()->At(row).entry.IsSystem; }
    int MostDeletedAtOnce() const override { return 1; }
    bool Idle() const override
    {
        return view_.CommandButton(CDnsRedirectDlg::eRefresh)->isEnabled() && !view_.Progress() && !view_.Editor();
    }
    bool ClearsOnFailedList() const override { return false; }

    QDialog* Form() const override { return view_.Editor(); }
    QPushButton* FillForm(int serial, bool modify) override
    {
        CDnsRedirectEntryDlg* editor = view_.Editor();
        if (!editor)
            return nullptr;
        if (!modify) {
            editor->NameField()->setText(QStringLiteral("m%1.test").arg(serial));
            // Every other entry names no address: the cache server's own.
            editor->IpField()->setText(serial % 2 ? QStringLiteral("10.9.%1.%2").arg(serial / 250).arg(serial % 250)
                                                  : QString());
        }
        editor->NoteField()->setPlainText(QStringLiteral("note %1").arg(serial));
        (serial % 3 ? editor->RedirectChoice() : editor->RefuseChoice())->setChecked(true);
        return editor->OkButton();
    }

    std::vector<std::string> Shown() const override
    {
        std::vector<std::string> lines;
        for (int row = 0; row < view_.Model()->rowCount(); ++row) {
            const DnsRedirectEntry& entry = view_.Model()->At(row).entry;
            lines.push_back((entry.IsSystem ? "built-in|" : "custom|") + Line(entry));
        }
        return lines;
    }
    std::vector<std::string> Held(const Json::Value& state) const override
    {
        std::vector<std::string> lines;
        for (const Json::Value& entry : state["dnsredirect"]["system"])
            lines.push_back("built-in|" + Line(entry));
        for (const Json::Value& entry : state["dnsredirect"]["custom"])
            lines.push_back("custom|" + Line(entry));
        return lines;
    }
    std::vector<std::string> HeldAsFiled(const Json::Value& state) const override
    {
        std::vector<std::string> lines;
        for (const Json::Value& entry : state["dnsredirect"]["custom"])
            lines.push_back(Line(entry));
        return lines;
    }

    std::vector<std::string> FileLines(const std::filesystem::path& file) const override
    {
        std::string error;
        const std::optional<DnsRedirectFileRead> read = ReadDnsRedirectFile(file, &error);
        if (!read)
            return {"unreadable: " + error};
        std::vector<std::string> lines;
        for (const DnsRedirectEntry& entry : read->entries.All())
            lines.push_back(Line(entry));
        return lines;
    }
};

}  // namespace

std::unique_ptr<ModelledList> ModelDnsRedirect(CDnsRedirectDlg& view, CScriptedUserInteraction& answers)
{
    return std::make_unique<ModelledDnsRedirect>(view, answers);
}

}  // namespace morvix::test
