#pragma once

#include "features/monitor/HostMonitorColumns.h"

#include <QAbstractTableModel>

#include <vector>

// The rows of a host or origin monitor over its entry set: text formatted only when a row is
// painted, sorted by any column (figures numerically, names by text; equal values by first
// appearance), the sort applied again after every poll with the selection kept.
template <class Record>
class CMonitorListModel : public QAbstractTableModel {
public:
    using Entry = CMoxMonitorEntry<Record>;
    using Column = MonitorColumn<Entry>;

    CMonitorListModel(const CMoxMonitorSet<Record>& set, const std::vector<Column>& columns, QObject* parent);

    // The set took in a reply: `added` entries joined at its end.
    void Refresh(std::size_t added);
    // The entry shown in a row.
    const Entry& EntryAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    void Reorder();

    const CMoxMonitorSet<Record>& set_;
    const std::vector<Column>& columns_;
    std::vector<int> order_;  // row -> entry index
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

using CMoxHostMonitorListModel = CMonitorListModel<ProxyHost>;
using CMoxUpMonitorListModel = CMonitorListModel<UpstreamHost>;
