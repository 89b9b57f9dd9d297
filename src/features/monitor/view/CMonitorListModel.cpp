#include "features/monitor/view/CMonitorListModel.h"
#include "controls/MoxTr.h"

#include <algorithm>
#include <numeric>

namespace {

Qt::Alignment AlignmentOf(MonitorColumnAlign align)
{
    switch (align) {
    case MonitorColumnAlign::Centre:
        return Qt::AlignCenter;
    case MonitorColumnAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case MonitorColumnAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

template <class Record>
CMonitorListModel<Record>::CMonitorListModel(const CMoxMonitorSet<Record>& set, const std::vector<Column>& columns,
                                             QObject* parent)
    : QAbstractTableModel(parent), set_(set), columns_(columns)
{
}

template <class Record>
void CMonitorListModel<Record>::Refresh(std::size_t added)
{
    if (added > 0) {
        const int first = static_cast<int>(order_.size());
        beginInsertRows({}, first, first + static_cast<int>(added) - 1);
        for (std::size_t index = order_.size(); index < set_.Entries().size(); ++index)
            order_.push_back(static_cast<int>(index));
        endInsertRows();
    }
    if (!order_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
    if (sortColumn_ >= 0)
        Reorder();
}

template <class Record>
void CMonitorListModel<Record>::Emptied()
{
    beginResetModel();
    order_.clear();
    endResetModel();
}

template <class Record>
const typename CMonitorListModel<Record>::Entry& CMonitorListModel<Record>::EntryAt(int row) const
{
    return set_.Entries()[static_cast<std::size_t>(order_[static_cast<std::size_t>(row)])];
}

template <class Record>
int CMonitorListModel<Record>::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

template <class Record>
int CMonitorListModel<Record>::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

template <class Record>
QVariant CMonitorListModel<Record>::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Column& column = columns_[static_cast<std::size_t>(index.column())];
    if (role == Qt::DisplayRole)
        return QString::fromStdString(column.text(EntryAt(index.row())));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(column.align));
    return {};
}

template <class Record>
QVariant CMonitorListModel<Record>::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const Column& column = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return MoxTr::tr(column.title);
    if (role == Qt::ToolTipRole && *column.tooltip)
        return MoxTr::tr(column.tooltip);
    return {};
}

template <class Record>
void CMonitorListModel<Record>::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    sortColumn_ = column;
    sortOrder_ = order;
    Reorder();
}

// Keys are taken once per entry, so a sort of thousands of rows formats each text only once.
template <class Record>
void CMonitorListModel<Record>::Reorder()
{
    const Column& column = columns_[static_cast<std::size_t>(sortColumn_)];
    const auto& entries = set_.Entries();
    std::vector<double> numbers;
    std::vector<std::string> texts;
    if (column.number) {
        numbers.reserve(entries.size());
        for (const Entry& entry : entries)
            numbers.push_back(column.number(entry));
    } else {
        texts.reserve(entries.size());
        for (const Entry& entry : entries)
            texts.push_back(column.text(entry));
    }
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    auto before = [&](int a, int b) {
        const std::size_t x = static_cast<std::size_t>(a);
        const std::size_t y = static_cast<std::size_t>(b);
        const int compared = column.number ? (numbers[x] < numbers[y] ? -1 : (numbers[y] < numbers[x] ? 1 : 0))
                                           : texts[x].compare(texts[y]);
        if (compared != 0)
            return descending ? compared > 0 : compared < 0;
        return a < b;
    };

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistent = persistentIndexList();
    std::vector<int> entryOfPersistent;
    entryOfPersistent.reserve(static_cast<std::size_t>(persistent.size()));
    for (const QModelIndex& kept : persistent)
        entryOfPersistent.push_back(order_[static_cast<std::size_t>(kept.row())]);
    std::sort(order_.begin(), order_.end(), before);
    std::vector<int> rowOfEntry(order_.size());
    for (std::size_t row = 0; row < order_.size(); ++row)
        rowOfEntry[static_cast<std::size_t>(order_[row])] = static_cast<int>(row);
    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (qsizetype at = 0; at < persistent.size(); ++at)
        moved.push_back(index(rowOfEntry[static_cast<std::size_t>(entryOfPersistent[static_cast<std::size_t>(at)])],
                              persistent[at].column()));
    changePersistentIndexList(persistent, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

template class CMonitorListModel<ProxyHost>;
template class CMonitorListModel<UpstreamHost>;
