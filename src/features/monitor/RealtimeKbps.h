#pragma once

#include "features/monitor/MonitorClock.h"

#include <cstdint>
#include <deque>

// The rate of one growing KB counter in kilobits per second, over the last few samples.
class RealtimeKbps {
public:
    static constexpr std::size_t kWindowSamples = 5;

    explicit RealtimeKbps(MonitorClock clock = MonitorTickNow);

    // time 0: sampled now, by the local tick.
    void Update(std::int64_t counter, std::int64_t time);
    long double Rate() const;
    void Reset();

private:
    struct Sample {
        std::int64_t counter;
        std::int64_t time;
    };

    MonitorClock clock_;
    std::deque<Sample> window_;
    std::int64_t lastCounterDelta_ = 0;
    std::int64_t lastTimeDelta_ = 0;
};
