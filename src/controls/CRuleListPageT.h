#pragma once

#include "controls/CRuleListModel.h"
#include "controls/CRuleListPage.h"
#include "controls/CRuleListView.h"
#include "messaging/RecordReference.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/CachedRecordList.h"

#include <QTimer>

#include <chrono>
#include <string>
#include <vector>

// The reactions of a rule list to its replies, for any rule record with a 1-based position `No`
// and a server identifier `Key`. The rows hold plain copies; the server instance keeps its own
// copy of the list (`Store`) for the other views of the console, kept by the Store* functions on
// the event thread, so that the window never waits for it; a list no other view needs has none
// (a null store).
template <class Record, std::string Record::*Key>
class CRuleListPageT : public CRuleListPage {
public:
    // How long one batch of a list may keep the event loop; tests shorten it to see batches.
    void SetFillBatchTime(std::chrono::milliseconds time) { batchTime_ = time; }

protected:
    using Model = CRuleListModel<Record>;
    using Store = CachedRecordList<Record, Key>;

    CRuleListPageT(QWidget* parent, std::vector<CRuleListModelBase::Column> columns, typename Model::CellText cellText,
                   Store CMoxCacheInstance::*store)
        : CRuleListPage(parent), model_(new Model(std::move(columns), std::move(cellText), this)), store_(store)
    {
    }

    Model* RuleModel() const { return model_; }

    int RowOf(const std::string& key) const
    {
        return model_->FindRow([&key](const Record& record) { return record.*Key == key; });
    }

    std::vector<std::string> SelectedKeys() const
    {
        std::vector<std::string> keys;
        for (int row : List()->SelectedRows())
            keys.push_back(model_->At(row).*Key);
        return keys;
    }

    const Record* FirstSelected() const
    {
        const std::vector<int> rows = List()->SelectedRows();
        return rows.empty() ? nullptr : &model_->At(rows.front());
    }

    // A list reply clears the rows and the instance's copy, also when it failed: a list that could
    // not be read must not pass for the server's current one, unless the family keeps its rows
    // then. The rules are shown a batch per turn of the event loop, so that a long list never
    // holds the window still; the view stays busy until the last batch.
    void ShowList(int status, CMoxEventParam* record, const std::vector<Record>* items, bool keepRowsOnFailure = false)
    {
        if (keepRowsOnFailure && (status != 0 || !items)) {
            CompleteFill();
            Busy().Reset();
            FillEnded();
            return;
        }
        AbandonFill();
        model_->Clear();
        Busy().Reset();
        if (status == 0 && items && !items->empty()) {
            fillRecord_ = HoldRecord(record);
            fillItems_ = items;
            fillNext_ = 0;
            Busy().Sent();
            FillBatch();
            return;
        }
        FillEnded();
    }

    // Replies that change rows need every row of the list in place first.
    void CompleteFill()
    {
        while (fillItems_)
            FillBatch();
    }

    void ShowAdded(int status, Record record)
    {
        CompleteFill();
        if (status == 0) {
            record.No = model_->rowCount() + 1;
            model_->Append(std::move(record));
        }
        RequestCompleted();
    }

    void ShowDeleted(int status, const std::string& key)
    {
        CompleteFill();
        if (Deletion()->TakeDeleteReply(status, key)) {
            UpdateCommands();
            return;
        }
        const int row = status == 0 ? RowOf(key) : -1;
        if (row >= 0) {
            model_->Remove(row);
            model_->Edit(row, model_->rowCount() - 1, [](Record& record, int) { --record.No; });
        }
        RequestCompleted();
    }

    void ShowModified(int status, const Record& record)
    {
        CompleteFill();
        const int row = status == 0 ? RowOf(record.*Key) : -1;
        if (row >= 0) {
            Record shown = record;
            shown.No = model_->At(row).No;
            model_->Replace(row, std::move(shown));
        }
        RequestCompleted();
    }

    // direction -1 up, +1 down: the rule changes places with its neighbour and stays selected.
    void ShowMoved(int status, const std::string& key, int direction)
    {
        CompleteFill();
        const int row = status == 0 ? RowOf(key) : -1;
        const int other = row + direction;
        if (row >= 0 && other >= 0 && other < model_->rowCount()) {
            model_->Exchange(row, other);
            model_->Edit(std::min(row, other), std::max(row, other),
                         [](Record& record, int position) { record.No = position + 1; });
            List()->SelectOnly(other);
        }
        RequestCompleted();
    }

    // On the event thread: the instance's copy follows each accepted reply. A list replaces it
    // whatever its status, as the rows are.
    void StoreList(int status, const std::vector<Record>* items, bool keepOnFailure = false) const
    {
        Store* store = InstanceStore();
        if (!store || (keepOnFailure && (status != 0 || !items)))
            return;
        store->Clear();
        if (status == 0 && items)
            for (const Record& item : *items)
                store->Add(item);
    }

    void StoreAdded(Record record) const
    {
        if (Store* store = InstanceStore()) {
            record.No = static_cast<int>(store->Size()) + 1;
            store->Add(record);
        }
    }

    void StoreRemoved(const std::string& key) const
    {
        if (Store* store = InstanceStore())
            store->Remove(key);
    }

    // The export writes the instance's copy, so it takes the new order as the rows do.
    void StoreMoved(const std::string& key, int direction) const
    {
        if (Store* store = InstanceStore())
            store->Move(key, direction);
    }

    void StoreModified(const Record& record) const
    {
        Store* store = InstanceStore();
        const Record* stored = store ? store->Find(record.*Key) : nullptr;
        if (!stored)
            return;
        Record updated = record;
        updated.No = stored->No;
        store->Update(updated);
    }

private:
    static constexpr std::size_t kRowsBetweenClockReads = 256;

    void FillBatch()
    {
        const auto until = std::chrono::steady_clock::now() + batchTime_;
        std::vector<Record> batch;
        while (fillNext_ < fillItems_->size()) {
            const Record& item = (*fillItems_)[fillNext_++];
            batch.push_back(item);
            if (batch.size() % kRowsBetweenClockReads == 0 && std::chrono::steady_clock::now() >= until)
                break;
        }
        model_->Append(std::move(batch));
        if (fillNext_ < fillItems_->size()) {
            QTimer::singleShot(0, this, [this, generation = fillGeneration_] {
                if (generation == fillGeneration_ && fillItems_)
                    FillBatch();
            });
            return;
        }
        AbandonFill();
        Busy().Completed();
        FillEnded();
    }

    void AbandonFill()
    {
        ++fillGeneration_;
        fillItems_ = nullptr;
        fillRecord_.reset();
    }

    void FillEnded()
    {
        RestoreSelection();
        Deletion()->CloseProgress();
        UpdateCommands();
    }

    Store* InstanceStore() const
    {
        CMoxCacheInstance* instance = store_ ? CMoxInstanceManager::GetInstanceManager()->GetInstance() : nullptr;
        return instance ? &(instance->*store_) : nullptr;
    }

    Model* model_;
    Store CMoxCacheInstance::*store_;
    // The list reply being shown, held until its last batch is in.
    RecordReference fillRecord_;
    const std::vector<Record>* fillItems_ = nullptr;
    std::size_t fillNext_ = 0;
    unsigned fillGeneration_ = 0;
    std::chrono::milliseconds batchTime_{8};
};
