#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CMoxToolbar.h"
#include "controls/CNavigatTree.h"
#include "gui/ConsoleFixture.h"
#include "shell/MainNavigation.h"
#include "shell/view/CModifyPwdDlg.h"
#include "shell/view/CMoxContentView.h"
#include "shell/view/CMoxLoginDlg.h"

#include <QTest>

namespace {

class ConsoleKeyboard : public ConsoleFixture {
protected:
    // The main window with the keyboard on the toolbar, the login view closed.
    CMoxCacheAdminDlg& WindowWithToolbarFocus()
    {
        CMoxCacheAdminDlg& console = OpenWindow();
        LoginView().reject();
        console.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&console));
        console.Toolbar()->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(ProcessUntil([&] { return console.Toolbar()->hasFocus(); }));
        return console;
    }
};

}  // namespace

TEST_F(ConsoleKeyboard, TabLeadsFromTheToolbarToTheNavigationWhoseKeysShowAPage)
{
    CMoxCacheAdminDlg& console = WindowWithToolbarFocus();
    QTest::keyClick(&console, Qt::Key_Tab);
    ASSERT_TRUE(ProcessUntil([&] { return console.Navigation()->hasFocus(); }));
    EXPECT_EQ(console.Navigation()->FocusedItem(), 0) << "the keyboard starts on the current row";

    QTest::keyClick(console.Navigation(), Qt::Key_Down);
    QTest::keyClick(console.Navigation(), Qt::Key_Return);
    ASSERT_TRUE(ProcessUntil([&] { return console.CurrentView() == console.View(eView_AccessMonitor); }));
    EXPECT_EQ(console.Navigation()->GetCurrentItem(), 1);
}

TEST_F(ConsoleKeyboard, EnterOnAToolbarButtonOpensItsWindowAndEscapeClosesIt)
{
    CMoxCacheAdminDlg& console = WindowWithToolbarFocus();
    const int changePassword = console.Toolbar()->FindItem(QStringLiteral("修改密码"));
    for (int i = 0; i < changePassword; ++i)
        QTest::keyClick(console.Toolbar(), Qt::Key_Right);
    QTest::keyClick(console.Toolbar(), Qt::Key_Return);
    ASSERT_TRUE(ProcessUntil([&] { return console.ChangePasswordDialog() && console.ChangePasswordDialog()->isVisible(); }));

    QTest::keyClick(console.ChangePasswordDialog(), Qt::Key_Escape);
    EXPECT_TRUE(ProcessUntil([&] { return console.ChangePasswordDialog() == nullptr; }));
}
