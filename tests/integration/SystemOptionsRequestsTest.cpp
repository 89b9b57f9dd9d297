#include "features/config/RecommendedMemory.h"
#include "features/config/SystemOptionsChangeSet.h"
#include "features/config/SystemOptionsEvents.h"
#include "features/config/SystemRequests.h"
#include "integration/LoggedRequest.h"
#include "integration/OneShotFault.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

using morvix::test::ConsoleSession;
using morvix::test::LastLoggedBody;
using morvix::test::OneShotFault;
using morvix::test::SimProcess;

namespace {

constexpr int kSimulatorPhysicalMB = 8 * 1024;

class SystemOptionsRequests : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};

    SystemOptions ReadOptions()
    {
        EXPECT_TRUE(SystemManager_List());
        auto event = console.Events().Next(eMoxCacheEvent_SystemOptionsRead);
        const auto* read = event ? event->As<CSystemOptionsEventParam>() : nullptr;
        EXPECT_TRUE(read && event->Status() == 0);
        EXPECT_TRUE(read && read->item == console.Instance().Options()) << "the newest read is the instance's copy";
        return console.Instance().Options();
    }

    // Sends the change and returns the status and the value the event handed back.
    std::pair<int, std::uintptr_t> Modify(SystemModifyKind kind, const SystemOptionChangeSet& changes)
    {
        EXPECT_TRUE(SystemManager_Modify(kind, changes));
        auto event = console.Events().Next(eMoxCacheEvent_SystemOptionsSet);
        EXPECT_TRUE(event);
        return event ? std::pair{event->Status(), event->param2} : std::pair{-1, std::uintptr_t(0)};
    }
};

}  // namespace

TEST_F(SystemOptionsRequests, ListFillsTheInstancesCopy)
{
    SystemOptions stale;
    stale.MaxClientRecvBuffer = 99;
    stale.DNSRedirectBalanceType = 3;
    console.Instance().SetOptions(stale);

    const SystemOptions options = ReadOptions();
    EXPECT_EQ(options.MaxClientRecvBuffer, 8);
    EXPECT_EQ(options.ClientRequestTimeOut, 16);
    EXPECT_EQ(options.IsUsedXForwardedFor, 1);
    EXPECT_EQ(options.DNSRedirectBalanceType, 1);
    EXPECT_EQ(options.ReadOnly_TotalPhyMemSizeKB, kSimulatorPhysicalMB * 1024LL);
    EXPECT_GT(options.ReadOnly_MoxUsedMemSizeKB, 0);
    EXPECT_TRUE(console.Events().WaitForStatusText("获取系统配置信息成功。"));
    EXPECT_EQ(LastLoggedBody(sim, "system", "list"), "SessionID=" + console.SessionId() + "&RequestID=N");

    EXPECT_EQ(RecommendedMemoryMB(PhysicalMemoryMB(options.ReadOnly_TotalPhyMemSizeKB), false),
              kSimulatorPhysicalMB - 2000);
}

TEST_F(SystemOptionsRequests, OnlyTheChangedOptionIsSentAndTheCopyFollows)
{
    const SystemOptions server = ReadOptions();
    EXPECT_FALSE(SystemManager_Modify(eSystemModify_FullSave, SystemViewChanges(server, server)));

    SystemOptions edited = server;
    edited.MaxClientRecvBuffer = 16;
    EXPECT_EQ(Modify(eSystemModify_FullSave, SystemViewChanges(edited, server)),
              (std::pair{0, std::uintptr_t(eSystemModify_FullSave)}));
    EXPECT_EQ(LastLoggedBody(sim, "system", "modify"),
              "SessionID=" + console.SessionId() + "&RequestID=N&MaxClientRecvBuffer=16");
    EXPECT_TRUE(console.Events().WaitForStatusText("设置系统配置信息成功。"));
    EXPECT_EQ(console.Instance().Options().MaxClientRecvBuffer, 16);

    // Nothing left to send against the updated copy, and the server agrees.
    EXPECT_TRUE(SystemViewChanges(edited, console.Instance().Options()).empty());
    EXPECT_EQ(ReadOptions().MaxClientRecvBuffer, 16);
}

