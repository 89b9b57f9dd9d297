// The configuration views: disk-cache areas, the cluster page, the DNS page with its four tabs and
// windows, the tools window and the cached-URL list.
#include "Shooter.h"

#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CConfirmedCheckBox.h"
#include "controls/CMoxTabCtrl.h"
#include "controls/CRuleListView.h"
#include "features/config/view/CClusterDlg.h"
#include "features/config/view/CClusterOptionDlg.h"
#include "features/config/view/CDiskCacheDlg.h"
#include "features/config/view/CDiskDirUnitWnd.h"
#include "features/config/view/CDiskNoteDlg.h"
#include "features/config/view/CDnsBalanceDlg.h"
#include "features/config/view/CDnsBalanceHostDlg.h"
#include "features/config/view/CDnsCacheDlg.h"
#include "features/config/view/CDnsParamDlg.h"
#include "features/config/view/CDnsRedirectDlg.h"
#include "features/config/view/CDnsRedirectEntryDlg.h"
#include "features/config/view/CDnsRedirectModel.h"
#include "features/config/view/CDnsSettingDlg.h"
#include "features/config/view/CDnsVideoDlg.h"
#include "features/config/view/CToolsAllCacheListDlg.h"
#include "features/config/view/CToolsDlg.h"
#include "shell/MainNavigation.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

template <class View>
View* Shown(CMoxCacheAdminDlg* window, int viewId)
{
    window->ShowView(viewId);
    return qobject_cast<View*>(window->View(viewId));
}

void TakeDiskAndClusterScreens(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    auto* disk = Shown<CDiskCacheDlg>(window, eView_DiskCache);
    shooter.Require(disk && WaitFor([&] { return !disk->Row(1)->PathField()->text().isEmpty(); }),
                    QStringLiteral("no disk-cache areas shown"));
    if (disk) {
        shooter.Save(window, "disk-cache.png");
        disk->Row(2)->EditNote();
        shooter.Save(disk->Row(2)->NoteEditor(), "disk-cache-note.png");
        disk->Row(2)->NoteEditor()->reject();
    }

    auto* cluster = Shown<CClusterDlg>(window, eView_Cluster);
    shooter.Require(cluster && WaitFor([&] { return cluster->Form()->SlaveList()->topLevelItemCount() > 0; }),
                    QStringLiteral("no cluster slaves shown"));
    shooter.Save(window, "cluster-master.png");
    if (cluster) {
        cluster->Form()->RoleField()->setCurrentIndex(2);
        emit cluster->Form()->RoleField()->activated(2);
        cluster->Form()->MasterAddressField()->setText(QStringLiteral("192.168.1.10:7780"));
        shooter.Save(window, "cluster-slave.png");
    }
}

void TakeDnsScreens(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    auto* dns = Shown<CDnsSettingDlg>(window, eView_DnsRedirect);
    shooter.Require(dns && WaitFor([&] { return !dns->Parameters()->UpstreamField(0)->text().isEmpty(); }),
                    QStringLiteral("no DNS settings shown"));
    if (!dns)
        return;
    shooter.Save(window, "dns-parameters.png");
    dns->Parameters()->OpenCacheWindow();
    CDnsCacheDlg* cache = dns->Parameters()->CacheWindow();
    WaitFor([&] { return !cache->Content()->toPlainText().isEmpty(); });
    shooter.Save(cache, "dns-cache.png");
    cache->close();

    dns->Tabs()->setCurrentIndex(CDnsSettingDlg::eRedirect);
    CDnsRedirectDlg* redirect = dns->Redirect();
    shooter.Require(WaitFor([&] { return redirect->Model()->rowCount() > 0; }), QStringLiteral("no redirect list"));
    redirect->List()->SelectOnly(5);
    shooter.Save(window, "dns-redirect.png");
    redirect->OpenEditor(true);
    if (redirect->Editor()) {
        shooter.Save(redirect->Editor(), "dns-redirect-editor.png");
        redirect->Editor()->reject();
    }

    dns->Tabs()->setCurrentIndex(CDnsSettingDlg::eVideo);
    WaitFor([&] { return dns->Video()->ClassBox(0)->isVisible(); });
    shooter.Save(window, "dns-video.png");

    dns->Tabs()->setCurrentIndex(CDnsSettingDlg::eBalance);
    CDnsBalanceDlg* balance = dns->Balance();
    WaitFor([&] { return balance->HostList()->topLevelItemCount() > 0; });
    shooter.Save(window, "dns-balance.png");
    balance->HostList()->setCurrentItem(balance->HostList()->topLevelItem(1));
    balance->OpenEditor(true);
    if (balance->Editor()) {
        shooter.Save(balance->Editor(), "dns-balance-host.png");
        balance->Editor()->reject();
    }
}

void TakeToolsScreens(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    window->RunCommand(eCmd_Tools);
    CToolsDlg* tools = window->ToolsWindow();
    shooter.Require(tools != nullptr, QStringLiteral("no tools window"));
    if (tools) {
        const std::pair<CToolsTestCacheDlg::Mode, const char*> questions[] = {
            {CToolsTestCacheDlg::Mode::TestCache, "http://www.example.com/news/index.html"},
            {CToolsTestCacheDlg::Mode::TestRegex, "^/news/.*\\.html$"},
            {CToolsTestCacheDlg::Mode::IpLookup, "61.135.169.121"},
        };
        const char* files[] = {"tools-test-cache.png", "tools-test-regex.png", "tools-ip-lookup.png"};
        for (int tab = 0; tab < 3; ++tab) {
            tools->Tabs()->setCurrentIndex(tab);
            CToolsTestCacheDlg* form = tools->Form(questions[tab].first);
            form->InputField()->setText(QString::fromUtf8(questions[tab].second));
            form->Send();
            WaitFor([&] { return !form->ResultBox()->toPlainText().isEmpty(); });
            shooter.Save(tools, files[tab]);
        }
        tools->close();
    }

    auto* urls = Shown<CToolsAllCacheListDlg>(window, eView_CachedUrls);
    shooter.Require(urls != nullptr, QStringLiteral("no cached-URL page"));
    if (!urls)
        return;
    urls->Fetch();
    WaitFor([&] { return !urls->IsBusy() && urls->RowCount() > 0; });
    shooter.Save(window, "cached-urls.png");
    urls->List()->SelectOnly(0);
    urls->ShowSelectedUrls();
    shooter.Save(urls->UrlWindow(), "cached-url-window.png");
    urls->UrlWindow()->close();
}

void TakeConfigScreens(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    TakeDiskAndClusterScreens(shooter, window);
    TakeDnsScreens(shooter, window);
    TakeToolsScreens(shooter, window);
}

const bool registered = RegisterScene(85, &TakeConfigScreens);

}  // namespace
