#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CMoxToolbar.h"
#include "controls/CNavigatTree.h"
#include "features/config/view/CClusterDlg.h"
#include "features/config/view/CClusterOptionDlg.h"
#include "features/config/view/CDiskCacheDlg.h"
#include "features/config/view/CDiskDirUnitWnd.h"
#include "features/config/view/CToolsAllCacheListDlg.h"
#include "features/config/view/CToolsDlg.h"
#include "gui/ConsoleFixture.h"
#include "gui/ViewTestSupport.h"
#include "shell/MainNavigation.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

using ConfigViewsReach = ConsoleFixture;

}  // namespace

TEST_F(ConfigViewsReach, TheSwitchesOfferTheClusterToolsAndCachedUrlViews)
{
    WriteOptions("Gui", {{"show_cluster", "1"}, {"show_tools", "1"}, {"show_cache_list", "1"},
                         {"show_dns_redirect", "1"}});
    OpenWindow();
    LogIn();
    CNavigatTree* navigation = window->Navigation();
    EXPECT_GE(navigation->FindItem(QStringLiteral("集群配置")), 0);
    EXPECT_GE(navigation->FindItem(QStringLiteral("缓存列表")), 0);
    bool toolsButton = false;
    for (int index = 0; index < window->Toolbar()->GetItemCount(); ++index)
        toolsButton = toolsButton || window->Toolbar()->GetItem(index)->commandId == eCmd_Tools;
    EXPECT_TRUE(toolsButton);

    window->ShowView(eView_Cluster);
    auto* cluster = dynamic_cast<CClusterDlg*>(window->CurrentView());
    ASSERT_NE(cluster, nullptr);
    ASSERT_TRUE(ProcessUntil([&] { return cluster->Form()->PortField()->text() == QStringLiteral("7780"); }));

    window->ShowView(eView_DiskCache);
    auto* disk = dynamic_cast<CDiskCacheDlg*>(window->CurrentView());
    ASSERT_NE(disk, nullptr);
    ASSERT_TRUE(ProcessUntil([&] { return disk->Row(1)->PathField()->text() == QStringLiteral("/morvix-cache-1"); }));

    // The cached-URL list hears its reply through the main window.
    window->ShowView(eView_CachedUrls);
    auto* urls = dynamic_cast<CToolsAllCacheListDlg*>(window->CurrentView());
    ASSERT_NE(urls, nullptr);
    urls->Fetch();
    ASSERT_TRUE(ProcessUntil([&] { return !urls->IsBusy() && urls->RowCount() > 0; }));

    window->ShowView(eView_SystemToo);
    EXPECT_EQ(window->CurrentView(), window->View(eView_System));
    window->ShowView(303);
    EXPECT_EQ(window->CurrentView(), window->View(eView_System)) << "an id without a view changes nothing";

    window->RunCommand(eCmd_Tools);
    CToolsDlg* tools = window->ToolsWindow();
    ASSERT_NE(tools, nullptr);
    EXPECT_FALSE(tools->isModal());
    tools->hide();
    window->RunCommand(eCmd_Tools);
    EXPECT_EQ(window->ToolsWindow(), tools);
    EXPECT_TRUE(tools->isVisible());

    window->RunCommand(eCmd_Help);
    EXPECT_EQ(user.OpenedUrls().size(), 1);
}

TEST_F(ConfigViewsReach, WithoutAnOptionsFileNoneOfTheNewItemsAppears)
{
    OpenWindow();
    EXPECT_LT(window->Navigation()->FindItem(QStringLiteral("集群配置")), 0);
    EXPECT_LT(window->Navigation()->FindItem(QStringLiteral("缓存列表")), 0);
    EXPECT_EQ(window->Toolbar()->GetItemCount(), 4);
    window->RunCommand(eCmd_Tools);
    EXPECT_NE(window->ToolsWindow(), nullptr) << "the command works without its button";
}
