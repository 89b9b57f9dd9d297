#include "features/monitor/CRealtimeStatEventParam.h"
#include "features/monitor/RealtimeEvents.h"
#include "features/monitor/RealtimeRequests.h"
#include "integration/CannedAdminServer.h"
#include "integration/LoggedRequest.h"
#include "integration/OneShotFault.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

using morvix::test::CannedAdminServer;
using morvix::test::ConsoleSession;
using morvix::test::LastLoggedBody;
using morvix::test::OneShotFault;
using morvix::test::SimProcess;

namespace {

class RealtimeRequests : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};
};

TEST_F(RealtimeRequests, CountersFillTheInstanceAndTheEventsRecord)
{
    ASSERT_TRUE(MonitorManager_RealtimeList());
    auto event = console.Events().Next(eMoxCacheEvent_RealtimeInfoRead);
    ASSERT_TRUE(event);
    EXPECT_EQ(event->Status(), 0);
    const auto* carried = event->As<CRealtimeInfoEventParam>();
    ASSERT_TRUE(carried);
    EXPECT_EQ(LastLoggedBody(sim, "realtime", "list"), "SessionID=" + console.SessionId() + "&RequestID=N");

    const RealtimeInfo info = console.Instance().Realtime();
    EXPECT_EQ(carried->item.TotalSendKB, info.TotalSendKB);
    EXPECT_EQ(carried->item.CurrentTickCount, info.CurrentTickCount);
    EXPECT_GT(info.TotalSendKB, 0);
    EXPECT_GT(info.TotalRecvFromResponseKB, 0);
    EXPECT_GT(info.CurrentTickCount, 0);
    EXPECT_GT(info.TotalPhyMemSizeKB, 0);
    EXPECT_EQ(info.StartTime.size(), 19u);
}

TEST_F(RealtimeRequests, RefusalAndFailureLeaveTheFiguresAndNameTheServer)
{
    ASSERT_TRUE(MonitorManager_RealtimeList());
    ASSERT_TRUE(console.Events().Next(eMoxCacheEvent_RealtimeInfoRead));
    const RealtimeInfo before = console.Instance().Realtime();

    sim.addFault(OneShotFault("busy", "realtime", "list"));
    ASSERT_TRUE(MonitorManager_RealtimeList());
    auto refused = console.Events().Next(eMoxCacheEvent_RealtimeInfoRead);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->Status(), 1);
    ASSERT_TRUE(refused->As<CRealtimeInfoEventParam>());
    EXPECT_EQ(refused->As<CRealtimeInfoEventParam>()->errorNo, 10);
    EXPECT_TRUE(console.Events().WaitForStatusText("获取实时监控信息失败，服务器忙(错误号:10)。"));

    sim.addFault(OneShotFault("close", "realtime", "list"));
    ASSERT_TRUE(MonitorManager_RealtimeList());
    auto failed = console.Events().Next(eMoxCacheEvent_RealtimeInfoRead);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->Status(), 2);
    EXPECT_TRUE(console.Events().WaitForStatusText("连接" + sim.host() +
                                                   "失败，请检查网络连接是否正常或者会话已过期"));
    EXPECT_EQ(console.Instance().Realtime().TotalSendKB, before.TotalSendKB);

    sim.addFault(OneShotFault("not-json", "realtime", "list"));
    ASSERT_TRUE(MonitorManager_RealtimeList());
    auto malformed = console.Events().Next(eMoxCacheEvent_RealtimeInfoRead);
    ASSERT_TRUE(malformed);
    EXPECT_EQ(malformed->Status(), 3);
}

TEST_F(RealtimeRequests, ReportRowsComeFromTheReportText)
{
    ASSERT_TRUE(MonitorManager_RealtimeTotalStat());
    auto event = console.Events().Next(eMoxCacheEvent_RealtimeStat);
    ASSERT_TRUE(event);
    ASSERT_EQ(event->Status(), 0);
    const auto* report = event->As<CRealtimeStatEventParam>();
    ASSERT_NE(report, nullptr);
    EXPECT_FALSE(report->ReportText.empty());
    EXPECT_EQ(report->StartTime.size(), 19u);
    EXPECT_EQ(report->HitCachesRate.back(), '%');
    ASSERT_FALSE(report->rows.empty());
    for (const RealtimeStatRow& row : report->rows) {
        EXPECT_FALSE(row.Name.empty());
        EXPECT_GE(row.DistinctAddresses, 1);
        EXPECT_EQ(row.TrafficShare.back(), '%');
    }

    sim.addFault(OneShotFault("busy", "realtime", "totalstat"));
    ASSERT_TRUE(MonitorManager_RealtimeTotalStat());
    auto refused = console.Events().Next(eMoxCacheEvent_RealtimeStat);
    ASSERT_TRUE(refused && refused->Status() == 1);
    EXPECT_EQ(refused->As<CRealtimeStatEventParam>()->errorNo, 10);
}

TEST(RealtimeReplies, MissingCountersKeepTheirValuesButTheClockIsZero)
{
    CannedAdminServer server;
    ConsoleSession console(server.Host());
    RealtimeInfo known;
    known.NumOfCaches = 42;
    known.CurrentTickCount = 5000;
    console.Instance().SetRealtime(known);

    server.Answer(R"({"RequestID":"1","Return":"True","TotalSendKB":"1280"})");
    ASSERT_TRUE(MonitorManager_RealtimeList());
    auto event = console.Events().Next(eMoxCacheEvent_RealtimeInfoRead);
    ASSERT_TRUE(event && event->Status() == 0);
    const RealtimeInfo info = console.Instance().Realtime();
    EXPECT_EQ(info.TotalSendKB, 1280);
    EXPECT_EQ(info.NumOfCaches, 42);
    EXPECT_EQ(info.CurrentTickCount, 0);
}

TEST(RealtimeReplies, ReportWithoutItsTextIsMalformed)
{
    CannedAdminServer server;
    ConsoleSession console(server.Host());
    server.Answer(R"({"RequestID":"1","Return":"True","StartTime":"2024-05-01 00:00:00"})");
    ASSERT_TRUE(MonitorManager_RealtimeTotalStat());
    auto event = console.Events().Next(eMoxCacheEvent_RealtimeStat);
    ASSERT_TRUE(event);
    EXPECT_EQ(event->Status(), 3);
    EXPECT_EQ(event->record, nullptr);
    EXPECT_TRUE(console.Events().WaitForStatusText("数据格式错误，返回的Json数据格式解析错误!"));
}

}  // namespace
