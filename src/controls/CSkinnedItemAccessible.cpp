#include "controls/CSkinnedItemAccessible.h"

#include "controls/IAccessibleItems.h"

#include <QMetaObject>

CSkinnedItemAccessible::CSkinnedItemAccessible(QWidget* control, int index, QAccessible::Role role)
    : control_(control), index_(index), role_(role)
{
}

IAccessibleItems* CSkinnedItemAccessible::Items() const
{
    return dynamic_cast<IAccessibleItems*>(control_.data());
}

bool CSkinnedItemAccessible::isValid() const
{
    const IAccessibleItems* items = Items();
    return items && index_ < items->AccessibleItemCount();
}

QObject* CSkinnedItemAccessible::object() const
{
    return nullptr;
}

QWindow* CSkinnedItemAccessible::window() const
{
    return control_ ? control_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CSkinnedItemAccessible::parent() const
{
    return control_ ? QAccessible::queryAccessibleInterface(control_.data()) : nullptr;
}

QString CSkinnedItemAccessible::text(QAccessible::Text kind) const
{
    if (!isValid())
        return {};
    switch (kind) {
    case QAccessible::Name:
        return Items()->AccessibleItemText(index_);
    case QAccessible::Description:
        return Items()->AccessibleItemDescription(index_);
    default:
        return {};
    }
}

QRect CSkinnedItemAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect local = Items()->AccessibleItemRect(index_);
    return QRect(control_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State CSkinnedItemAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const IAccessibleItems* items = Items();
    state.focusable = true;
    state.focused = control_->hasFocus() && items->FocusedItem() == index_;
    state.pressed = items->IsItemPressed(index_);
    if (role_ == QAccessible::ListItem || role_ == QAccessible::PageTab) {
        state.selectable = true;
        state.selected = items->IsItemSelected(index_);
    }
    const bool onScreen = control_->isVisible() && control_->rect().intersects(items->AccessibleItemRect(index_));
    state.invisible = !onScreen;
    state.offscreen = !onScreen;
    state.disabled = !control_->isEnabled() || !items->IsItemEnabled(index_);
    return state;
}

void* CSkinnedItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList CSkinnedItemAccessible::actionNames() const
{
    return {pressAction(), setFocusAction()};
}

// Queued: the assistive tool's call returns before the owner runs, as a click is over before it
// runs, so that a window the owner opens cannot hold the call up.
void CSkinnedItemAccessible::doAction(const QString& actionName)
{
    if (!isValid() || state().disabled)
        return;
    const bool press = actionName == pressAction();
    if (!press && actionName != setFocusAction())
        return;
    QMetaObject::invokeMethod(
        control_.data(),
        [control = control_, index = index_, press] {
            auto* items = dynamic_cast<IAccessibleItems*>(control.data());
            if (!items || index >= items->AccessibleItemCount())
                return;
            if (press) {
                items->ChooseItem(index);
                return;
            }
            control->setFocus(Qt::OtherFocusReason);
            items->FocusItem(index);
        },
        Qt::QueuedConnection);
}

QStringList CSkinnedItemAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction())
        return {QStringLiteral("Return"), QStringLiteral("Space")};
    return {};
}
