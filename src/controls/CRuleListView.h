#pragma once

#include <QTableView>

#include <vector>

class CRuleListModelBase;

// The table every rule list uses: skinned header, full-row and multiple selection, grid lines,
// rows of one fixed height (so that a long list needs no per-row measuring).
class CRuleListView : public QTableView {
    Q_OBJECT
public:
    explicit CRuleListView(QWidget* parent = nullptr);

    void SetRuleModel(CRuleListModelBase* model);

    // Selected rows in ascending order.
    std::vector<int> SelectedRows() const;
    // Selects only this row and shows it; a row outside the list clears the selection.
    void SelectOnly(int row);

signals:
    // The selection changed, or rows came or went.
    void SelectionOrRowsChanged();
    void RowActivated(int row);
};
