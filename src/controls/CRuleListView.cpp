#include "controls/CRuleListView.h"

#include "controls/CRuleListModelBase.h"
#include "controls/CSortHeaderCtrl.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

CRuleListView::CRuleListView(QWidget* parent) : QTableView(parent)
{
    auto* header = new CSortHeaderCtrl(Qt::Horizontal, this);
    header->setSortIndicatorShown(false);
    setHorizontalHeader(header);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { emit RowActivated(index.row()); });
}

void CRuleListView::SetRuleModel(CRuleListModelBase* model)
{
    setModel(model);
    model->ApplyColumnWidths(this);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CRuleListView::SelectionOrRowsChanged);
    connect(model, &QAbstractItemModel::rowsInserted, this, &CRuleListView::SelectionOrRowsChanged);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &CRuleListView::SelectionOrRowsChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &CRuleListView::SelectionOrRowsChanged);
}

std::vector<int> CRuleListView::SelectedRows() const
{
    std::vector<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CRuleListView::SelectOnly(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void CRuleListView::ReplaceRowsKeepingSelection(const std::function<void()>& replace)
{
    const std::vector<int> rows = SelectedRows();
    replace();
    SelectOnly(rows.empty() ? -1 : rows.front());
}

void CRuleListView::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const std::vector<int> rows = SelectedRows();
    if (!enter || rows.empty()) {
        QTableView::keyPressEvent(event);
        return;
    }
    // The keyboard's own row when it is one of the selection, as a double click opens the row under the mouse.
    const QModelIndex current = currentIndex();
    const bool currentSelected = current.isValid() && selectionModel()->isRowSelected(current.row(), QModelIndex());
    emit RowActivated(currentSelected ? current.row() : rows.front());
}
