#include "messaging/CMessageQueue.h"

#include <gtest/gtest.h>

namespace {

ThreadMsgItem Message(int kind)
{
    return ThreadMsgItem{nullptr, kind, 0, 0};
}

TEST(MessageQueue, HandsOutMessagesOldestFirstAndIgnoresNullArguments)
{
    CMessageQueue queue;
    for (int kind = 1; kind <= 3; ++kind) {
        const ThreadMsgItem item = Message(kind);
        queue.PostMsg(&item);
    }
    queue.PostMsg(nullptr);
    EXPECT_FALSE(queue.PopMsg(nullptr));

    ThreadMsgItem out;
    for (int kind = 1; kind <= 3; ++kind) {
        ASSERT_TRUE(queue.PopMsg(&out));
        EXPECT_EQ(out.kind, kind);
    }
    EXPECT_FALSE(queue.PopMsg(&out));
}

TEST(MessageQueue, HandsOutNothingOnceQuit)
{
    CMessageQueue queue;
    const ThreadMsgItem item = Message(1);
    queue.PostMsg(&item);
    EXPECT_FALSE(queue.IsQuit());

    queue.Quit();

    EXPECT_TRUE(queue.IsQuit());
    ThreadMsgItem out;
    EXPECT_FALSE(queue.PopMsg(&out));
    EXPECT_EQ(queue.Wait(0), CMessageQueue::WaitResult::Signalled);
}

TEST(MessageQueue, WakeSignalLetsOneWaitThroughPerBurstOfPosts)
{
    CMessageQueue queue;
    EXPECT_EQ(queue.Wait(0), CMessageQueue::WaitResult::TimedOut);

    const ThreadMsgItem item = Message(1);
    queue.PostMsg(&item);
    queue.PostMsg(&item);

    EXPECT_EQ(queue.Wait(CMessageQueue::kWaitForever), CMessageQueue::WaitResult::Signalled);
    EXPECT_EQ(queue.Wait(0), CMessageQueue::WaitResult::TimedOut);
}

}  // namespace
