#include "messaging/CMoxEventParam.h"
#include "messaging/CThreadRegistry.h"

#include "RecordingTarget.h"
#include "TestGate.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace {

using morvix::test::RecordingTarget;
using morvix::test::TestGate;
using morvix::test::WaitUntil;

class WorkerThread : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CThreadRegistry::Create());
        liveRecordsAtStart_ = CMoxEventParam::LiveCount();
    }

    // Every thread must have finished with the target before the fixture frees it.
    void TearDown() override
    {
        CThreadRegistry::Destroy();
        for (std::uint32_t id : started_)
            EXPECT_TRUE(WaitUntil([&] { return target_.HasExited(id); })) << "thread " << id;
        EXPECT_TRUE(WaitUntil([&] { return CMoxEventParam::LiveCount() == liveRecordsAtStart_; }));
    }

    std::uint32_t StartThread()
    {
        const std::uint32_t id = CThreadRegistry::StartThread(&target_);
        if (id != 0)
            started_.push_back(id);
        return id;
    }

    bool Post(std::uint32_t id, int kind, std::uintptr_t param1 = 0)
    {
        return CThreadRegistry::PostToThread(id, &target_, kind, param1, 0);
    }

    RecordingTarget target_;
    std::vector<std::uint32_t> started_;
    std::int64_t liveRecordsAtStart_ = 0;
};

TEST_F(WorkerThread, DeliversTenPostsInPostingOrderOnTheWorker)
{
    const std::uint32_t id = StartThread();
    ASSERT_NE(id, 0u);
    for (int kind = 1; kind <= 10; ++kind)
        ASSERT_TRUE(Post(id, kind));

    ASSERT_TRUE(WaitUntil([&] { return target_.DeliveredCount() == 10; }));
    EXPECT_EQ(target_.DeliveredKinds(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    const auto threads = target_.DeliveryThreads();
    for (const auto& thread : threads) {
        EXPECT_EQ(thread, threads.front());
        EXPECT_NE(thread, std::this_thread::get_id());
    }
}

TEST_F(WorkerThread, SkipsMessageWithoutTargetAndKeepsDelivering)
{
    const std::uint32_t id = StartThread();
    ASSERT_TRUE(Post(id, 1));
    ASSERT_TRUE(CThreadRegistry::PostToThread(id, nullptr, 2, 0, 0));
    ASSERT_TRUE(Post(id, 3));

    ASSERT_TRUE(WaitUntil([&] { return target_.DeliveredCount() == 2; }));
    EXPECT_EQ(target_.DeliveredKinds(), (std::vector<int>{1, 3}));
}

TEST_F(WorkerThread, DropsPostsToIdZeroAndToIdsNeverStarted)
{
    const std::uint32_t id = StartThread();
    EXPECT_FALSE(Post(0, 1));
    EXPECT_FALSE(Post(id + 100000, 2));

    ASSERT_TRUE(Post(id, 3));
    ASSERT_TRUE(WaitUntil([&] { return target_.DeliveredCount() == 1; }));
    EXPECT_EQ(target_.DeliveredKinds(), std::vector<int>{3});
}

TEST_F(WorkerThread, StoppedThreadTakesNoMorePostsAndWritesItsExitLineOnce)
{
    const std::uint32_t id = StartThread();
    ASSERT_TRUE(Post(id, 1));
    ASSERT_TRUE(WaitUntil([&] { return target_.DeliveredCount() == 1; }));

    ::testing::internal::CaptureStdout();
    CThreadRegistry::StopThread(id);
    EXPECT_FALSE(Post(id, 2));
    CThreadRegistry::StopThread(id);
    const bool exited = WaitUntil([&] { return target_.HasExited(id); });
    const std::string output = ::testing::internal::GetCapturedStdout();

    ASSERT_TRUE(exited);
    const std::string line = "thread exit. hThread = [" + std::to_string(id) + "].\n";
    const auto first = output.find(line);
    ASSERT_NE(first, std::string::npos) << output;
    EXPECT_EQ(output.find(line, first + 1), std::string::npos) << output;
    EXPECT_EQ(target_.DeliveredKinds(), std::vector<int>{1});
}

TEST_F(WorkerThread, MessagesQueuedAtQuitAreHandedBackUndelivered)
{
    TestGate gate;
    std::atomic<bool> busy{false};
    target_.onMessage = [&](const ThreadMsgItem&) {
        busy = true;
        gate.WaitOpen();
    };
    const std::uint32_t id = StartThread();
    ASSERT_TRUE(Post(id, 1));
    ASSERT_TRUE(WaitUntil([&] { return busy.load(); }));
    ASSERT_TRUE(Post(id, 2, (new CMoxEventParam)->AsParam()));
    ASSERT_TRUE(Post(id, 3, (new CMoxEventParam)->AsParam()));

    CThreadRegistry::StopThread(id);
    gate.Open();

    ASSERT_TRUE(WaitUntil([&] { return target_.HasExited(id); }));
    EXPECT_EQ(target_.DeliveredKinds(), std::vector<int>{1});
    EXPECT_EQ(target_.DroppedKinds(), (std::vector<int>{2, 3}));
    // The queue owns nothing it carries: what the messages point to is the target's to release.
    for (const ThreadMsgItem& item : target_.Dropped())
        CMoxEventParam::FromParam(item.param1)->Release();
}

TEST_F(WorkerThread, MessagePostedDuringDeliveryArrivesAfterThoseAlreadyQueued)
{
    TestGate gate;
    std::atomic<bool> busy{false};
    std::uint32_t id = 0;
    target_.onMessage = [&](const ThreadMsgItem& item) {
        if (item.kind != 1)
            return;
        busy = true;
        gate.WaitOpen();
        CThreadRegistry::PostToThread(id, &target_, 99, 0, 0);
    };
    id = StartThread();
    ASSERT_TRUE(Post(id, 1));
    ASSERT_TRUE(WaitUntil([&] { return busy.load(); }));
    ASSERT_TRUE(Post(id, 2));
    ASSERT_TRUE(Post(id, 3));
    gate.Open();

    ASSERT_TRUE(WaitUntil([&] { return target_.DeliveredCount() == 4; }));
    EXPECT_EQ(target_.DeliveredKinds(), (std::vector<int>{1, 2, 3, 99}));
}

TEST_F(WorkerThread, DestroyingTheRegistryQuitsBusyAndIdleThreadsWithoutWaiting)
{
    TestGate gate;
    std::atomic<bool> busy{false};
    target_.onMessage = [&](const ThreadMsgItem&) {
        busy = true;
        gate.WaitOpen();
    };
    const std::uint32_t busyId = StartThread();
    const std::uint32_t idleId = StartThread();
    ASSERT_TRUE(Post(busyId, 1));
    ASSERT_TRUE(WaitUntil([&] { return busy.load(); }));

    CThreadRegistry::Destroy();

    EXPECT_TRUE(WaitUntil([&] { return target_.HasExited(idleId); }));
    EXPECT_FALSE(CThreadRegistry::Exists());
    EXPECT_FALSE(Post(busyId, 2));
    EXPECT_EQ(CThreadRegistry::StartThread(&target_), 0u);
    gate.Open();
    EXPECT_TRUE(WaitUntil([&] { return target_.HasExited(busyId); }));
}

TEST_F(WorkerThread, CreatingTheRegistryAgainKeepsItsThreads)
{
    const std::uint32_t id = StartThread();
    ASSERT_TRUE(CThreadRegistry::Create());

    ASSERT_TRUE(Post(id, 1));
    ASSERT_TRUE(WaitUntil([&] { return target_.DeliveredCount() == 1; }));
}

}  // namespace
