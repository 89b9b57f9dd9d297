#pragma once

#include <QAccessibleWidget>

#include <vector>

class IAccessibleItems;

// What assistive technology sees of a skinned control with drawn items (the toolbar, the
// navigation list): the control with one child per item. The item interfaces are made on demand
// and live as long as this one.
class CSkinnedItemsAccessible : public QAccessibleWidget {
public:
    CSkinnedItemsAccessible(QWidget* control, QAccessible::Role role, QAccessible::Role itemRole);
    ~CSkinnedItemsAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    IAccessibleItems* Items() const;

    QAccessible::Role itemRole_;
    mutable std::vector<QAccessible::Id> itemIds_;
};
