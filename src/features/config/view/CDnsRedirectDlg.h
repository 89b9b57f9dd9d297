#pragma once

#include "controls/CBatchProgressDlg.h"
#include "controls/CBusyState.h"
#include "features/config/DnsRedirectEntry.h"
#include "features/config/view/CDnsRedirectEntryDlg.h"
#include "shell/PolledReplies.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CConfirmedCheckBox;
class CDnsRedirectModel;
class CRuleListView;
class CViewEventRelay;
class QLineEdit;
class QPushButton;

// "域名劫持" of the DNS page: the redirect switch, the list of built-in and custom domains with
// their state command, search, editor, deletion of custom entries, and the exchanged file.
class CDnsRedirectDlg : public QWidget {
    Q_OBJECT
public:
    enum Command { eAdd, eModify, eDelete, eRefresh, eImport, eExport };

    CDnsRedirectDlg(bool oem, QWidget* parent = nullptr);
    ~CDnsRedirectDlg() override;

    CConfirmedCheckBox* RedirectSwitch() const { return switch_; }
    CRuleListView* List() const { return list_; }
    CDnsRedirectModel* Model() const { return model_; }
    QPushButton* StateButton() const { return state_; }
    QPushButton* CommandButton(Command command) const { return commands_[command]; }
    QLineEdit* SearchField() const { return search_; }
    QPushButton* SearchButton() const { return find_; }
    CDnsRedirectEntryDlg* Editor() const { return editor_; }
    CBatchProgressDlg* Progress() const { return progress_; }
    // Tests shorten the ten seconds a batch step waits for its reply.
    void SetBatchStepTimeout(int milliseconds) { stepTimeoutMs_ = milliseconds; }

    // Waiting for a reply of its own, or running a batch.
    bool IsBusy() const { return busy_.IsBusy() || progress_; }
    // True while a chosen file is read, before its import starts.
    bool IsReadingFile() const { return readingFile_; }

    // Reads the list; a read awaited before is not shown.
    void Refresh();
    void FlipState();
    void Find();
    void OpenEditor(bool modify);
    void DeleteSelection();
    void Export();
    void Import();

private:
    QWidget* BuildCommands();
    void UpdateCommands();
    void SwitchRequested(bool wanted);
    void EditorAccepted(bool modify);
    void RunBatch(const QString& title, const QString& progress, const QString& stopText, const QString& stopQuestion,
                  std::vector<DnsRedirectEntry> entries, bool (*send)(const DnsRedirectEntry&));
    // Sends one request of the page's own; its reply is awaited.
    void SendOwn(const std::function<bool()>& send);
    void Completed(int kind, int status, std::uintptr_t record, unsigned long requestNumber);
    void EventShown(int kind, int status, std::uintptr_t record);
    int SelectedRow() const;
    int CustomRowOf(const std::string& name) const;

    CConfirmedCheckBox* switch_ = nullptr;
    CDnsRedirectModel* model_ = nullptr;
    CRuleListView* list_ = nullptr;
    QPushButton* state_ = nullptr;
    QPushButton* commands_[6] = {};
    QLineEdit* search_ = nullptr;
    QPushButton* find_ = nullptr;
    QPointer<CDnsRedirectEntryDlg> editor_;
    QPointer<CBatchProgressDlg> progress_;
    bool readingFile_ = false;
    std::string cacheServerIp_;
    // The entry the open editor was opened for (empty name when adding), found again at OK.
    DnsRedirectEntry editorEntry_;
    CBusyState busy_;
    // The DNS settings are read for the whole page: only a reply newer than the last shown counts.
    PolledReplies settingsReads_;
    int stepTimeoutMs_;
    std::unique_ptr<CViewEventRelay> relay_;
};
