#include "features/access/AddressListRequests.h"
#include "features/access/RewriteRequests.h"
#include "features/access/view/CAddressListPage.h"
#include "features/access/view/CRewriteManagerDlg.h"
#include "features/config/ClusterRequests.h"
#include "features/config/DiskCacheRequests.h"
#include "features/config/DnsRequests.h"
#include "features/config/ToolsRequests.h"
#include "features/config/view/CClusterOptionDlg.h"
#include "features/config/view/CDiskCacheDlg.h"
#include "features/config/view/CDiskDirUnitWnd.h"
#include "features/config/view/CDnsBalanceDlg.h"
#include "features/config/view/CDnsCacheDlg.h"
#include "features/config/view/CDnsRedirectDlg.h"
#include "features/config/view/CDnsRedirectModel.h"
#include "features/config/view/CToolsAllCacheListDlg.h"
#include "features/config/view/CToolsTestCacheDlg.h"
#include "features/monitor/HostMonitorEvents.h"
#include "features/monitor/RthRequests.h"
#include "features/monitor/view/CHostDetailDlg.h"
#include "features/monitor/view/CHostMonitorDlg.h"
#include "features/monitor/view/CRTHListDlg.h"
#include "features/monitor/view/CRthListAddDlg.h"
#include "features/monitor/view/CRthRequestDlg.h"
#include "gui/HandedOverRelay.h"
#include "gui/SimViewFixture.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/MoxLogin.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>

#include <functional>
#include <set>

using namespace morvix::test;

