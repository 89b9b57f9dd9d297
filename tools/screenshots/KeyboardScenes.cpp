// The keyboard's place in the skinned controls: a navigation row and a toolbar button with focus.
#include "Shooter.h"

#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CMoxToolbar.h"
#include "controls/CNavigatTree.h"

namespace {

void TakeKeyboardScreens(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    window->activateWindow();
    shooter.Require(WaitFor([&] { return window->isActiveWindow(); }), QStringLiteral("the main window is not active"));

    CNavigatTree* navigation = window->Navigation();
    navigation->setFocus(Qt::TabFocusReason);
    navigation->FocusItem(navigation->GetCurrentItem() + 1);
    shooter.Require(WaitFor([&] { return navigation->hasFocus(); }), QStringLiteral("the navigation took no focus"));
    shooter.Save(window, "keyboard-navigation.png");

    CMoxToolbar* toolbar = window->Toolbar();
    toolbar->setFocus(Qt::TabFocusReason);
    toolbar->FocusItem(1);
    shooter.Require(WaitFor([&] { return toolbar->hasFocus(); }), QStringLiteral("the toolbar took no focus"));
    shooter.Save(window, "keyboard-toolbar.png");
}

const bool registered = RegisterScene(90, &TakeKeyboardScreens);

}  // namespace
