#include "EventManagerFixture.h"
#include "TestGate.h"

#include "messaging/EventKinds.h"

#include <atomic>
#include <map>
#include <memory>
#include <thread>
#include <vector>

namespace {

using morvix::test::EventLog;
using morvix::test::RecordingHandler;
using morvix::test::TestGate;
using morvix::test::WaitUntil;
using Registration = RecordingHandler::Registration;

class EventDispatch : public morvix::test::EventManagerFixture {};

TEST_F(EventDispatch, RunsStartHandlerThenHandlersInRegistrationOrderThenEndHandler)
{
    EventLog log;
    RecordingHandler first("start", log, Registration::Unregistered);
    RecordingHandler last("end", log, Registration::Unregistered);
    CZebEventManager* manager = CZebEventManager::Instance();
    manager->SetStartHandler(&first);
    manager->SetEndHandler(&last);
    RecordingHandler a("A", log);
    RecordingHandler b("B", log);

    ASSERT_TRUE(Post(eMoxCacheEvent_ConnectClosed, 0, 0));
    ASSERT_TRUE(Post(eMoxCacheEvent_ConnectClosed, 0, 0));

    ASSERT_TRUE(WaitUntil([&] { return log.Size() == 8; }));
    EXPECT_EQ(log.Handlers(),
              (std::vector<std::string>{"start", "A", "B", "end", "start", "A", "B", "end"}));
    manager->SetStartHandler(start_.get());
    manager->SetEndHandler(end_.get());
}

TEST_F(EventDispatch, HandlerRegisteredTwiceSeesEachEventOnce)
{
    EventLog log;
    RecordingHandler a("A", log);
    CZebEventManager::Instance()->Register(&a);

    ASSERT_TRUE(Post(eMoxCacheEvent_ConnectClosed, 0, 0));
    FinishEarlierDispatches(log, "A");

    EXPECT_EQ(log.KindsSeenBy("A"), (std::vector<int>{eMoxCacheEvent_ConnectClosed, kFenceKind}));
}

TEST_F(EventDispatch, HandlerThatUnregistersItselfMissesLaterEventsOnly)
{
    EventLog log;
    RecordingHandler a("A", log);
    RecordingHandler b("B", log);
    a.onEvent = [&](int kind, std::uintptr_t, std::uintptr_t) {
        if (kind == eMoxCacheEvent_LoginStart)
            CZebEventManager::Instance()->Unregister(&a);
    };

    ASSERT_TRUE(Post(eMoxCacheEvent_LoginStart, 0, 0));
    ASSERT_TRUE(Post(eMoxCacheEvent_ConnectFailed, 0, 0));
    FinishEarlierDispatches(log, "B");
    EXPECT_EQ(log.KindsSeenBy("A"), std::vector<int>{eMoxCacheEvent_LoginStart});
    EXPECT_EQ(log.KindsSeenBy("B"),
              (std::vector<int>{eMoxCacheEvent_LoginStart, eMoxCacheEvent_ConnectFailed, kFenceKind}));

    CZebEventManager::Instance()->Register(&a);
    FinishEarlierDispatches(log, "A");
    EXPECT_EQ(log.KindsSeenBy("A"), (std::vector<int>{eMoxCacheEvent_LoginStart, kFenceKind}));
}

TEST_F(EventDispatch, HandlerUnregisteredByAnEarlierOneIsSkippedForTheRestOfTheDispatch)
{
    EventLog log;
    RecordingHandler a("A", log);
    RecordingHandler b("B", log);
    a.onEvent = [&](int, std::uintptr_t, std::uintptr_t) { CZebEventManager::Instance()->Unregister(&b); };

    ASSERT_TRUE(Post(eMoxCacheEvent_LoginStart, 0, 0));
    FinishEarlierDispatches(log, "A");

    EXPECT_EQ(log.KindsSeenBy("B"), std::vector<int>{});
}

TEST_F(EventDispatch, HandlersRegisteredDuringADispatchJoinFromTheNextEvent)
{
    EventLog log;
    RecordingHandler a("A", log);
    RecordingHandler b("B", log);
    RecordingHandler c("C", log, Registration::Unregistered);
    a.onEvent = [&](int kind, std::uintptr_t, std::uintptr_t) {
        if (kind != eMoxCacheEvent_LoginStart)
            return;
        CZebEventManager* manager = CZebEventManager::Instance();
        manager->Unregister(&a);
        manager->Register(&a);
        manager->Register(&c);
    };

    ASSERT_TRUE(Post(eMoxCacheEvent_LoginStart, 0, 0));
    FinishEarlierDispatches(log, "B");

    const std::vector<int> both{eMoxCacheEvent_LoginStart, kFenceKind};
    EXPECT_EQ(log.KindsSeenBy("A"), both);
    EXPECT_EQ(log.KindsSeenBy("B"), both);
    EXPECT_EQ(log.KindsSeenBy("C"), std::vector<int>{kFenceKind});
}

TEST_F(EventDispatch, UnregisterFromAnotherThreadReturnsOnlyOnceTheRunningDispatchIsOver)
{
    EventLog log;
    TestGate gate;
    std::atomic<bool> running{false};
    std::atomic<bool> unregisterReturned{false};
    auto handler = std::make_unique<RecordingHandler>("A", log);
    handler->onEvent = [&](int, std::uintptr_t, std::uintptr_t) {
        running = true;
        gate.WaitOpen();
        EXPECT_FALSE(unregisterReturned.load());
    };
    ASSERT_TRUE(Post(eMoxCacheEvent_ConnectClosed, 0, 0));
    ASSERT_TRUE(WaitUntil([&] { return running.load(); }));

    std::atomic<bool> unregisterCalled{false};
    std::thread view([&] {
        unregisterCalled = true;
        handler.reset();  // unregisters, then frees the handler
        unregisterReturned = true;
    });
    ASSERT_TRUE(WaitUntil([&] { return unregisterCalled.load(); }));
    gate.Open();
    view.join();

    EXPECT_EQ(log.Size(), 1u);
}

TEST_F(EventDispatch, EventsFromTwoPostingThreadsArriveOneAtATimeInEachThreadsOrder)
{
    constexpr int kPerThread = 500;
    EventLog log;
    std::atomic<int> inside{0};
    std::atomic<int> overlaps{0};
    std::map<std::uintptr_t, std::vector<std::uintptr_t>> sequences;  // event thread only
    auto checkAlone = [&](int, std::uintptr_t poster, std::uintptr_t sequence) {
        if (inside.fetch_add(1) != 0)
            overlaps.fetch_add(1);
        inside.fetch_sub(1);
    };
    RecordingHandler a("A", log);
    RecordingHandler b("B", log);
    a.onEvent = [&](int kind, std::uintptr_t poster, std::uintptr_t sequence) {
        checkAlone(kind, poster, sequence);
        sequences[poster].push_back(sequence);
    };
    b.onEvent = checkAlone;

    auto postAll = [](std::uintptr_t poster) {
        for (std::uintptr_t sequence = 0; sequence < kPerThread; ++sequence)
            Post(eMoxCacheEvent_ConnectClosed, poster, sequence);
    };
    std::thread first(postAll, 1);
    std::thread second(postAll, 2);
    first.join();
    second.join();

    ASSERT_TRUE(WaitUntil([&] { return log.Size() == 2 * 2 * kPerThread; }));
    EXPECT_EQ(overlaps.load(), 0);
    std::vector<std::uintptr_t> expected(kPerThread);
    for (std::uintptr_t sequence = 0; sequence < kPerThread; ++sequence)
        expected[sequence] = sequence;
    EXPECT_EQ(sequences[1], expected);
    EXPECT_EQ(sequences[2], expected);
}

}  // namespace