TEST_F(SystemOptionsRequests, RenamedKeysReachTheServer)
{
    SystemOptions server = ReadOptions();
    SystemOptions edited = server;
    edited.ClientRequestTimeOut = 60;
    edited.IsUsedXForwardedFor = 0;
    edited.IsHitCacheForRefresh = 0;
    edited.MaxUsableMemSize = 1024;
    EXPECT_EQ(Modify(eSystemModify_FullSave, SystemViewChanges(edited, server)).first, 0);
    EXPECT_EQ(LastLoggedBody(sim, "system", "modify"),
              "SessionID=" + console.SessionId() +
                  "&RequestID=N&MaxUsableMemSize=1024&ClientRequstTimeOut=60&IsUsedXForwordedFor=0"
                  "&IsHitCacheWhenRefresh=0");

    server = ReadOptions();
    EXPECT_EQ(server.ClientRequestTimeOut, 60);
    EXPECT_EQ(server.IsUsedXForwardedFor, 0);
    EXPECT_EQ(server.IsHitCacheForRefresh, 0);

    edited = server;
    edited.MaxConnections = 8000;
    edited.MaxUpstreamConnections = 8000;
    EXPECT_EQ(Modify(eSystemModify_FullSave, DiskTuningChanges(edited, server)).first, 0);
    EXPECT_EQ(LastLoggedBody(sim, "system", "modify"),
              "SessionID=" + console.SessionId() + "&RequestID=N&MaxConnections=8000&MaxUpstreamConnections=8000");
}

TEST_F(SystemOptionsRequests, TheOperationKindComesBackWithEveryOutcome)
{
    ReadOptions();
    const SystemOptionChangeSet stopService{*SwitchChange(eSystemModify_RunningSwitch, 0)};
    EXPECT_EQ(Modify(eSystemModify_RunningSwitch, stopService), (std::pair{0, std::uintptr_t(4)}));
    EXPECT_EQ(console.Instance().Options().IsRunning, 0);

    // Refused: the server judges the value, the kind still rides along.
    EXPECT_EQ(Modify(eSystemModify_TrafficReport, {{"PVRCreatingThisTime", 24}}), (std::pair{1, std::uintptr_t(1)}));
    EXPECT_TRUE(console.Events().WaitForStatusText("设置系统配置信息失败，提交的字段格式错误(错误号:23)。"));
    EXPECT_EQ(console.Instance().LastErrorNo(), "23");
    EXPECT_EQ(console.Instance().Options().PVRCreatingThisTime, 2) << "a refused change is not kept";

    sim.addFault(OneShotFault("close", "system", "modify"));
    EXPECT_EQ(Modify(eSystemModify_MemCacheSwitch, {{"IsUsedMemCache", 0}}), (std::pair{2, std::uintptr_t(3)}));
    EXPECT_TRUE(console.Events().WaitForStatusText("连接" + sim.host() + "失败，请检查网络连接是否正常或者会话已过期"));

    sim.addFault(OneShotFault("not-json", "system", "modify"));
    EXPECT_EQ(Modify(eSystemModify_WhiteListSwitch, {{"EnableWhiteList", 1}}), (std::pair{3, std::uintptr_t(5)}));
    EXPECT_TRUE(console.Events().WaitForStatusText("数据格式错误，返回的Json数据格式解析错误!"));
}

// A session of its own: a second recorder would hold the first one's records past its end.
TEST(SystemOptionsKeeper, MayReadButNotChange)
{
    SimProcess sim;
    ConsoleSession keeper{sim.host(), "keeper", "keeper"};
    ASSERT_TRUE(SystemManager_List());
    auto read = keeper.Events().Next(eMoxCacheEvent_SystemOptionsRead);
    ASSERT_TRUE(read && read->Status() == 0);

    EXPECT_TRUE(SystemManager_Modify(eSystemModify_PageViewStatSwitch, {{"IsUsedPageViewStat", 0}}));
    auto refused = keeper.Events().Next(eMoxCacheEvent_SystemOptionsSet);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->Status(), 1);
    EXPECT_EQ(refused->param2, std::uintptr_t(eSystemModify_PageViewStatSwitch));
    EXPECT_TRUE(keeper.Events().WaitForStatusText("设置系统配置信息失败，监控员没有对系统修改的权限(错误号:22)。"));
}

TEST_F(SystemOptionsRequests, FailedListsLeaveTheCopyAlone)
{
    const SystemOptions before = ReadOptions();
    sim.addFault(OneShotFault("busy", "system", "list"));
    ASSERT_TRUE(SystemManager_List());
    auto busy = console.Events().Next(eMoxCacheEvent_SystemOptionsRead);
    ASSERT_TRUE(busy);
    EXPECT_EQ(busy->Status(), 1);
    ASSERT_TRUE(busy->As<CSystemOptionsEventParam>());
    EXPECT_EQ(busy->As<CSystemOptionsEventParam>()->errorNo, 10);
    EXPECT_TRUE(console.Events().WaitForStatusText("获取获取系统配置信息失败，服务器忙(错误号:10)。"));

    sim.addFault(OneShotFault("close", "system", "list"));
    ASSERT_TRUE(SystemManager_List());
    auto failed = console.Events().Next(eMoxCacheEvent_SystemOptionsRead);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->Status(), 2);
    EXPECT_EQ(console.Instance().Options().MaxConnections, before.MaxConnections);
}
