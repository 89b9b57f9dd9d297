#include "gui/ModelledExchangeList.h"

#include "controls/CRuleDeletion.h"
#include "features/access/BlackListFile.h"
#include "features/access/view/CAddressListPage.h"
#include "features/access/view/CWhiteListAddDlg.h"
#include "shell/ExchangeFileText.h"

#include <QLineEdit>

namespace morvix::test {

namespace {

std::string AddressLine(const std::string& low, const std::string& high, const std::string& note)
{
    return low + "-" + high + "|" + note;
}

std::string FamilyOf(AddressList list)
{
    return list == AddressList::Black ? "black" : "white";
}

class ModelledAddressList : public ModelledExchangeList<CAddressListPage> {
public:
    ModelledAddressList(CAddressListPage& page, CScriptedUserInteraction& answers)
        : ModelledExchangeList(page, answers,
                               {FamilyOf(page.List()), FamilyOf(page.List()), {"add", "modify", "del", "list"},
                                FamilyOf(page.List()), FamilyOf(page.List())})
    {
    }

    CRuleListView* List() const override { return view_.ListView(); }
    int MostDeletedAtOnce() const override { return CRuleDeletion::kMostAtOnce; }
    bool Idle() const override
    {
        return view_.CommandButton(CAddressListPage::eRefresh)->isEnabled() && !view_.Deletion()->IsBatchActive() &&
               !view_.ImportWindow() && !view_.Form();
    }
    bool ClearsOnFailedList() const override { return false; }

    QDialog* Form() const override { return view_.Form(); }
    QPushButton* FillForm(int serial, bool modify) override
    {
        CWhiteListAddDlg* form = view_.Form();
        if (!form)
            return nullptr;
        // Ranges of their own, so that the server finds no overlap.
        if (!modify) {
            const QString network = QStringLiteral("10.%1.%2.").arg(serial / 250).arg(serial % 250);
            form->LowEdit()->setText(network + "1");
            form->HighEdit()->setText(network + "9");
        }
        form->NoteEdit()->setText(QStringLiteral("note %1").arg(serial));
        return form->OkButton();
    }

    std::vector<std::string> Shown() const override
    {
        std::vector<std::string> lines;
        for (const AddressListEntry& entry : view_.Entries())
            lines.push_back(entry.Id + "|" + AddressLine(entry.Low, entry.High, entry.Note));
        return lines;
    }
    std::vector<std::string> Held(const Json::Value& state) const override { return HeldLines(state, true); }
    std::vector<std::string> HeldAsFiled(const Json::Value& state) const override { return HeldLines(state, false); }

    std::vector<std::string> FileLines(const std::filesystem::path& file) const override
    {
        std::string error;
        const std::optional<std::string> text = ExchangeFileText::Read(file, &error);
        if (!text)
            return {"unreadable: " + error};
        std::vector<std::string> lines;
        for (const AddressListEntry& entry : ReadBlackListFile(*text).entries.All())
            lines.push_back(AddressLine(entry.Low, entry.High, entry.Note));
        return lines;
    }

private:
    std::vector<std::string> HeldLines(const Json::Value& state, bool withIds) const
    {
        const std::string idKey(AddressListIdKey(view_.List()));
        std::vector<std::string> lines;
        for (const Json::Value& entry : state[Family()]["entries"]) {
            const std::string line =
                AddressLine(entry["Low"].asString(), entry["High"].asString(), entry["Note"].asString());
            lines.push_back(withIds ? entry[idKey].asString() + "|" + line : line);
        }
        return lines;
    }
};

}  // namespace

std::unique_ptr<ModelledList> ModelAddressList(CAddressListPage& page, CScriptedUserInteraction& answers)
{
    return std::make_unique<ModelledAddressList>(page, answers);
}

}  // namespace morvix::test
