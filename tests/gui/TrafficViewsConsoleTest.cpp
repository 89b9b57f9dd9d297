#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CGraphWnd.h"
#include "controls/CMoxTabCtrl.h"
#include "controls/CRuleListView.h"
#include "features/monitor/RealtimeRequests.h"
#include "features/monitor/view/CFigureBox.h"
#include "features/monitor/view/CHostDetailDlg.h"
#include "features/monitor/view/CHostMonitorDlg.h"
#include "features/monitor/view/CRealtimeDlg.h"
#include "features/monitor/view/CRealtimeRunParamDlg.h"
#include "features/monitor/view/CRealtimeStatWnd.h"
#include "gui/ConsoleFixture.h"
#include "gui/ViewTestSupport.h"
#include "integration/OneShotFault.h"
#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "shell/MainNavigation.h"
#include "support/EventRecorder.h"
#include "transport/CMoxHttpManager.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using morvix::test::CallsOf;
using morvix::test::OneShotFault;
using morvix::test::PutKeyboardIn;

namespace {

constexpr int kHourMs = 3600000;

class TrafficViews : public ConsoleFixture {
protected:
    void SetUp() override
    {
        ConsoleFixture::SetUp();
        WriteOptions("Gui", {{"show_host_monitor", "1"}});
    }

    template <class View>
    View& Open(int viewId)
    {
        window->ShowView(viewId);
        return *dynamic_cast<View*>(window->View(viewId));
    }

    std::size_t Calls(const char* type, const char* cmd) { return CallsOf(*sim, type, cmd).size(); }

