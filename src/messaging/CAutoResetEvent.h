#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

// A wake-up signal that lets exactly one wait through per Set and then clears itself.
class CAutoResetEvent {
public:
    enum class WaitResult { Signalled, TimedOut };
    static constexpr std::uint32_t kInfinite = 0xFFFFFFFF;

    void Set();
    WaitResult Wait(std::uint32_t milliseconds);

private:
    std::mutex lock_;
    std::condition_variable signalled_;
    bool isSet_ = false;
};
