#pragma once

#include "features/monitor/MonitorClock.h"

#include <atomic>
#include <cstdint>

// When the main window asks for the next realtime counters: on a tick after the previous reply
// arrived, and regardless of that once the last request is older than the stale limit, so that a
// lost reply does not stop the polling for good.
class RealtimePolling {
public:
    static constexpr std::uint64_t kDefaultStaleMs = 10000;

    explicit RealtimePolling(std::uint64_t staleMs = kDefaultStaleMs, MonitorClock clock = MonitorTickNow);

    // From the event thread, when a reply arrived or a session began.
    void MarkDue() { due_ = true; }
    // On a tick: true when a request should go out now.
    bool IsDue();
    // The request went out: wait for its reply (or the stale limit).
    void MarkSent();

    void SetStaleMs(std::uint64_t staleMs) { staleMs_ = staleMs; }

private:
    MonitorClock clock_;
    std::uint64_t staleMs_;
    std::uint64_t lastSent_ = 0;
    std::atomic<bool> due_{false};
};
