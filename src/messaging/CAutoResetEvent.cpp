#include "messaging/CAutoResetEvent.h"

#include <chrono>

void CAutoResetEvent::Set()
{
    {
        std::lock_guard guard(lock_);
        // Already set: the waiter has been (or is about to be) woken, another wake-up is wasted.
        if (isSet_)
            return;
        isSet_ = true;
    }
    signalled_.notify_one();
}

CAutoResetEvent::WaitResult CAutoResetEvent::Wait(std::uint32_t milliseconds)
{
    std::unique_lock guard(lock_);
    const auto isSet = [this] { return isSet_; };
    if (milliseconds == kInfinite)
        signalled_.wait(guard, isSet);
    else if (!signalled_.wait_for(guard, std::chrono::milliseconds(milliseconds), isSet))
        return WaitResult::TimedOut;
    isSet_ = false;
    return WaitResult::Signalled;
}
