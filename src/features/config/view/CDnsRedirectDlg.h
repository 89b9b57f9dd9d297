#pragma once

#include "controls/CBatchProgressDlg.h"
#include "features/config/DnsRedirectEntry.h"
#include "features/config/view/CDnsRedirectEntryDlg.h"

#include <QPointer>
#include <QWidget>

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
    std::string cacheServerIp_;
    // The domain of the batch step on its way: a late reply to an earlier step names another.
    std::string batchAwaited_;
    bool listing_ = false;
    int stepTimeoutMs_;
    std::unique_ptr<CViewEventRelay> relay_;
};
