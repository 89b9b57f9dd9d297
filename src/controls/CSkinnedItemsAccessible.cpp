#include "controls/CSkinnedItemsAccessible.h"

#include "controls/CSkinnedItemAccessible.h"
#include "controls/IAccessibleItems.h"

CSkinnedItemsAccessible::CSkinnedItemsAccessible(QWidget* control, QAccessible::Role role, QAccessible::Role itemRole)
    : QAccessibleWidget(control, role), itemRole_(itemRole)
{
}

CSkinnedItemsAccessible::~CSkinnedItemsAccessible()
{
    for (QAccessible::Id id : itemIds_)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

IAccessibleItems* CSkinnedItemsAccessible::Items() const
{
    return dynamic_cast<IAccessibleItems*>(widget());
}

int CSkinnedItemsAccessible::childCount() const
{
    const IAccessibleItems* items = Items();
    return items ? items->AccessibleItemCount() : 0;
}

QAccessibleInterface* CSkinnedItemsAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (itemIds_.size() <= static_cast<std::size_t>(index))
        itemIds_.resize(static_cast<std::size_t>(index) + 1, 0);
    QAccessible::Id& id = itemIds_[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new CSkinnedItemAccessible(widget(), index, itemRole_));
    return QAccessible::accessibleInterface(id);
}

int CSkinnedItemsAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* item = dynamic_cast<const CSkinnedItemAccessible*>(child);
    if (!item || item->Index() >= static_cast<int>(itemIds_.size()))
        return -1;
    return QAccessible::accessibleInterface(itemIds_[static_cast<std::size_t>(item->Index())]) == child ? item->Index()
                                                                                                        : -1;
}

QAccessibleInterface* CSkinnedItemsAccessible::childAt(int x, int y) const
{
    const IAccessibleItems* items = Items();
    if (!items)
        return nullptr;
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int index = 0; index < items->AccessibleItemCount(); ++index)
        if (items->AccessibleItemRect(index).contains(local))
            return child(index);
    return nullptr;
}

QAccessibleInterface* CSkinnedItemsAccessible::focusChild() const
{
    const IAccessibleItems* items = Items();
    if (!items || !widget()->hasFocus())
        return nullptr;
    return child(items->FocusedItem());
}
