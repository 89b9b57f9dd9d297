#pragma once

#include "controls/CRuleFormDlg.h"
#include "controls/CRuleListPageT.h"
#include "controls/CViewEventRelay.h"
#include "controls/IUserInteraction.h"
#include "messaging/EventKinds.h"
#include "protocol/ResultRecords.h"
#include "shell/SayThenSend.h"

#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

// One rule view of the console (page-cache, refuse-cache, session-cache and rewrite rules): the
// list with its commands, the form, deletion, moves and the reactions to the family's replies.
// The families differ only in data, which the Family describes; the form is a CRuleFormDlg made
// as FormDlg(mode, rule, parent).
template <class Record, std::string Record::*Key, class FormDlg>
class CRulePageT : public CRuleListPageT<Record, Key> {
    using Base = CRuleListPageT<Record, Key>;
    using Page = CRuleListPage;

public:
    using Column = CRuleListModelBase::Column;
    using Store = typename Base::Store;
    using SendKeyed = bool (*)(const std::string& key);

    struct Events {
        int list, add, del, modify, up, down;
    };
    struct StatusTexts {
        const char* refreshing;
        const char* deleting;
        const char* movingUp;
        const char* movingDown;
    };
    struct Family {
        std::vector<Column> columns;
        typename Base::Model::CellText cellText;
        Store CMoxCacheInstance::*store;
        std::vector<typename Page::CommandShape> commands;
        CRuleDeletion::Texts deletion;
        Events events;
        bool (*list)();
        SendKeyed del;
        SendKeyed up;
        SendKeyed down;
        StatusTexts texts;
        std::string helpUrl;
        // The live request page of a rule, for the monitor command; empty when there is none.
        std::function<std::string(const Record&)> monitorAddress;
        CRuleListPage::FailedList failedList = CRuleListPage::FailedList::Clears;
    };
    CRulePageT(QWidget* parent, Family family)
        : Base(parent, family.columns, family.cellText, family.store), family_(std::move(family))
    {
        SendKeyed del = family_.del;
        const char* deleting = family_.texts.deleting;
        this->Build(this->RuleModel(), family_.commands, family_.deletion, [del, deleting](const std::string& key) {
            return SayThenSend(deleting, [&] { return del(key); });
        });
        this->SetFailedList(family_.failedList);
        const Events& e = family_.events;
        relay_ = std::make_unique<CViewEventRelay>(
            this, std::set<int>{e.list, e.add, e.del, e.modify, e.up, e.down},
            [this](int kind, int status, std::uintptr_t record, unsigned long requestNumber) {
                switch (this->Busy().TakeReply(requestNumber)) {
                case CBusyState::Taken::Yes:
                    EventShown(kind, status, record, requestNumber);
                    break;
                case CBusyState::Taken::ListOutdated:
                    RequestList();
                    break;
                case CBusyState::Taken::No:
                    if (kind == family_.events.del)
                        this->Deletion()->TakeDeleteReply(requestNumber);
                    break;
                }
            });
        relay_->EndBusyOnLogin(&this->Busy(), [this] { this->UpdateCommands(); });
        this->TakesAddsOf(e.add);
    }

    ~CRulePageT() override { relay_.reset(); }

    // The open rule form, if any.
    FormDlg* Form() const { return form_; }

    // The rows of the previous server go; the next showing of the page asks the new one.
    void Forget()
    {
        this->Busy().Reset();
        this->ClearRows();
    }

    // The rules as the view shows them, in row order.
    std::vector<Record> Rules() const
    {
        std::vector<Record> rules;
        for (int row = 0; row < this->RuleModel()->rowCount(); ++row)
            rules.push_back(this->RuleModel()->At(row));
        return rules;
    }

    void RunCommand(typename Page::Command command) override
    {
        switch (command) {
        case Page::eAdd:
        case Page::eModify:
            OpenForm(command == Page::eModify);
            break;
        case Page::eDelete:
            this->DeleteSelection(this->SelectedKeys());
            break;
        case Page::eRefresh:
            this->RememberSelection();
            RequestList();
            break;
        case Page::eUp:
        case Page::eDown:
            Move(command == Page::eUp);
            break;
        case Page::eHelp:
            IUserInteraction::Current().OpenUrl(QUrl(QString::fromStdString(family_.helpUrl)));
            break;
        case Page::eImport:
        case Page::eExport:
            this->RunTransfer(command == Page::eImport);
            break;
        case Page::eMonitor:
            OpenMonitor();
            break;
        }
    }

protected:
    bool RequestList() override
    {
        const unsigned long requestNumber = SayThenSend(family_.texts.refreshing, family_.list);
        this->Busy().ListReadSent(requestNumber);
        this->UpdateCommands();
        return requestNumber != 0;
    }

private:
    using ListEvent = CMoxListEventParamT<Record>;
    using ItemEvent = CMoxItemEventParamT<Record>;

    void OpenForm(bool modify)
    {
        const Record* selected = this->FirstSelected();
        if (modify && !selected)
            return;
        auto* form = new FormDlg(modify ? CRuleFormDlg::Mode::Modify : CRuleFormDlg::Mode::Add,
                              selected ? *selected : Record(), this);
        form->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(form, &CRuleFormDlg::Submitted, this,
                         [this](unsigned long requestNumber) { this->RequestSent(requestNumber); });
        form_ = form;
        form->open();
    }

    void Move(bool up)
    {
        const Record* selected = this->FirstSelected();
        if (!selected)
            return;
        this->RequestSent(SayThenSend(up ? family_.texts.movingUp : family_.texts.movingDown,
                                      [&] { return (up ? family_.up : family_.down)(selected->*Key); }));
    }

    void OpenMonitor()
    {
        const Record* selected = this->FirstSelected();
        if (!selected || !family_.monitorAddress)
            return;
        const std::string address = family_.monitorAddress(*selected);
        if (!address.empty())
            IUserInteraction::Current().OpenUrl(QUrl::fromEncoded(QByteArray::fromStdString(address)));
    }

    void EventShown(int kind, int status, std::uintptr_t record, unsigned long requestNumber)
    {
        const Events& e = family_.events;
        if (kind == e.list) {
            const auto* list = CMoxEventParam::As<ListEvent>(record);
            this->ShowList(status, CMoxEventParam::FromParam(record), list ? &list->items : nullptr);
            return;
        }
        const bool moved = kind == e.up || kind == e.down;
        // A list read sent after the move and shown may show it already: exchanging the rows would
        // undo it.
        const bool shownSince = moved && this->Busy().ListShownSince(requestNumber);
        const auto* item = CMoxEventParam::As<ItemEvent>(record);
        const int known = item ? status : eMoxEventStatus_BadReply;
        const Record shown = item ? item->item : Record();
        if (kind == e.add)
            this->ShowAdded(known, shown);
        else if (kind == e.del)
            this->ShowDeleted(status, shown.*Key);
        else if (kind == e.modify)
            this->ShowModified(known, shown);
        else if (moved && !shownSince)
            this->ShowMoved(status, shown.*Key, kind == e.up ? -1 : 1);
        // A change whose reply was lost or unreadable may have been carried out all the same: only
        // the server's list can say.
        if (status == eMoxEventStatus_NetworkError || status == eMoxEventStatus_BadReply || shownSince)
            RunCommand(Page::eRefresh);
    }

    Family family_;
    QPointer<FormDlg> form_;
    std::unique_ptr<CViewEventRelay> relay_;
};
