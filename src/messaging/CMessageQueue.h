#pragma once

#include "messaging/CAutoResetEvent.h"
#include "messaging/ThreadMsgItem.h"

#include <atomic>
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
    // Everything queued, oldest first, in one step: the consumer pays for the lock once per burst
    // rather than once per message. False, handing out nothing, once quit or when empty.
    bool PopAll(std::deque<ThreadMsgItem>& out);
    void Quit();
    bool IsQuit() const;
    WaitResult Wait(std::uint32_t milliseconds);

protected:
    // Everything still queued, for the consumer to dispose of once it has quit.
    std::deque<ThreadMsgItem> TakeRemaining();

private:
    std::mutex lock_;
    std::deque<ThreadMsgItem> messages_;
    // Read between deliveries without the lock; set under it, so a pop never follows a quit.
    std::atomic<bool> quit_{false};
    CAutoResetEvent wakeEvent_;
};
