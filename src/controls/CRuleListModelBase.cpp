#include "controls/CRuleListModelBase.h"

#include "controls/HeaderFit.h"

#include <QHeaderView>
#include <QTableView>

CRuleListModelBase::CRuleListModelBase(std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns))
{
}

int CRuleListModelBase::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant CRuleListModelBase::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(columns_.size()))
        return {};
    return columns_[static_cast<std::size_t>(section)].title;
}

void CRuleListModelBase::ApplyColumnWidths(QTableView* view) const
{
    for (std::size_t i = 0; i < columns_.size(); ++i)
        view->setColumnWidth(static_cast<int>(i), HeaderFitWidth(view, static_cast<int>(i), columns_[i].width));
    view->horizontalHeader()->setStretchLastSection(true);
}

QVariant CRuleListModelBase::Alignment(int column) const
{
    if (column < 0 || column >= static_cast<int>(columns_.size()) || !columns_[static_cast<std::size_t>(column)].alignment)
        return {};
    return QVariant::fromValue(columns_[static_cast<std::size_t>(column)].alignment);
}
