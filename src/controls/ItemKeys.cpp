#include "controls/ItemKeys.h"

#include "controls/IAccessibleItems.h"

#include <QKeyEvent>

bool HandleItemKey(IAccessibleItems& items, const QKeyEvent& event)
{
    const int focused = items.FocusedItem();
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        items.FocusItem(focused - 1);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        items.FocusItem(focused + 1);
        return true;
    case Qt::Key_Home:
        items.FocusItem(0);
        return true;
    case Qt::Key_End:
        items.FocusItem(items.AccessibleItemCount() - 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        items.ChooseItem(focused);
        return true;
    default:
        return false;
    }
}
