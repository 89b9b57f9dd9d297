#include "LoopbackServer.h"
#include "RecordingListener.h"
#include "TransportTest.h"

#include "transport/CMoxHttpTask.h"

#include <array>
#include <atomic>
#include <cstdlib>

using morvix::test::LoopbackServer;
using morvix::test::RecordingListener;
using morvix::test::WaitUntil;
using nsMoxHttp::CMoxHttpManager;
using nsMoxHttp::IMoxHttpTask;

namespace {

// Counts every call that arrives once the test has declared it removed. It lives on the heap and
// is freed right after the cancellation, as a view frees its listener: a late call is a use after free.
class WatchedListener : public nsMoxHttp::IMoxHttpCallback {
public:
    WatchedListener(const std::atomic<bool>& removed, std::atomic<int>& lateCalls)
        : removed_(removed), lateCalls_(lateCalls) {}
    void OnData(const char*, std::size_t, std::size_t) override { Note(); }
    void OnHeader(const char*, std::size_t, std::size_t) override { Note(); }
    void OnProgress(double, double) override { Note(); }
    void OnComplete(bool) override { Note(); }

private:
    void Note()
    {
        if (removed_)
            ++lateCalls_;
    }
    const std::atomic<bool>& removed_;
    std::atomic<int>& lateCalls_;
};

class CancellationTest : public morvix::test::TransportTest {
protected:
    IMoxHttpTask* StartStalled(nsMoxHttp::IMoxHttpCallback* listener)
    {
        IMoxHttpTask* task = manager_.CreateTask();
        task->SetCallback(listener);
        task->SetKeepBody(true);
        task->SetUrl(server_.Url("/stall"));
        task->StartRequest();
        return task;
    }
    bool ServerHolds(std::size_t stalled)
    {
        return WaitUntil([&] { return server_.Stalled() == stalled; });
    }
    static bool ExchangesEnded()
    {
        return WaitUntil([] { return CMoxHttpManager::Instance().RunningExchanges() == 0; });
    }

