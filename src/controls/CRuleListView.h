#pragma once

#include <QTableView>

#include <functional>
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
    // Replaces the rows through `replace`, then selects the place the selection started at: a refresh
    // brings the same list back, and the keyboard stays where it was.
    void ReplaceRowsKeepingSelection(const std::function<void()>& replace);

protected:
    void keyPressEvent(QKeyEvent* event) override;

signals:
    // The selection changed, or rows came or went.
    void SelectionOrRowsChanged();
    // A row was double-clicked, or Enter was pressed on the selection.
    void RowActivated(int row);
};
