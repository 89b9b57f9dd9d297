#include "features/config/SystemOptionsEvents.h"
#include "features/config/SystemRequests.h"
#include "features/monitor/RealtimeEvents.h"
#include "features/monitor/RealtimeRequests.h"
#include "integration/CannedAdminServer.h"
#include "messaging/EventKinds.h"
#include "protocol/SentRequestNumber.h"
#include "shell/CMoxCacheInstance.h"
#include "support/ConsoleSession.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Counters(int sentKB)
{
    return R"({"RequestID":"1","Return":"True","TotalSendKB":")" + std::to_string(sentKB) + R"("})";
}

}  // namespace

// Two polls in flight, answered out of order: the older counters arrive last and must not go
// back over the newer ones, or the figures read a server restart (rates and hit ratio start over).
TEST(RealtimeReplyOrder, AnOlderCountersReplyAfterANewerOneChangesNothing)
{
    morvix::test::CannedAdminServer server;
    morvix::test::ConsoleSession console(server.Host());
    server.Answer(Counters(100));
    server.HoldNext();
    const unsigned long older = nsMoxHttp::SentRequestNumber(MonitorManager_RealtimeList);
    ASSERT_NE(older, 0u);
    ASSERT_TRUE(server.WaitUntilHeld());
    server.Answer(Counters(200));
    const unsigned long newer = nsMoxHttp::SentRequestNumber(MonitorManager_RealtimeList);
    ASSERT_GT(newer, older);

    ASSERT_TRUE(console.Events().Next(eMoxCacheEvent_RealtimeInfoRead));
    EXPECT_EQ(console.Instance().Realtime().TotalSendKB, 200);
    server.LetGo();
    const auto late = console.Events().Next(eMoxCacheEvent_RealtimeInfoRead);
    ASSERT_TRUE(late);
    EXPECT_EQ(late->Status(), eMoxEventStatus_Ok) << "the late reply is still reported";
    const auto* carried = late->As<CRealtimeInfoEventParam>();
    ASSERT_TRUE(carried);
    EXPECT_EQ(carried->item.TotalSendKB, 100) << "the late reply carries its own counters";
    EXPECT_EQ(console.Instance().Realtime().TotalSendKB, 200);
}

// A list read before a change, answered after it: the change stays, the late reply is still
// reported with what it said, and whatever is shown from it is not taken for the newer state.
TEST(SystemOptionsReplyOrder, AListAnsweredAfterAnAcceptedChangeLeavesTheChange)
{
    morvix::test::CannedAdminServer server;
    morvix::test::ConsoleSession console(server.Host());
    server.Answer(R"({"RequestID":"1","Return":"True","MaxConnections":"100"})");
    server.HoldNext();
    ASSERT_NE(nsMoxHttp::SentRequestNumber(SystemManager_List), 0u);
    ASSERT_TRUE(server.WaitUntilHeld());
    server.Answer(R"({"RequestID":"1","Return":"True"})");
    ASSERT_TRUE(SystemManager_Modify(eSystemModify_FullSave, {{"MaxConnections", 300}}));

    const auto changed = console.Events().Next(eMoxCacheEvent_SystemOptionsSet);
    ASSERT_TRUE(changed && changed->Status() == eMoxEventStatus_Ok);
    EXPECT_EQ(console.Instance().Options().MaxConnections, 300);
    server.LetGo();
    const auto late = console.Events().Next(eMoxCacheEvent_SystemOptionsRead);
    ASSERT_TRUE(late && late->Status() == eMoxEventStatus_Ok);
    const auto* carried = late->As<CSystemOptionsEventParam>();
    ASSERT_TRUE(carried);
    EXPECT_EQ(carried->item.MaxConnections, 100);
    EXPECT_EQ(console.Instance().Options().MaxConnections, 300);
}
