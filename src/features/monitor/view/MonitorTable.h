#pragma once

#include "controls/CRuleListView.h"
#include "controls/HeaderFit.h"
#include "features/monitor/view/CMonitorListModel.h"

#include <QHeaderView>

// The list of a host or origin monitor: the rule lists' table with one row selected at a time,
// sorted by a header click (a second click reverses).
template <class Record>
CRuleListView* MakeMonitorTable(CMonitorListModel<Record>* model,
                                const std::vector<MonitorColumn<CMoxMonitorEntry<Record>>>& columns, QWidget* parent)
{
    auto* table = new CRuleListView(parent);
    table->setModel(model);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::size_t column = 0; column < columns.size(); ++column)
        table->setColumnWidth(static_cast<int>(column), HeaderFitWidth(table, static_cast<int>(column), columns[column].width));
    table->horizontalHeader()->setSortIndicatorShown(true);
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    return table;
}
