#include "controls/SkinnedAccessibility.h"

#include "controls/CSkinnedItemsAccessible.h"

#include <QAccessible>
#include <QWidget>

#include <mutex>

namespace {

struct ControlRoles {
    const char* className;
    QAccessible::Role role;
    QAccessible::Role itemRole;
};

// A toolbar of push buttons; the navigation list a list whose rows are items; the tab strip page
// tabs, with the selected state that Qt's own tab bar interface does not report.
const ControlRoles kControls[] = {
    {"CMoxToolbar", QAccessible::ToolBar, QAccessible::PushButton},
    {"CNavigatTree", QAccessible::List, QAccessible::ListItem},
    {"CMoxTabCtrl", QAccessible::PageTabList, QAccessible::PageTab},
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    for (const ControlRoles& control : kControls)
        if (className == QLatin1String(control.className))
            return new CSkinnedItemsAccessible(widget, control.role, control.itemRole);
    return nullptr;
}

}  // namespace

void InstallSkinnedAccessibility()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(MakeInterface); });
}

void NotifyItemFocused(QWidget* control, int index)
{
    if (!QAccessible::isActive() || index < 0)
        return;
    QAccessibleEvent event(control, QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}
