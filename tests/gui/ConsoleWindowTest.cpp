#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CMoxToolbar.h"
#include "controls/CNavigatTree.h"
#include "features/access/view/CWhiteListDlg.h"
#include "features/monitor/view/CRealTimeInfoDlg.h"
#include "gui/ConsoleFixture.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/MainNavigation.h"
#include "shell/view/CMoxAboutDlg.h"
#include "shell/view/CMoxContentView.h"
#include "shell/view/CMoxLoginDlg.h"

#include <QLabel>
#include <QLayout>
#include <QTest>

namespace {

using ConsoleWindow = ConsoleFixture;

QStringList NavigationTexts(const CMoxCacheAdminDlg& window)
{
    QStringList texts;
    for (int index = 0; index < window.Navigation()->GetItemCount(); ++index)
        texts << window.Navigation()->GetItem(index)->text;
    return texts;
}

QStringList ToolbarTexts(const CMoxCacheAdminDlg& window)
{
    QStringList texts;
    for (int index = 0; index < window.Toolbar()->GetItemCount(); ++index)
        texts << window.Toolbar()->GetItem(index)->text;
    return texts;
}

}  // namespace

TEST_F(ConsoleWindow, WithoutSwitchesFiveViewsAndEveryToolbarButton)
{
    OpenWindow();
    EXPECT_EQ(NavigationTexts(*window), (QStringList{QStringLiteral("流量监控"), QStringLiteral("访问监控"),
                                                     QStringLiteral("安全设置"), QStringLiteral("硬盘缓存"),
                                                     QStringLiteral("系统配置")}));
    EXPECT_EQ(window->View(eView_CacheRules), nullptr) << "no cache-rule view without its switch";
    EXPECT_EQ(ToolbarTexts(*window), (QStringList{QStringLiteral("登录"), QStringLiteral("超级后台"),
                                                  QStringLiteral("修改密码"), QStringLiteral("关于")}));
    EXPECT_EQ(window->CurrentView(), window->View(eView_Realtime));
    EXPECT_TRUE(ProcessUntil([&] { return !window->windowIcon().isNull(); })) << "the window never took its icon";
}

TEST_F(ConsoleWindow, SwitchesAddTheirViewsInPlaceAndHideTheWebAdminButton)
{
    WriteOptions("Gui", {{"show_webadmin", "0"}, {"show_host_monitor", "1"}, {"show_dns_redirect", "1"},
                         {"show_cache_rule", "1"}});
    OpenWindow();
    EXPECT_EQ(NavigationTexts(*window),
              (QStringList{QStringLiteral("流量监控"), QStringLiteral("访问监控"), QStringLiteral("域名监控"),
                           QStringLiteral("缓存规则"), QStringLiteral("转向管理"), QStringLiteral("安全设置"),
                           QStringLiteral("硬盘缓存"), QStringLiteral("域名劫持"), QStringLiteral("系统配置")}));
    const int expectedIds[] = {309, 315, 316, 300, 305, 318, 313, 317, 310};
    for (int index = 0; index < window->Navigation()->GetItemCount(); ++index) {
        EXPECT_EQ(window->Navigation()->GetItem(index)->commandId, expectedIds[index]);
        EXPECT_NE(window->View(expectedIds[index]), nullptr);
    }
    EXPECT_EQ(ToolbarTexts(*window),
              (QStringList{QStringLiteral("登录"), QStringLiteral("修改密码"), QStringLiteral("关于")}));
}

// Pages are built after the window, so a login pressed the moment its view opens must still find
// every page and all its parts listening: nothing has run the event loop between the press and
// this count.
TEST_F(ConsoleWindow, EveryPageIsInPlaceWhenALoginIsSent)
{
    WriteOptions("Gui", {{"show_host_monitor", "1"}, {"show_dns_redirect", "1"}, {"show_cache_rule", "1"}});
    OpenWindow();
    PressLogIn(QStringLiteral("admin"));

    QStringList pages;
    for (CMoxContentView* view : window->findChildren<CMoxContentView*>())
        if (!view->accessibleName().isEmpty()) {
            pages << view->accessibleName();
            EXPECT_FALSE(view->BuildLaterParts()) << view->accessibleName().toStdString() << " left parts unbuilt";
        }
    pages.sort();
    QStringList expected = NavigationTexts(*window);
    expected.sort();
    EXPECT_EQ(pages, expected);
    ASSERT_TRUE(ProcessUntil([&] { return window->windowTitle().startsWith(ServerTitle()); }));
}

