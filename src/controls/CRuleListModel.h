#pragma once

#include "controls/CRuleListModelBase.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// A rule list for QTableView over a plain vector of records. A list reply arrives as one batch and
// is inserted with one beginInsertRows, and a cell's text is made only when the view paints it,
// so that a list of 100,000 rules costs the window no more than the rows it shows.
template <class Record>
class CRuleListModel : public CRuleListModelBase {
public:
    // The text of one column of a record, as UTF-8.
    using CellText = std::function<std::string(const Record&, int column)>;

    CRuleListModel(std::vector<Column> columns, CellText cellText, QObject* parent = nullptr)
        : CRuleListModelBase(std::move(columns), parent), cellText_(std::move(cellText))
    {
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        if (role == Qt::TextAlignmentRole)
            return Alignment(index.column());
        if (role != Qt::DisplayRole)
            return {};
        return QString::fromStdString(cellText_(rows_[static_cast<std::size_t>(index.row())], index.column()));
    }

    const Record& At(int row) const { return rows_[static_cast<std::size_t>(row)]; }

    // The first row whose record satisfies the predicate, or -1.
    template <class Predicate>
    int FindRow(Predicate&& matches) const
    {
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (matches(rows_[i]))
                return static_cast<int>(i);
        return -1;
    }

    void Clear()
    {
        beginResetModel();
        rows_.clear();
        endResetModel();
    }

    void Append(std::vector<Record> batch)
    {
        if (batch.empty())
            return;
        const int first = rowCount();
        beginInsertRows(QModelIndex(), first, first + static_cast<int>(batch.size()) - 1);
        if (rows_.empty())
            rows_ = std::move(batch);
        else
            rows_.insert(rows_.end(), std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()));
        endInsertRows();
    }

    void Append(Record record)
    {
        std::vector<Record> batch;
        batch.push_back(std::move(record));
        Append(std::move(batch));
    }

    void Replace(int row, Record record)
    {
        rows_[static_cast<std::size_t>(row)] = std::move(record);
        EmitRowsChanged(row, row);
    }

    // Changes rows in place, e.g. to renumber them; the view repaints the rows named.
    template <class Change>
    void Edit(int firstRow, int lastRow, Change&& change)
    {
        if (firstRow > lastRow)
            return;
        for (int row = firstRow; row <= lastRow; ++row)
            change(rows_[static_cast<std::size_t>(row)], row);
        EmitRowsChanged(firstRow, lastRow);
    }

    void Remove(int row)
    {
        beginRemoveRows(QModelIndex(), row, row);
        rows_.erase(rows_.begin() + row);
        endRemoveRows();
    }

    // The records change places, each taking its texts along; the caller renumbers them.
    void Exchange(int rowA, int rowB)
    {
        std::swap(rows_[static_cast<std::size_t>(rowA)], rows_[static_cast<std::size_t>(rowB)]);
        EmitRowsChanged(std::min(rowA, rowB), std::max(rowA, rowB));
    }

private:
    void EmitRowsChanged(int firstRow, int lastRow)
    {
        emit dataChanged(index(firstRow, 0), index(lastRow, columnCount() - 1), {Qt::DisplayRole});
    }

    CellText cellText_;
    std::vector<Record> rows_;
};
