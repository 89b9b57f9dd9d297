#pragma once

#include "gui/CScriptedUserInteraction.h"
#include "gui/ModelledList.h"
#include "gui/ViewTestSupport.h"

#include <QPushButton>
#include <QString>

#include <array>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

class CAddressListPage;
class CDnsRedirectDlg;

namespace morvix::test {

// A list whose view has its own add, modify, delete, refresh, import and export buttons, in that
// order, and a step time for its batches: what the black list and the DNS redirect list share.
template <class View>
class ModelledExchangeList : public ModelledList {
public:
    struct Names {
        std::string name;
        std::string type;
        std::array<std::string, eRefresh + 1> cmds;  // add, modify, delete, refresh
        std::string family;
        std::string fileKind;
    };

    ModelledExchangeList(View& view, CScriptedUserInteraction& answers, Names names)
        : view_(view), answers_(answers), names_(std::move(names))
    {
    }

    std::string Name() const override { return names_.name; }
    std::string Type() const override { return names_.type; }
    std::string Cmd(Command command) const override { return command <= eRefresh ? names_.cmds[command] : ""; }
    std::string Family() const override { return names_.family; }
    std::string FileKind() const override { return names_.fileKind; }

    QPushButton* Button(Command command) const override
    {
        return command <= eRefresh ? view_.CommandButton(static_cast<typename View::Command>(command)) : nullptr;
    }
    void SetStepTimeout(int milliseconds) override { view_.SetBatchStepTimeout(milliseconds); }

    bool Export(const std::filesystem::path& file) override
    {
        answers_.QueuePath(QString::fromStdString(file.string()));
        view_.CommandButton(View::eExport)->click();
        return std::filesystem::exists(file);
    }
    // The file is read away from the window's thread: the import has ended only once the file was
    // read and every step it started has ended.
    bool Import(const std::filesystem::path& file, int stepTimeoutMs) override
    {
        SetStepTimeout(stepTimeoutMs);
        answers_.QueuePath(QString::fromStdString(file.string()));
        view_.CommandButton(View::eImport)->click();
        return ProcessUntil([&] { return !view_.IsReadingFile() && Idle(); }, std::chrono::seconds(60));
    }

protected:
    View& view_;
    CScriptedUserInteraction& answers_;

private:
    Names names_;
};

// The black or the white list of the security view; the black list has its file.
std::unique_ptr<ModelledList> ModelAddressList(CAddressListPage& page, CScriptedUserInteraction& answers);

// The DNS redirect list: built-in entries first, then the custom ones, which alone are changed,
// deleted and exchanged in the file.
std::unique_ptr<ModelledList> ModelDnsRedirect(CDnsRedirectDlg& view, CScriptedUserInteraction& answers);

}  // namespace morvix::test
