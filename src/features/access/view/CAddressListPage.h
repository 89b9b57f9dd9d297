#pragma once

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
    void RunCommand(Command command);
    // The rows of the previous server go.
    void Forget();

private:
    void UpdateCommands();
    void RequestList();
    void OpenForm(bool modify);
    void Export();
    void Import();
    void EventShown(int kind, int status, std::uintptr_t record);
    void ShowList(int status, const std::vector<AddressListEntry>* entries);
    void RemoveRow(const std::string& id);
    void CloseBatchWindows();

    AddressList list_;
    CRuleListModel<AddressListEntry>* model_ = nullptr;
    CRuleListView* view_ = nullptr;
    std::map<Command, QPushButton*> buttons_;
    CRuleDeletion* deletion_ = nullptr;
    QPointer<CBatchProgressDlg> import_;
    std::vector<AddressListEntry> pending_;
    // The import step whose add is on its way: a late reply to an earlier one names another range.
    std::size_t importStep_ = 0;
    int stepTimeoutMs_;
    bool listPending_ = false;
    bool transferReady_ = false;
    QPointer<CWhiteListAddDlg> form_;
    std::unique_ptr<CViewEventRelay> relay_;
};