    CMoxHttpManager& manager_ = CMoxHttpManager::Instance();
    LoopbackServer server_{[this](httplib::Server& routes) {
        routes.Get("/stall", [this](const httplib::Request&, httplib::Response& reply) {
            server_.StallUntilReleased();
            reply.set_content("late", "text/plain");
        });
        routes.Get("/large", [](const httplib::Request&, httplib::Response& reply) {
            reply.set_content(std::string(2 * 1024 * 1024, 'r'), "application/octet-stream");
        });
        routes.Get("/hello", [](const httplib::Request&, httplib::Response& reply) {
            reply.set_content("hello", "text/plain");
        });
    }};
};

TEST_F(CancellationTest, StopWithAbortEndsAStalledExchangeUnheard)
{
    RecordingListener listener;
    IMoxHttpTask* task = listener.Start(server_.Url("/stall"));
    ASSERT_TRUE(ServerHolds(1));

    task->StopRequest(true);
    const int callsAtStop = listener.Calls();
    ASSERT_TRUE(ExchangesEnded());

    EXPECT_EQ(listener.Calls(), callsAtStop);
    EXPECT_EQ(listener.Completions(), 0);
    // Nobody heard the end, so the task is still listed until someone removes it.
    EXPECT_TRUE(manager_.HasTask(task));
    manager_.RemoveTask(task, false);
}

TEST_F(CancellationTest, StopWithoutAbortLetsTheExchangeFinishUnheard)
{
    RecordingListener listener;
    IMoxHttpTask* task = listener.Start(server_.Url("/stall"));
    ASSERT_TRUE(ServerHolds(1));

    task->StopRequest(false);
    const int callsAtStop = listener.Calls();
    server_.ReleaseStalls();
    ASSERT_TRUE(ExchangesEnded());

    EXPECT_EQ(listener.Calls(), callsAtStop);
    EXPECT_EQ(listener.Completions(), 0);
    manager_.RemoveTask(task, false);
}

TEST_F(CancellationTest, RemoveWithAbortLeavesNothingForTheFreedListener)
{
    std::atomic<bool> removed{false};
    std::atomic<int> lateCalls{0};
    auto* listener = new WatchedListener(removed, lateCalls);
    IMoxHttpTask* task = StartStalled(listener);
    ASSERT_TRUE(ServerHolds(1));

    manager_.RemoveTask(task, true);
    removed = true;
    delete listener;

    ASSERT_TRUE(ExchangesEnded());
    EXPECT_EQ(lateCalls, 0);
}

TEST_F(CancellationTest, ViewCancellationUnderTheLockLeavesNothingForTheFreedListener)
{
    std::atomic<bool> removed{false};
    std::atomic<int> lateCalls{0};
    auto* listener = new WatchedListener(removed, lateCalls);
    IMoxHttpTask* task = StartStalled(listener);
    ASSERT_TRUE(ServerHolds(1));

    manager_.Lock();
    ASSERT_TRUE(manager_.HasTask(task));
    task->SetCallback(nullptr);
    manager_.RemoveTask(task, true);
    manager_.Unlock();
    removed = true;
    delete listener;

    ASSERT_TRUE(ExchangesEnded());
    EXPECT_EQ(lateCalls, 0);
}

TEST_F(CancellationTest, RemoveAllTasksAbortsEveryExchange)
{
    std::array<RecordingListener, 3> listeners;
    for (auto& listener : listeners)
        listener.Start(server_.Url("/stall"));
    ASSERT_TRUE(ServerHolds(listeners.size()));

    manager_.RemoveAllTasks();
    ASSERT_TRUE(ExchangesEnded());

    for (auto& listener : listeners) {
        EXPECT_EQ(listener.Completions(), 0);
        EXPECT_FALSE(manager_.HasTask(listener.Task()));
    }
}

// A canceller that holds the lock must not wait there for a listener that needs the lock to
// return; the wait happens when it lets go, and is over when Unlock returns.
TEST_F(CancellationTest, CancellerHoldingTheLockWaitsForARunningListenerOnlyAfterUnlock)
{
    struct LockNeedingListener : nsMoxHttp::IMoxHttpCallback {
        IMoxHttpTask* task = nullptr;
        std::atomic<bool> inside{false};
        std::atomic<bool> cancellerHoldsLock{false};
        std::atomic<bool> returned{false};
        void OnProgress(double, double) override
        {
            if (inside.exchange(true))
                return;
            WaitUntil([this] { return cancellerHoldsLock.load(); });
            CMoxHttpManager::Instance().HasTask(task);
            returned = true;
        }
        void OnComplete(bool) override {}
    };
    auto* listener = new LockNeedingListener;
    listener->task = StartStalled(listener);
    ASSERT_TRUE(WaitUntil([&] { return listener->inside.load(); }));

    manager_.Lock();
    listener->cancellerHoldsLock = true;
    manager_.RemoveTask(listener->task, true);
    manager_.Unlock();

    EXPECT_TRUE(listener->returned);
    delete listener;
    ASSERT_TRUE(ExchangesEnded());
}

// Once the end is being reported the listener owns the outcome: a canceller finds no task,
// and so does not free a listener that is about to free itself.
TEST_F(CancellationTest, TaskLeavesTheListWhenItsEndIsReported)
{
    struct SlowListener : nsMoxHttp::IMoxHttpCallback {
        IMoxHttpTask* task = nullptr;
        std::atomic<bool> reporting{false};
        std::atomic<bool> mayFinish{false};
        std::atomic<bool> finished{false};
        void OnComplete(bool) override
        {
            reporting = true;
            WaitUntil([this] { return mayFinish.load(); });
            EXPECT_NE(task->GetReply(), nullptr);
            CMoxHttpManager::Instance().RemoveTask(task, false);
            finished = true;
        }
    } listener;
    listener.task = manager_.CreateTask();
    listener.task->SetCallback(&listener);
    listener.task->SetKeepBody(true);
    listener.task->SetUrl(server_.Url("/hello"));
    listener.task->StartRequest();
    ASSERT_TRUE(WaitUntil([&] { return listener.reporting.load(); }));

    manager_.Lock();
    EXPECT_FALSE(manager_.HasTask(listener.task));
    manager_.Unlock();
    listener.mayFinish = true;

    ASSERT_TRUE(ExchangesEnded());
    EXPECT_TRUE(listener.finished);
}

TEST_F(CancellationTest, ListenerMayRemoveItsOwnTaskWithAbortFromACallback)
{
    struct QuittingListener : nsMoxHttp::IMoxHttpCallback {
        IMoxHttpTask* task = nullptr;
        std::atomic<bool> removed{false};
        std::atomic<int> lateCalls{0};
        void OnHeader(const char*, std::size_t, std::size_t) override { Quit(); }
        void OnData(const char*, std::size_t, std::size_t) override { Quit(); }
        void OnProgress(double, double) override { Late(); }
        void OnComplete(bool) override { Late(); }
        void Quit()
        {
            Late();
            if (!removed.exchange(true))
                CMoxHttpManager::Instance().RemoveTask(task, true);
        }
        void Late()
        {
            if (removed)
                ++lateCalls;
        }
    } listener;
    listener.task = manager_.CreateTask();
    listener.task->SetCallback(&listener);
    listener.task->SetUrl(server_.Url("/large"));
    listener.task->StartRequest();

    ASSERT_TRUE(WaitUntil([&] { return listener.removed.load(); }));
    ASSERT_TRUE(ExchangesEnded());
    EXPECT_EQ(listener.lateCalls, 0);
}

TEST_F(CancellationTest, RemovingATaskThatIsNotListedDoesNothing)
{
    IMoxHttpTask* stranger = new nsMoxHttp::CMoxHttpTask;
    manager_.RemoveTask(stranger, true);
    manager_.RemoveTask(nullptr, false);

    EXPECT_FALSE(manager_.HasTask(stranger));
    EXPECT_EQ(stranger->AddRef(), 2);
    EXPECT_EQ(stranger->Release(), 1);
    EXPECT_EQ(stranger->Release(), 0);
}

// The manager goes at exit: it must stop what is still running before libcurl is cleaned up,
// both a listed exchange and one whose task was already removed without abort.
TEST_F(CancellationTest, ExitWithExchangesInFlightIsClean)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // Kept for the life of the process, as the exchanges still call them while the
            // manager stops them at exit, after every static made later is gone.
            auto* unlisted = new RecordingListener;
            auto* listed = new RecordingListener;
            unlisted->Start(server_.Url("/stall"));
            if (!ServerHolds(1))
                return;
            manager_.RemoveTask(unlisted->Task(), false);
            listed->Start(server_.Url("/stall"));
            if (ServerHolds(2))
                std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
