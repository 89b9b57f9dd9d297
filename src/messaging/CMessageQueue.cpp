#include "messaging/CMessageQueue.h"

#include <utility>

// The wake event is set while the queue lock is held: the consumer frees the queue only after it
// has taken that lock and seen the quit flag, so a poster never signals a freed event.

void CMessageQueue::PostMsg(const ThreadMsgItem* item)
{
    if (!item)
        return;
    std::lock_guard guard(lock_);
    messages_.push_back(*item);
    // The consumer empties the queue before it waits again, so only the first message after an
    // empty queue needs to wake it.
    if (messages_.size() == 1)
        wakeEvent_.Set();
}

bool CMessageQueue::PopMsg(ThreadMsgItem* out)
{
    if (!out)
        return false;
    std::lock_guard guard(lock_);
    if (quit_ || messages_.empty())
        return false;
    *out = messages_.front();
    messages_.pop_front();
    return true;
}

bool CMessageQueue::PopAll(std::deque<ThreadMsgItem>& out)
{
    out.clear();
    std::lock_guard guard(lock_);
    if (quit_ || messages_.empty())
        return false;
    out.swap(messages_);
    return true;
}

void CMessageQueue::Quit()
{
    std::lock_guard guard(lock_);
    quit_ = true;
    wakeEvent_.Set();
}

bool CMessageQueue::IsQuit() const
{
    return quit_;
}

CMessageQueue::WaitResult CMessageQueue::Wait(std::uint32_t milliseconds)
{
    return wakeEvent_.Wait(milliseconds);
}

std::deque<ThreadMsgItem> CMessageQueue::TakeRemaining()
{
    std::lock_guard guard(lock_);
    return std::exchange(messages_, {});
}
