#include "EventManagerFixture.h"
#include "TestGate.h"
#include "TrackedRecord.h"

#include "messaging/EventKinds.h"

#include <atomic>
#include <thread>
#include <vector>

namespace {

using morvix::test::EventLog;
using morvix::test::RecordingHandler;
using morvix::test::TestGate;
using morvix::test::TrackedRecord;
using morvix::test::WaitUntil;

class EventRecords : public morvix::test::EventManagerFixture {
protected:
    std::uintptr_t NewRecord() { return (new TrackedRecord(destructions_))->AsParam(); }

    std::atomic<int> destructions_{0};
};

TEST_F(EventRecords, StatusBarRecordLivesThroughItsDispatchAndDiesRightAfter)
{
    EventLog log;
    RecordingHandler a("A", log);
    a.onEvent = [&](int, std::uintptr_t, std::uintptr_t) { EXPECT_EQ(destructions_.load(), 0); };

    ASSERT_TRUE(Post(eMoxCacheEvent_UpdateStatusBar, NewRecord(), 0));

    EXPECT_TRUE(WaitUntil([&] { return destructions_.load() == 1; }));
    EXPECT_EQ(log.Size(), 1u);
}

TEST_F(EventRecords, HandlerHoldingItsOwnReferenceKeepsTheRecordUntilItReleasesIt)
{
    EventLog log;
    RecordingHandler keeper("keeper", log);
    CMoxEventParam* kept = nullptr;  // written on the event thread, read after the fence
    keeper.onEvent = [&](int kind, std::uintptr_t param1, std::uintptr_t) {
        if (kind == eMoxCacheEvent_UpdateStatusBar) {
            kept = CMoxEventParam::FromParam(param1);
            kept->AddRef();
        }
    };

    ASSERT_TRUE(Post(eMoxCacheEvent_UpdateStatusBar, NewRecord(), 0));
    FinishEarlierDispatches(log, "keeper");

    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(destructions_.load(), 0);
    kept->Release();
    EXPECT_EQ(destructions_.load(), 1);
}

TEST_F(EventRecords, EventsWithoutRecordPassEveryHandlerAndReleaseNothing)
{
    EventLog log;
    RecordingHandler a("A", log);
    RecordingHandler b("B", log);
    const std::int64_t live = CMoxEventParam::LiveCount();

    // A failed exchange carries no record; kinds without a record carry plain numbers in param2.
    ASSERT_TRUE(Post(eMoxCacheEvent_FCacheAdd, eMoxEventStatus_NetworkError, 0));
    ASSERT_TRUE(Post(eMoxCacheEvent_SystemOptionsSet, eMoxEventStatus_Ok, 3));
    ASSERT_TRUE(Post(eMoxCacheEvent_CleanAllCache, eMoxEventStatus_ServerError, 17));
    FinishEarlierDispatches(log, "B");

    const std::vector<int> kinds{eMoxCacheEvent_FCacheAdd, eMoxCacheEvent_SystemOptionsSet,
                                 eMoxCacheEvent_CleanAllCache, kFenceKind};
    EXPECT_EQ(log.KindsSeenBy("A"), kinds);
    EXPECT_EQ(log.KindsSeenBy("B"), kinds);
    const auto events = log.Events();
    EXPECT_EQ(events[0].param1, static_cast<std::uintptr_t>(eMoxEventStatus_NetworkError));
    EXPECT_EQ(events[0].param2, 0u);
    EXPECT_EQ(CMoxEventParam::LiveCount(), live);
}

TEST_F(EventRecords, RecordsOfHostUpstreamBalanceAndDnsCacheListsAreReleasedOnce)
{
    for (int kind : {eMoxCacheEvent_ProxyHostList, eMoxCacheEvent_UpstreamList,
                     eMoxCacheEvent_DnsBalanceList, eMoxCacheEvent_DnsCacheList})
        ASSERT_TRUE(Post(kind, eMoxEventStatus_Ok, NewRecord()));

    EXPECT_TRUE(WaitUntil([&] { return destructions_.load() == 4; }));
}

TEST_F(EventRecords, EventsStillQueuedWhenTheThreadsQuitAreEndedOnce)
{
    EventLog log;
    TestGate gate;
    std::atomic<bool> busy{false};
    RecordingHandler a("A", log);
    a.onEvent = [&](int kind, std::uintptr_t, std::uintptr_t) {
        if (kind == kFenceKind) {
            busy = true;
            gate.WaitOpen();
        }
    };
    ASSERT_TRUE(Post(kFenceKind, 0, 0));
    ASSERT_TRUE(WaitUntil([&] { return busy.load(); }));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(Post(eMoxCacheEvent_UpdateStatusBar, NewRecord(), 0));

    CThreadRegistry::Destroy();
    gate.Open();
    CZebEventManager::DestroyInstance();

    EXPECT_EQ(destructions_.load(), 3);
    EXPECT_EQ(log.KindsSeenBy("A"), std::vector<int>{kFenceKind});
}

TEST_F(EventRecords, DestroyingTheManagerWaitsForTheEventInHand)
{
    EventLog log;
    TestGate gate;
    std::atomic<bool> busy{false};
    std::atomic<bool> destroyed{false};
    RecordingHandler a("A", log);
    a.onEvent = [&](int, std::uintptr_t, std::uintptr_t) {
        busy = true;
        gate.WaitOpen();
        EXPECT_FALSE(destroyed.load());
    };
    ASSERT_TRUE(Post(eMoxCacheEvent_UpdateStatusBar, NewRecord(), 0));
    ASSERT_TRUE(WaitUntil([&] { return busy.load(); }));

    std::atomic<bool> destroying{false};
    std::thread exitRoutine([&] {
        destroying = true;
        CZebEventManager::DestroyInstance();
        destroyed = true;
    });
    ASSERT_TRUE(WaitUntil([&] { return destroying.load(); }));
    gate.Open();
    exitRoutine.join();

    EXPECT_EQ(destructions_.load(), 1);
    EXPECT_EQ(CZebEventManager::Existing(), nullptr);
}

TEST_F(EventRecords, EventToAStoppedManagerIsEndedAtOnce)
{
    CZebEventManager::Instance()->Stop();

    EXPECT_FALSE(Post(eMoxCacheEvent_UpdateStatusBar, NewRecord(), 0));
    EXPECT_EQ(destructions_.load(), 1);
    EXPECT_FALSE(CZebEventManager::Instance()->Start());
}

TEST_F(EventRecords, EventPostedWithoutThreadRegistryIsEndedAtOnce)
{
    CThreadRegistry::Destroy();

    EXPECT_FALSE(CZebEventManager::Instance()->Start());
    EXPECT_FALSE(Post(eMoxCacheEvent_UpdateStatusBar, NewRecord(), 0));
    EXPECT_EQ(destructions_.load(), 1);
}

}  // namespace
