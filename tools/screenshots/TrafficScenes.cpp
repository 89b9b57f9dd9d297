// The traffic view's figures after a while of polling, its counter table and report, the host
// monitor and the detail window of one host.
#include "Shooter.h"

#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CGraphWnd.h"
#include "controls/CMoxTabCtrl.h"
#include "controls/CRuleListView.h"
#include "features/monitor/view/CHostDetailDlg.h"
#include "features/monitor/view/CHostMonitorDlg.h"
#include "features/monitor/view/CRealtimeDlg.h"
#include "features/monitor/view/CRealtimeRunParamDlg.h"
#include "features/monitor/view/CRealtimeStatWnd.h"
#include "shell/MainNavigation.h"

#include <QTableView>
#include <QTimer>

namespace {

// Enough samples for the graphs to show the simulator's traffic moving, polled faster than an
// operator's console would.
constexpr int kGraphSamples = 100;
constexpr int kFastPollMs = 100;

void TakeTrafficScreens(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    window->SetRealtimePolling(kFastPollMs, 10000);
    window->ShowView(eView_Realtime);
    auto* view = qobject_cast<CRealtimeDlg*>(window->View(eView_Realtime));
    shooter.Require(view != nullptr, QStringLiteral("no traffic view"));
    if (!view)
        return;
    CGraphWnd* graph = view->Figures()->GraphOf(CRealtimeRunParamDlg::eGraph_Bandwidths);
    shooter.Require(WaitFor([&] { return graph->PointCount() >= kGraphSamples; }),
                    QStringLiteral("the graphs did not fill"));
    window->SetRealtimePolling(CMoxCacheAdminDlg::kRealtimePeriodMs, 10000);
    shooter.Save(window, "traffic-figures.png");

    view->Tabs()->setCurrentIndex(CRealtimeDlg::eTab_Counters);
    shooter.Save(window, "traffic-counters.png");
    view->Tabs()->setCurrentIndex(CRealtimeDlg::eTab_Report);
    shooter.Require(WaitFor([&] { return view->Report()->Rows()->model()->rowCount() > 0; }),
                    QStringLiteral("no report rows"));
    shooter.Save(window, "traffic-report.png");
    view->Tabs()->setCurrentIndex(CRealtimeDlg::eTab_Figures);

    window->ShowView(eView_HostMonitor);
    auto* hosts = qobject_cast<CHostMonitorDlg*>(window->View(eView_HostMonitor));
    shooter.Require(hosts != nullptr, QStringLiteral("no host monitor"));
    if (!hosts)
        return;
    // A second sample gives every host its interval figures.
    hosts->PollTimer()->setInterval(500);
    shooter.Require(WaitFor([&] { return hosts->Model()->rowCount() > 0; }), QStringLiteral("no hosts"));
    const std::uint64_t firstTick = hosts->Model()->EntryAt(0).localTick;
    shooter.Require(WaitFor([&] { return hosts->Model()->EntryAt(0).localTick != firstTick; }),
                    QStringLiteral("no second host sample"));
    hosts->List()->SelectOnly(0);
    shooter.Save(window, "host-monitor.png");

    hosts->OpenDetail(0);
    CHostDetailDlg* detail = hosts->DetailDialog();
    shooter.Require(detail && WaitFor([&] { return detail->Model()->rowCount() > 0; }),
                    QStringLiteral("no origins in the detail window"));
    const std::uint64_t firstOriginTick = detail ? detail->Model()->EntryAt(0).localTick : 0;
    shooter.Require(detail && WaitFor([&] { return detail->Model()->EntryAt(0).localTick != firstOriginTick; }),
                    QStringLiteral("no second origin sample"));
    if (detail) {
        shooter.Save(detail, "host-detail.png");
        detail->close();
    }
    window->ShowView(eView_Realtime);
}

const bool registered = RegisterScene(40, &TakeTrafficScreens);

}  // namespace
