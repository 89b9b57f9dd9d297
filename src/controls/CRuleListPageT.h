#pragma once

#include "controls/CRuleListModel.h"
#include "controls/CRuleListPage.h"
#include "controls/CRuleListView.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/CachedRecordList.h"

#include <string>
#include <vector>

// The reactions of a rule list to its replies, for any rule record with a 1-based position `No`
// and a server identifier `Key`. The rows hold plain copies; the server instance keeps its own
// copy of the list (`Store`), which the other views of the console read.
template <class Record, std::string Record::*Key>
class CRuleListPageT : public CRuleListPage {
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

    // Every list reply clears the rows and the instance's copy, whatever its status: a list that
    // could not be read must not pass for the server's current one.
    void ShowList(int status, const std::vector<Record>* items)
    {
        model_->Clear();
        Store* store = InstanceStore();
        if (store)
            store->Clear();
        if (status == 0 && items) {
            std::vector<Record> rows;
            rows.reserve(items->size());
            for (const Record& item : *items)
                rows.push_back(store ? store->Add(item) : item);
            model_->Append(std::move(rows));
            RestoreSelection();
        }
        Deletion()->CloseProgress();
        Busy().Reset();
        UpdateCommands();
    }

    void ShowAdded(int status, Record record)
    {
        if (status == 0) {
            record.No = model_->rowCount() + 1;
            if (Store* store = InstanceStore())
                store->Add(record);
            model_->Append(std::move(record));
        }
        RequestCompleted();
    }

    void ShowDeleted(int status, const std::string& key)
    {
        if (Deletion()->TakeDeleteReply(status, key)) {
            UpdateCommands();
            return;
        }
        const int row = status == 0 ? RowOf(key) : -1;
        if (row >= 0) {
            model_->Remove(row);
            model_->Edit(row, model_->rowCount() - 1, [](Record& record, int) { --record.No; });
            if (Store* store = InstanceStore())
                store->Remove(key);
        }
        RequestCompleted();
    }

    void ShowModified(int status, const Record& record)
    {
        const int row = status == 0 ? RowOf(record.*Key) : -1;
        if (row >= 0) {
            Record shown = record;
            shown.No = model_->At(row).No;
            if (Store* store = InstanceStore())
                store->Update(shown);
            model_->Replace(row, std::move(shown));
        }
        RequestCompleted();
    }

    // direction -1 up, +1 down: the rule changes places with its neighbour and stays selected.
    void ShowMoved(int status, const std::string& key, int direction)
    {
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

private:
    Store* InstanceStore() const
    {
        CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
        return instance ? &(instance->*store_) : nullptr;
    }

    Model* model_;
    Store CMoxCacheInstance::*store_;
};
