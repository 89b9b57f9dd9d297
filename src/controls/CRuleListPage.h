#pragma once

#include "controls/CBusyState.h"
#include "controls/CRuleDeletion.h"

#include <QWidget>

#include <functional>
#include <map>
#include <vector>

class CRuleListModelBase;
class CRuleListView;
class QPushButton;

// A rule list with its command buttons along the bottom, the same in every rule view: the
// enabling of the commands by selection and busy state, deletion of the selection, and the
// selected row remembered across a refresh. The keys come with it, so every list view built on it
// has them: F5 refreshes, Delete deletes the selection (after the usual question), Enter and a
// double click open the selected row's form (the add form when nothing is selected). Each key
// reaches only what its button offers at the moment.
class CRuleListPage : public QWidget {
    Q_OBJECT
public:
    enum Command { eAdd, eDelete, eRefresh, eUp, eDown, eModify, eHelp, eImport, eExport, eMonitor };
    // Where a list reply that was refused, failed or unreadable leaves the rows: cleared (a list
    // that could not be read must not pass for the server's current one), or kept as they were.
    enum class FailedList { Clears, KeepsRows };

    CRuleListView* List() const { return list_; }
    QPushButton* CommandButton(Command command) const;
    bool IsBusy() const;
    CRuleDeletion* Deletion() const { return deletion_; }
    // Tests shorten the ten seconds a batch deletion waits for each reply.
    void SetBatchStepTimeout(int milliseconds) { deletion_->SetStepTimeout(milliseconds); }

    // Import and export open a form that works on more than one list; the owner supplies it.
    using Transfer = std::function<void(bool importing)>;
    void SetTransfer(Transfer transfer) { transfer_ = std::move(transfer); }

    // Runs a command as its button would.
    virtual void RunCommand(Command command) = 0;

    // Work that adds to several lists (an import) hands each add it sent to every page of that
    // list: the page takes the completion through its own add handling, so its rows and the
    // instance's copy follow whichever page the work was started from.
    static void AdoptAdd(int addEvent, unsigned long requestNumber);

protected:
    struct CommandShape {
        Command command;
        QString text;
        QString tooltip;
    };

    explicit CRuleListPage(QWidget* parent);
    ~CRuleListPage() override;

    // The page shows the list whose adds complete with this event.
    void TakesAddsOf(int addEvent);

    void Build(CRuleListModelBase* model, const std::vector<CommandShape>& commands, CRuleDeletion::Texts deletionTexts,
               CRuleDeletion::SendDelete sendDelete);

    // Sends the list request, busy until its reply; false when nothing was sent.
    virtual bool RequestList() = 0;

    // A request of the view went out (0: nothing did); the view is busy until its completion.
    void RequestSent(unsigned long requestNumber);
    // True when the completion is one the view waits for: only those change the rows.
    bool TakeCompletion(unsigned long requestNumber) { return busy_.Take(requestNumber); }
    CBusyState& Busy() { return busy_; }
    // A list being shown batch by batch keeps the view busy too.
    virtual bool IsFilling() const { return false; }
    // Evaluated after every selection change and every completed request.
    virtual void UpdateCommands();

    // Refresh keeps the selected row by its index.
    void RememberSelection();
    void RestoreSelection();

    // Deletes the selected rows' rules; the page names each row's key.
    void DeleteSelection(const std::vector<std::string>& keys);

    void RunTransfer(bool importing)
    {
        if (transfer_)
            transfer_(importing);
    }

    void keyPressEvent(QKeyEvent* event) override;

private:
    // Double-click and Enter reach only what the buttons offer.
    void RunIfEnabled(Command command);

    CRuleListView* list_ = nullptr;
    std::map<Command, QPushButton*> buttons_;
    CBusyState busy_;
    CRuleDeletion* deletion_ = nullptr;
    int rememberedRow_ = -1;
    Transfer transfer_;
};