    static bool Quiet() { return nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges() == 0; }
};

TEST_F(TrafficViews, FiguresFollowTheCountersAndARefusedReplyChangesNothing)
{
    OpenWindow();
    window->SetRealtimePolling(20, 10000);
    LogIn();
    auto& view = Open<CRealtimeDlg>(eView_Realtime);
    CRealtimeRunParamDlg& figures = *view.Figures();
    CGraphWnd& connections = *figures.GraphOf(CRealtimeRunParamDlg::eGraph_Connections);
    // The simulator's counters move in steps, so some replies show an unchanged counter: 0.00.
    ASSERT_TRUE(ProcessUntil([&] {
        return connections.PointCount() >= 3 &&
               figures.Box(CRealtimeRunParamDlg::eFigure_BandwidthIn)->Value().toDouble() > 0;
    }));
    EXPECT_EQ(figures.Box(CRealtimeRunParamDlg::eFigure_CachedPages)->Value(), QStringLiteral("2000"));

    window->SetRealtimePolling(kHourMs, 10000);
    ASSERT_TRUE(ProcessUntil(Quiet));
    // Events are shown in posting order: once this text shows, every earlier reply has been shown.
    GlobalFunc_UpdateStatusBar("marker");
    ASSERT_TRUE(ProcessUntil([&] { return StatusText() == QStringLiteral("marker"); }));
    const int points = connections.PointCount();
    const QString connectionsShown = figures.Box(CRealtimeRunParamDlg::eFigure_ConnectionsIn)->Value();
    sim->addFault(OneShotFault("busy", "realtime", "list"));
    ASSERT_TRUE(MonitorManager_RealtimeList());
    ASSERT_TRUE(ProcessUntil([&] { return StatusText().startsWith(QStringLiteral("获取实时监控信息失败")); }));
    EXPECT_EQ(connections.PointCount(), points);
    EXPECT_EQ(figures.Box(CRealtimeRunParamDlg::eFigure_ConnectionsIn)->Value(), connectionsShown);

    // A new login starts the graphs afresh.
    window->OnPopLoginDlg();
    PressLogIn(QStringLiteral("admin"));
    EXPECT_TRUE(ProcessUntil([&] { return connections.PointCount() < points && Quiet(); }))
        << connections.PointCount() << " points of " << points << "; " << StatusText().toStdString();
}

// Two counters replies handed over before the window's thread runs are two samples, each of its
// own counters; read from the instance, both would show the newer reply and only one would count.
TEST_F(TrafficViews, RepliesShownTogetherAreEachTheirOwnSample)
{
    OpenWindow();
    LogIn();
    auto& view = Open<CRealtimeDlg>(eView_Realtime);
    CGraphWnd& connections = *view.Figures()->GraphOf(CRealtimeRunParamDlg::eGraph_Connections);
    window->SetRealtimePolling(kHourMs, 10000);
    ASSERT_TRUE(ProcessUntil(Quiet));
    GlobalFunc_UpdateStatusBar("before");
    ASSERT_TRUE(ProcessUntil([&] { return StatusText() == QStringLiteral("before"); }));
    const int points = connections.PointCount();

    morvix::test::EventRecorder replies;
    for (int reply = 0; reply < 2; ++reply) {
        ASSERT_TRUE(MonitorManager_RealtimeList());
        ASSERT_TRUE(replies.Next(eMoxCacheEvent_RealtimeInfoRead)) << "reply " << reply;
    }
    GlobalFunc_UpdateStatusBar("after");
    ASSERT_TRUE(ProcessUntil([&] { return StatusText() == QStringLiteral("after"); }));
    EXPECT_EQ(connections.PointCount(), points + 2);
}

TEST_F(TrafficViews, ReportTabRequestsAutoRefreshesAndSaves)
{
    OpenWindow();
    LogIn();
    // The report the login asks for is shown by the view, which is there from the window's start.
    ASSERT_TRUE(ProcessUntil([&] { return Calls("realtime", "totalstat") == 1 && Quiet(); }));
    auto& view = Open<CRealtimeDlg>(eView_Realtime);
    CRealtimeStatWnd& report = *view.Report();
    EXPECT_TRUE(ProcessUntil([&] { return report.SaveButton()->isEnabled(); }));
    const std::size_t before = Calls("realtime", "totalstat");
    view.Tabs()->setCurrentIndex(CRealtimeDlg::eTab_Report);
    ASSERT_TRUE(ProcessUntil([&] { return Calls("realtime", "totalstat") > before && report.Rows()->model()->rowCount() > 0; }));
    EXPECT_TRUE(report.SaveButton()->isEnabled());
    EXPECT_EQ(report.Rows()->model()->index(0, 0).data().toString(), QStringLiteral("1"));
    EXPECT_FALSE(report.StartTimeText().isEmpty());

    report.AutoRefreshButton()->click();
    EXPECT_EQ(report.AutoRefreshTimer()->interval(), 3000);
    EXPECT_FALSE(report.IntervalChoice()->isEnabled());
    EXPECT_EQ(report.AutoRefreshButton()->text(), QStringLiteral("停止自动刷新"));
    report.AutoRefreshTimer()->setInterval(30);
    const std::size_t running = Calls("realtime", "totalstat");
    ASSERT_TRUE(ProcessUntil([&] { return Calls("realtime", "totalstat") >= running + 3; }));
    report.AutoRefreshButton()->click();
    EXPECT_FALSE(report.AutoRefreshTimer()->isActive());
    EXPECT_TRUE(report.IntervalChoice()->isEnabled());
    EXPECT_EQ(report.AutoRefreshButton()->text(), QStringLiteral("启动自动刷新"));
    ASSERT_TRUE(PutKeyboardIn(report.Rows()));
    const std::size_t asked = Calls("realtime", "totalstat");
    QTest::keyClick(report.Rows(), Qt::Key_F5);
    ASSERT_TRUE(ProcessUntil([&] { return Calls("realtime", "totalstat") == asked + 1; })) << "F5 refreshes the report";

    const QString path = scratch.filePath(QStringLiteral("report.txt"));
    user.QueuePath(path);
    report.SaveButton()->click();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(saved.readAll());
    EXPECT_TRUE(text.contains(report.Rows()->model()->index(0, 1).data().toString())) << text.toStdString();
    EXPECT_EQ(user.Prompts().back().title, QStringLiteral("保存到"));
}

TEST_F(TrafficViews, HostMonitorPollsWhileShownAndTheDetailWindowWhileOpen)
{
    OpenWindow();
    LogIn();
    auto& hosts = Open<CHostMonitorDlg>(eView_HostMonitor);
    EXPECT_EQ(hosts.MonitorButton()->text(), QStringLiteral("停止监控"));
    ASSERT_TRUE(ProcessUntil([&] { return hosts.Model()->rowCount() == 4; }));
    hosts.PollTimer()->setInterval(30);
    ASSERT_TRUE(ProcessUntil([&] { return Calls("proxy", "list") >= 3; }));

    emit hosts.List()->doubleClicked(hosts.Model()->index(0, 1));
    ASSERT_TRUE(hosts.DetailDialog());
    CHostDetailDlg& detail = *hosts.DetailDialog();
    EXPECT_EQ(detail.HostField()->text().toStdString(), hosts.Model()->EntryAt(0).last.Host);
    ASSERT_TRUE(ProcessUntil([&] { return detail.Model()->rowCount() > 0; }));
    const auto origins = CallsOf(*sim, "upstream", "list");
    EXPECT_NE(origins.front().body.find("&ProxyID=" + detail.Host().ProxyID), std::string::npos);
    EXPECT_EQ(detail.PollTimer()->interval(), CHostDetailDlg::kPollMs);
    detail.PollTimer()->setInterval(30);
    ASSERT_TRUE(ProcessUntil([&] { return Calls("upstream", "list") >= 3; }));

    detail.close();
    ASSERT_TRUE(ProcessUntil([&] { return !hosts.DetailDialog() && Quiet(); }));
    const std::size_t afterClose = Calls("upstream", "list");
    const std::size_t hostPolls = Calls("proxy", "list");
    ASSERT_TRUE(ProcessUntil([&] { return Calls("proxy", "list") >= hostPolls + 3 && Quiet(); }));
    EXPECT_EQ(Calls("upstream", "list"), afterClose) << "a closed detail window still polls";

    // Leaving the view stops monitoring.
    window->ShowView(eView_Realtime);
    EXPECT_FALSE(hosts.IsMonitoring());
    EXPECT_EQ(hosts.MonitorButton()->text(), QStringLiteral("开始监控"));
}

}  // namespace
