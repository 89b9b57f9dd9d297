#pragma once

#include "controls/CBusyState.h"
#include "controls/CRuleListModel.h"
#include "features/access/AddressList.h"
#include "features/access/AddressListEntry.h"

#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <vector>

class CBatchProgressDlg;
class CRuleDeletion;
class CRuleListView;
class CViewEventRelay;
class CWhiteListAddDlg;
struct BlackListFileRead;
class QPushButton;

// One of the two client-address lists with its commands: add, modify, delete, refresh and, for
// the black list, import and export of the black-list file. Rows are numbered by their order.
class CAddressListPage : public QWidget {
    Q_OBJECT
public:
    enum Command { eAdd, eModify, eDelete, eRefresh, eImport, eExport };

    CAddressListPage(AddressList list, bool withTransfer, QWidget* parent);
    ~CAddressListPage() override;

    AddressList List() const { return list_; }
    CRuleListView* ListView() const { return view_; }
    QPushButton* CommandButton(Command command) const;
    CWhiteListAddDlg* Form() const;
    CRuleDeletion* Deletion() const { return deletion_; }
    CBatchProgressDlg* ImportWindow() const;
    // Tests shorten the ten seconds a batch waits for each reply.
    void SetBatchStepTimeout(int milliseconds);

    std::vector<AddressListEntry> Entries() const;
    // Waiting for a reply of its own, or running a batch.
    bool IsBusy() const;
    // True while a chosen file is read, before its import starts.
    bool IsReadingFile() const { return readingFile_; }
    void RunCommand(Command command);
    // The rows of the previous server go.
    void Forget();

private:
    void UpdateCommands();
    void RequestList();
    void OpenForm(bool modify);
    void Export();
    void Import();
    void Completed(int kind, int status, std::uintptr_t record, unsigned long requestNumber);
    // Adds the entries read from a black-list file, one at a time behind the progress window.
    void ImportEntries(BlackListFileRead read);
    void EventShown(int kind, int status, std::uintptr_t record);
    void ShowList(int status, const std::vector<AddressListEntry>* entries);
    int FindRow(const std::string& id) const;
    void RemoveRow(const std::string& id);
    void CloseBatchWindows();

    AddressList list_;
    CRuleListModel<AddressListEntry>* model_ = nullptr;
    CRuleListView* view_ = nullptr;
    std::map<Command, QPushButton*> buttons_;
    CRuleDeletion* deletion_ = nullptr;
    QPointer<CBatchProgressDlg> import_;
    bool readingFile_ = false;
    std::vector<AddressListEntry> pending_;
    int stepTimeoutMs_;
    CBusyState busy_;  // the page's own requests: list, the form's add or change, deletions sent at once
    bool transferReady_ = false;
    QPointer<CWhiteListAddDlg> form_;
    std::unique_ptr<CViewEventRelay> relay_;
};