// The pages and parts built after the window must not change its layout under the operator's eyes:
// it opens with the size and navigation width it keeps once everything is built.
TEST_F(ConsoleWindow, BuildingTheLaterPagesKeepsTheWindowsLayout)
{
    WriteOptions("Gui", {{"show_host_monitor", "1"}, {"show_dns_redirect", "1"}, {"show_cache_rule", "1"},
                         {"show_cluster", "1"}, {"show_cache_list", "1"}});
    window = std::make_unique<CMoxCacheAdminDlg>();
    window->show();
    const QSize opened = window->size();
    const int navigationWidth = window->Navigation()->width();

    for (int index = 0; index < window->Navigation()->GetItemCount(); ++index)
        window->View(window->Navigation()->GetItem(index)->commandId)->BuildLaterParts();
    window->layout()->activate();
    EXPECT_EQ(window->size(), opened);
    EXPECT_EQ(window->Navigation()->width(), navigationWidth);
}

TEST_F(ConsoleWindow, ChoosingANavigationRowShowsItsView)
{
    OpenWindow();
    window->LoginDialog()->reject();
    CNavigatTree* navigation = window->Navigation();
    const int security = navigation->FindItem(QStringLiteral("安全设置"));
    QTest::mouseClick(navigation, Qt::LeftButton, {}, navigation->ItemRect(security).center());

    ASSERT_TRUE(ProcessUntil([&] { return window->CurrentView() == window->View(eView_Security); }));
    EXPECT_NE(qobject_cast<CWhiteListDlg*>(window->CurrentView()), nullptr);
    EXPECT_TRUE(window->CurrentView()->isVisible());
    EXPECT_FALSE(window->View(eView_Realtime)->isVisible());
}

TEST_F(ConsoleWindow, WebAdminPageOpensInTheBrowserWithEncodedSessionValues)
{
    OpenWindow();
    LogIn();
    CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();

    window->RunCommand(eCmd_WebAdmin);

    ASSERT_EQ(user.OpenedUrls().size(), 1);
    EXPECT_EQ(user.OpenedUrls()[0].toEncoded().toStdString(),
              "http://" + sim->host() + "/morvix/login-api.htm?SessionID=" + instance->SessionId() +
                  "&usertype=" + instance->UserType() + "&version=3.5.0&VersionExt=Linux%2064Bits");
}

TEST_F(ConsoleWindow, QuitAsksFirstAndEnterNeverCloses)
{
    OpenWindow();
    window->LoginDialog()->reject();
    ASSERT_TRUE(ProcessUntil([&] { return !window->LoginDialog(); }));

    QTest::keyClick(window.get(), Qt::Key_Return);
    QTest::keyClick(window.get(), Qt::Key_Enter);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(user.Prompts().isEmpty());

    user.QueueDecision(false);
    window->close();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(user.Prompts().size(), 1);
    EXPECT_EQ(user.Prompts()[0].kind, CScriptedUserInteraction::PromptKind::Confirm);
    EXPECT_EQ(user.Prompts()[0].title, QStringLiteral("退出"));
    EXPECT_EQ(user.Prompts()[0].text, QStringLiteral("您确定要退出 Morvix 远程监控端吗？"));

    user.QueueDecision(true);
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ConsoleWindow, InformationStripShowsTheServersTimesAfterLogin)
{
    OpenWindow();
    LogIn();
    CRealTimeInfoDlg* strip = window->InfoStrip();
    ASSERT_TRUE(ProcessUntil([&] { return !strip->CurrentTimeText().isEmpty(); }));
    const QRegularExpression time(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
    EXPECT_TRUE(time.match(strip->StartTimeText()).hasMatch()) << strip->StartTimeText().toStdString();
    EXPECT_TRUE(time.match(strip->CurrentTimeText()).hasMatch()) << strip->CurrentTimeText().toStdString();
    EXPECT_TRUE(strip->SavingText().endsWith(QStringLiteral("B"))) << strip->SavingText().toStdString();
}

TEST_F(ConsoleWindow, AboutViewNamesBothVersionsAndHidesTheMakerForOem)
{
    OpenWindow();
    LogIn();
    window->RunCommand(eCmd_About);
    CMoxAboutDlg* about = window->AboutDialog();
    ASSERT_TRUE(about);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("关于 Morvix 远程监控端"));
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("version"))->text(),
              QStringLiteral("Morvix 远程监控端，版本：3.5.0"));
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("serverVersion"))->text(),
              QStringLiteral("已连接服务端版本：3.5.0"));
    auto* link = about->findChild<QLabel*>(QStringLiteral("link"));
    ASSERT_TRUE(link);
    emit link->linkActivated(QStringLiteral("https://morvix.example/"));
    ASSERT_EQ(user.OpenedUrls().size(), 1);
    EXPECT_EQ(user.OpenedUrls()[0].toString(), QStringLiteral("https://morvix.example/"));
    about->close();

    CMoxAboutDlg oem(QStringLiteral("3.5.0"), true);
    EXPECT_EQ(oem.findChild<QLabel*>(QStringLiteral("link")), nullptr);
    EXPECT_EQ(oem.findChild<QLabel*>(QStringLiteral("notice")), nullptr);
}
