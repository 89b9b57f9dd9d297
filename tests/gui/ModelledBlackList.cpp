#include "gui/ModelledBlackList.h"

#include "controls/CRuleDeletion.h"
#include "features/access/BlackListFile.h"
#include "features/access/view/CAddressListPage.h"
#include "features/access/view/CWhiteListAddDlg.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/ViewTestSupport.h"
#include "shell/ExchangeFileText.h"

#include <QLineEdit>
#include <QPushButton>

namespace morvix::test {

namespace {

std::string Line(const std::string& low, const std::string& high, const std::string& note)
{
    return low + "-" + high + "|" + note;
}

class ModelledBlackList : public ModelledList {
public:
    ModelledBlackList(CAddressListPage& page, CScriptedUserInteraction& answers) : page_(page), answers_(answers) {}

    std::string Name() const override { return "black"; }
    std::string Type() const override { return "black"; }
    std::string Cmd(Command command) const override
    {
        static const char* const kCmds[] = {"add", "modify", "del", "list", "", ""};
        return kCmds[command];
    }
    std::string Family() const override { return "black"; }
    std::string FileKind() const override { return "black"; }

    CRuleListView* List() const override { return page_.ListView(); }
    QPushButton* Button(Command command) const override
    {
        static const CAddressListPage::Command kButtons[] = {CAddressListPage::eAdd, CAddressListPage::eModify,
                                                             CAddressListPage::eDelete, CAddressListPage::eRefresh};
        return command <= eRefresh ? page_.CommandButton(kButtons[command]) : nullptr;
    }
    int MostDeletedAtOnce() const override { return CRuleDeletion::kMostAtOnce; }
    void SetStepTimeout(int milliseconds) override { page_.SetBatchStepTimeout(milliseconds); }
    bool Idle() const override
    {
        return page_.CommandButton(CAddressListPage::eRefresh)->isEnabled() && !page_.Deletion()->IsBatchActive() &&
               !page_.ImportWindow() && !page_.Form();
    }
    bool ClearsOnFailedList() const override { return false; }

    QDialog* Form() const override { return page_.Form(); }
    QPushButton* FillForm(int serial, bool modify) override
    {
        CWhiteListAddDlg* form = page_.Form();
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
        for (const AddressListEntry& entry : page_.Entries())
            lines.push_back(entry.Id + "|" + Line(entry.Low, entry.High, entry.Note));
        return lines;
    }
    std::vector<std::string> Held(const Json::Value& state) const override { return HeldLines(state, true); }
    std::vector<std::string> HeldAsFiled(const Json::Value& state) const override { return HeldLines(state, false); }

    bool Export(const std::filesystem::path& file) override
    {
        answers_.QueuePath(QString::fromStdString(file.string()));
        page_.CommandButton(CAddressListPage::eExport)->click();
        return std::filesystem::exists(file);
    }
    std::vector<std::string> FileLines(const std::filesystem::path& file) const override
    {
        std::string error;
        const std::optional<std::string> text = ExchangeFileText::Read(file, &error);
        if (!text)
            return {"unreadable: " + error};
        std::vector<std::string> lines;
        for (const AddressListEntry& entry : ReadBlackListFile(*text).entries)
            lines.push_back(Line(entry.Low, entry.High, entry.Note));
        return lines;
    }
    bool Import(const std::filesystem::path& file, int stepTimeoutMs) override
    {
        page_.SetBatchStepTimeout(stepTimeoutMs);
        answers_.QueuePath(QString::fromStdString(file.string()));
        page_.CommandButton(CAddressListPage::eImport)->click();
        return ProcessUntil([&] { return !page_.ImportWindow(); }, std::chrono::seconds(60));
    }

private:
    static std::vector<std::string> HeldLines(const Json::Value& state, bool withIds)
    {
        std::vector<std::string> lines;
        for (const Json::Value& entry : state["black"]["entries"]) {
            const std::string line =
                Line(entry["Low"].asString(), entry["High"].asString(), entry["Note"].asString());
            lines.push_back(withIds ? entry["BlackID"].asString() + "|" + line : line);
        }
        return lines;
    }

    CAddressListPage& page_;
    CScriptedUserInteraction& answers_;
};

}  // namespace

std::unique_ptr<ModelledList> ModelBlackList(CAddressListPage& page, CScriptedUserInteraction& answers)
{
    return std::make_unique<ModelledBlackList>(page, answers);
}

}  // namespace morvix::test