namespace {

using RepliesPaired = SimViewFixture;

// A request of this type and cmd is answered only when the simulator stops.
Json::Value NeverAnswered(const char* type, const char* cmd)
{
    Json::Value fault;
    fault["kind"] = "delay";
    fault["type"] = type;
    fault["cmd"] = cmd;
    fault["ms"] = 600000;
    fault["count"] = 1;
    return fault;
}

QStringList Column(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

// A view waiting for a reply to its own request: how it asks, how the same request goes out from
// elsewhere, what shows that it waits and what it shows of a reply.
struct WaitingView {
    const char* type;
    const char* cmd;
    int completion;
    std::function<QWidget*()> make;
    std::function<void(QWidget*)> ask;
    std::function<bool()> askElsewhere;
    std::function<bool(QWidget*)> busy;
    std::function<QPushButton*(QWidget*)> command;  // held back while the view waits; null for none
    std::function<QString(QWidget*)> shown;
    std::set<int> handedOver = {};  // the kinds the main window hands the page
};

template <class View>
View* As(QWidget* widget)
{
    return static_cast<View*>(widget);
}

QString RowCount(const QAbstractItemModel* model)
{
    return QString::number(model->rowCount());
}

constexpr char kAddress[] = "10.0.0.1";

std::vector<WaitingView> WaitingViews()
{
    return {
        {"rewrite", "list", eMoxCacheEvent_RewriteList, [] { return new CRewritePage(nullptr); },
         [](QWidget* w) { As<CRewritePage>(w)->RunCommand(CRuleListPage::eRefresh); }, RewriteManager_List,
         [](QWidget* w) { return As<CRewritePage>(w)->IsBusy(); },
         [](QWidget* w) { return As<CRewritePage>(w)->CommandButton(CRuleListPage::eRefresh); },
         [](QWidget* w) { return RowCount(As<CRewritePage>(w)->List()->model()); }},
        {"black", "list", eMoxCacheEvent_BlackList, [] { return new CAddressListPage(AddressList::Black, true, nullptr); },
         [](QWidget* w) { As<CAddressListPage>(w)->RunCommand(CAddressListPage::eRefresh); }, AccessList_BlackList,
         [](QWidget* w) { return As<CAddressListPage>(w)->IsBusy(); },
         [](QWidget* w) { return As<CAddressListPage>(w)->CommandButton(CAddressListPage::eRefresh); },
         [](QWidget* w) { return RowCount(As<CAddressListPage>(w)->ListView()->model()); }},
        {"dns", "redirect-list", eMoxCacheEvent_DnsRedirectList, [] { return new CDnsRedirectDlg(false); },
         [](QWidget* w) { As<CDnsRedirectDlg>(w)->Refresh(); }, DnsManager_RedirectList,
         [](QWidget* w) { return As<CDnsRedirectDlg>(w)->IsBusy(); },
         [](QWidget* w) { return As<CDnsRedirectDlg>(w)->CommandButton(CDnsRedirectDlg::eRefresh); },
         [](QWidget* w) { return RowCount(As<CDnsRedirectDlg>(w)->Model()); }},
        {"rth", "list", eMoxCacheEvent_RthList, [] { return new CRTHListDlg; },
         [](QWidget* w) { As<CRTHListDlg>(w)->RunCommand(CRuleListPage::eRefresh); }, MonitorManager_RthList,
         [](QWidget* w) { return As<CRTHListDlg>(w)->IsBusy(); },
         [](QWidget* w) { return As<CRTHListDlg>(w)->CommandButton(CRuleListPage::eRefresh); },
         [](QWidget* w) { return RowCount(As<CRTHListDlg>(w)->List()->model()); }},
        {"cluster", "get", eMoxCacheEvent_ClusterConfigRead, [] { return new CClusterOptionDlg; },
         [](QWidget* w) { As<CClusterOptionDlg>(w)->Read(); }, ClusterManager_Get,
         [](QWidget* w) { return As<CClusterOptionDlg>(w)->IsBusy(); },
         [](QWidget* w) { return As<CClusterOptionDlg>(w)->ModifyButton(); },
         [](QWidget* w) { return As<CClusterOptionDlg>(w)->RoleField()->currentText(); }},
        {"dns", "redirectbalance-list", eMoxCacheEvent_DnsBalanceList, [] { return new CDnsBalanceDlg; },
         [](QWidget* w) { As<CDnsBalanceDlg>(w)->Refresh(); }, DnsManager_BalanceList,
         [](QWidget* w) { return As<CDnsBalanceDlg>(w)->IsBusy(); },
         [](QWidget* w) { return As<CDnsBalanceDlg>(w)->CommandButton(CDnsBalanceDlg::eRefresh); },
         [](QWidget* w) { return QString::number(As<CDnsBalanceDlg>(w)->HostList()->topLevelItemCount()); }},
        {"dns", "cache-list", eMoxCacheEvent_DnsCacheList, [] { return new CDnsCacheDlg; },
         [](QWidget* w) { As<CDnsCacheDlg>(w)->Refresh(); }, DnsManager_CacheList,
         [](QWidget* w) { return As<CDnsCacheDlg>(w)->IsBusy(); }, [](QWidget*) { return nullptr; },
         [](QWidget* w) { return As<CDnsCacheDlg>(w)->Content()->toPlainText(); }},
        {"tools", "iplook", eMoxCacheEvent_ToolsIpLookup,
         [] { return new CToolsTestCacheDlg(CToolsTestCacheDlg::Mode::IpLookup); },
         [](QWidget* w) {
             As<CToolsTestCacheDlg>(w)->InputField()->setText(kAddress);
             As<CToolsTestCacheDlg>(w)->Send();
         },
         [] { return ToolsManager_IpLook(kAddress); }, [](QWidget* w) { return As<CToolsTestCacheDlg>(w)->IsBusy(); },
         [](QWidget* w) { return As<CToolsTestCacheDlg>(w)->CommandButton(); },
         [](QWidget* w) { return As<CToolsTestCacheDlg>(w)->ResultBox()->toPlainText(); }},
        {"tools", "allcachelist", eMoxCacheEvent_ToolsCachedUrlList, [] { return new CToolsAllCacheListDlg; },
         [](QWidget* w) { As<CToolsAllCacheListDlg>(w)->Fetch(); }, ToolsManager_CachedUrlList,
         [](QWidget* w) { return As<CToolsAllCacheListDlg>(w)->IsBusy(); },
         [](QWidget* w) { return As<CToolsAllCacheListDlg>(w)->FetchButton(); },
         [](QWidget* w) { return QString::number(As<CToolsAllCacheListDlg>(w)->RowCount()); },
         {eMoxCacheEvent_ToolsCachedUrlList}},
        {"diskcache", "list", eMoxCacheEvent_DiskCacheRead, [] { return new CDiskCacheDlg; },
         [](QWidget* w) { As<CDiskCacheDlg>(w)->OnChosen(); }, DiskCacheManager_List,
         [](QWidget* w) { return As<CDiskCacheDlg>(w)->IsBusy(); }, [](QWidget*) { return nullptr; },
         [](QWidget* w) { return As<CDiskCacheDlg>(w)->Row(1)->PathField()->text(); },
         {eMoxCacheEvent_DiskCacheRead, eMoxCacheEvent_DiskCacheSet}},
    };
}

}  // namespace

// Each view waits for a reply the simulator holds until it stops. The same request sent from
// elsewhere is answered meanwhile: its reply is not the view's and changes nothing. Only the new
// login ends the wait, and with it the commands come back; the view's own reply then does change
// what it shows, so the stray one would have too.
TEST_F(RepliesPaired, EachViewTakesOnlyItsOwnReplyAndANewLoginEndsItsWait)
{
    const std::vector<WaitingView> shapes = WaitingViews();
    std::vector<std::unique_ptr<QWidget>> views;
    std::vector<std::unique_ptr<HandedOverRelay>> handOvers;
    std::vector<QString> before;
    for (const WaitingView& shape : shapes) {
        const std::string query = std::string("type=") + shape.type + "&cmd=" + shape.cmd;
        sim.addFault(NeverAnswered(shape.type, shape.cmd));
        QWidget* widget = views.emplace_back(shape.make()).get();
        if (!shape.handedOver.empty())
            handOvers.push_back(
                std::make_unique<HandedOverRelay>(static_cast<CMoxContentView*>(widget), shape.handedOver));
        // Not shown: a list that asks for its rows when shown would ask twice.
        shape.ask(widget);
        ASSERT_TRUE(ProcessUntil([&] { return Logged(query) >= 1; })) << query;
        ASSERT_TRUE(shape.busy(widget)) << query;
        if (QPushButton* command = shape.command(widget)) {
            EXPECT_FALSE(command->isEnabled()) << query;
        }

        before.push_back(shape.shown(widget));
        const std::size_t completions = console.Events().Count(shape.completion);
        ASSERT_TRUE(shape.askElsewhere()) << query;
        ASSERT_TRUE(ProcessUntil([&] { return console.Events().Count(shape.completion) > completions; })) << query;
        DrainHandOvers();
        EXPECT_EQ(shape.shown(widget), before.back()) << query << ": another request's reply";
        EXPECT_TRUE(shape.busy(widget)) << query << ": another request's reply";
    }

    ASSERT_TRUE(MoxLogin(sim.host(), eMoxRole_Admin, "admin"));
    ASSERT_TRUE(console.Events().Next(eMoxCacheEvent_LoginOk));
    for (std::size_t i = 0; i < views.size(); ++i) {
        QWidget* widget = views[i].get();
        EXPECT_TRUE(ProcessUntil([&] { return !shapes[i].busy(widget); })) << shapes[i].cmd;
        if (QPushButton* command = shapes[i].command(widget)) {
            EXPECT_TRUE(command->isEnabled()) << shapes[i].cmd;
        }
        shapes[i].ask(widget);
        EXPECT_TRUE(ProcessUntil([&] { return shapes[i].shown(widget) != before[i]; })) << shapes[i].cmd;
    }

    // The held replies end as failures with the simulator; no view waits for them any more.
    sim.stop();
    handOvers.clear();
    views.clear();
}

// The origin list names no host. A reply to the first host's request, arriving once the window
// shows another host, is not that host's and adds nothing to its rows.
TEST_F(RepliesPaired, TheHostDetailWindowTakesOnlyItsOwnHostsOrigins)
{
    // Handed its replies before it is shown: showing it sends the first poll.
    auto made = std::make_unique<CHostMonitorDlg>();
    HandedOverRelay relay(made.get(), {eMoxCacheEvent_ProxyHostList, eMoxCacheEvent_UpstreamList});
    CHostMonitorDlg* monitor = Show(std::move(made));
    ASSERT_TRUE(ProcessUntil([&] { return monitor->Model()->rowCount() >= 2; }));
    const QStringList hosts = Column(*monitor->Model(), 1);
    const int portal = static_cast<int>(hosts.indexOf(QStringLiteral("www.example.com")));
    const int images = static_cast<int>(hosts.indexOf(QStringLiteral("img.example.net")));
    ASSERT_GE(portal, 0);
    ASSERT_GE(images, 0);

    Json::Value slow;
    slow["kind"] = "delay";
    slow["type"] = "upstream";
    slow["cmd"] = "list";
    slow["ms"] = 1500;
    slow["count"] = 1;
    sim.addFault(slow);
    monitor->OpenDetail(portal);
    ASSERT_TRUE(ProcessUntil([&] { return Logged("type=upstream&cmd=list") == 1; }));
    monitor->OpenDetail(images);
    CHostDetailDlg* detail = monitor->DetailDialog();
    ASSERT_TRUE(detail);
    const QStringList imageOrigins{QStringLiteral("10.1.1.21:80"), QStringLiteral("10.1.1.22:80")};
    ASSERT_TRUE(ProcessUntil([&] { return Column(*detail->Model(), 0) == imageOrigins; }));

    const auto portalReplied = [&] {
        for (const EventRecorder::Event& event : console.Events().Events())
            if (const auto* origins = event.As<CMoxProxyUrlEventParam>())
                for (const UpstreamHost& origin : origins->items)
                    if (origin.Host == "10.1.0.11:80")
                        return true;
        return false;
    };
    ASSERT_TRUE(ProcessUntil(portalReplied)) << "the first host's reply never came";
    DrainHandOvers();
    EXPECT_EQ(Column(*detail->Model(), 0), imageOrigins);
}
