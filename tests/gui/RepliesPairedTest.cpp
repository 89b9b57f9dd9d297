#include "features/access/view/CAddressListPage.h"
#include "features/access/view/CRewriteManagerDlg.h"
#include "features/config/view/CDnsRedirectDlg.h"
#include "features/monitor/HostMonitorEvents.h"
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

#include <QPushButton>

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

// A list view waiting for its own list, with what shows that it waits.
struct WaitingView {
    const char* type;
    const char* cmd;
    std::function<QWidget*()> make;
    std::function<void(QWidget*)> refresh;
    std::function<bool(QWidget*)> busy;
    std::function<QPushButton*(QWidget*)> refreshButton;
};

template <class View>
View* As(QWidget* widget)
{
    return static_cast<View*>(widget);
}

std::vector<WaitingView> WaitingViews()
{
    return {
        {"rewrite", "list", [] { return new CRewritePage(nullptr); },
         [](QWidget* w) { As<CRewritePage>(w)->RunCommand(CRuleListPage::eRefresh); },
         [](QWidget* w) { return As<CRewritePage>(w)->IsBusy(); },
         [](QWidget* w) { return As<CRewritePage>(w)->CommandButton(CRuleListPage::eRefresh); }},
        {"black", "list", [] { return new CAddressListPage(AddressList::Black, true, nullptr); },
         [](QWidget* w) { As<CAddressListPage>(w)->RunCommand(CAddressListPage::eRefresh); },
         [](QWidget* w) { return As<CAddressListPage>(w)->IsBusy(); },
         [](QWidget* w) { return As<CAddressListPage>(w)->CommandButton(CAddressListPage::eRefresh); }},
        {"dns", "redirect-list", [] { return new CDnsRedirectDlg(false); },
         [](QWidget* w) { As<CDnsRedirectDlg>(w)->Refresh(); },
         [](QWidget* w) { return As<CDnsRedirectDlg>(w)->IsBusy(); },
         [](QWidget* w) { return As<CDnsRedirectDlg>(w)->CommandButton(CDnsRedirectDlg::eRefresh); }},
        {"rth", "list", [] { return new CRTHListDlg; },
         [](QWidget* w) { As<CRTHListDlg>(w)->RunCommand(CRuleListPage::eRefresh); },
         [](QWidget* w) { return As<CRTHListDlg>(w)->IsBusy(); },
         [](QWidget* w) { return As<CRTHListDlg>(w)->CommandButton(CRuleListPage::eRefresh); }},
    };
}

}  // namespace

// The old session's list will never be answered while the test runs; only the new login can end
// the wait, and with it the commands come back.
TEST_F(RepliesPaired, ANewLoginEndsEveryViewsWaitForTheOldSessionsReplies)
{
    std::vector<std::unique_ptr<QWidget>> views;
    for (const WaitingView& shape : WaitingViews()) {
        sim.addFault(NeverAnswered(shape.type, shape.cmd));
        QWidget* widget = views.emplace_back(shape.make()).get();
        widget->show();
        shape.refresh(widget);
        const std::string query = std::string("type=") + shape.type + "&cmd=" + shape.cmd;
        ASSERT_TRUE(ProcessUntil([&] { return Logged(query) >= 1; })) << query;
        ASSERT_TRUE(shape.busy(widget)) << query;
        EXPECT_FALSE(shape.refreshButton(widget)->isEnabled()) << query;
    }

    ASSERT_TRUE(MoxLogin(sim.host(), eMoxRole_Admin, "admin"));
    ASSERT_TRUE(console.Events().Next(eMoxCacheEvent_LoginOk));
    const std::vector<WaitingView> shapes = WaitingViews();
    for (std::size_t i = 0; i < views.size(); ++i) {
        QWidget* widget = views[i].get();
        EXPECT_TRUE(ProcessUntil([&] { return !shapes[i].busy(widget); })) << shapes[i].type;
        EXPECT_TRUE(shapes[i].refreshButton(widget)->isEnabled()) << shapes[i].type;
    }

    // The held replies end as failures with the simulator; no view waits for them any more.
    sim.stop();
    views.clear();
}

// The origin list names no host. A reply to the first host's request, arriving once the window
// shows another host, is not that host's and adds nothing to its rows.
TEST_F(RepliesPaired, TheHostDetailWindowTakesOnlyItsOwnHostsOrigins)
{
    CHostMonitorDlg* monitor = Show(std::make_unique<CHostMonitorDlg>());
    HandedOverRelay relay(monitor, {eMoxCacheEvent_ProxyHostList, eMoxCacheEvent_UpstreamList});
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
