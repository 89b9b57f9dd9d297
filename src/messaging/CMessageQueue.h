#pragma once

#include "messaging/CAutoResetEvent.h"
#include "messaging/ThreadMsgItem.h"

#include <cstdint>
#include <deque>
#include <mutex>

// First-in, first-out queue that wakes its one consumer after every post. Any thread may post;
// only the consumer pops. Once quit, it hands out nothing more.
class CMessageQueue {
public:
    using WaitResult = CAutoResetEvent::WaitResult;
    static constexpr std::uint32_t kWaitForever = CAutoResetEvent::kInfinite;

    CMessageQueue() = default;
    CMessageQueue(const CMessageQueue&) = delete;
    CMessageQueue& operator=(const CMessageQueue&) = delete;

    void PostMsg(const ThreadMsgItem* item);
    bool PopMsg(ThreadMsgItem* out);
    void Quit();
    bool IsQuit() const;
    WaitResult Wait(std::uint32_t milliseconds);

protected:
    // Everything still queued, for the consumer to dispose of once it has quit.
    std::deque<ThreadMsgItem> TakeRemaining();

private:
    mutable std::recursive_mutex lock_;
    std::deque<ThreadMsgItem> messages_;
    bool quit_ = false;
    CAutoResetEvent wakeEvent_;
};
