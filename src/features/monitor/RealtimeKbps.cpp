#include "features/monitor/RealtimeKbps.h"

#include <utility>

RealtimeKbps::RealtimeKbps(MonitorClock clock) : clock_(std::move(clock)) {}

void RealtimeKbps::Reset()
{
    window_.clear();
    lastCounterDelta_ = 0;
    lastTimeDelta_ = 0;
}

void RealtimeKbps::Update(std::int64_t counter, std::int64_t time)
{
    if (time == 0)
        time = static_cast<std::int64_t>(clock_());
    if (!window_.empty()) {
        lastCounterDelta_ = counter - window_.back().counter;
        lastTimeDelta_ = time - window_.back().time;
    }
    // A counter or clock that went back means the server restarted: samples from before the
    // restart would make the span's difference negative for several polls, so start afresh.
    if (lastCounterDelta_ < 0 || lastTimeDelta_ < 0) {
        Reset();
    }
    window_.push_back({counter, time});
    if (window_.size() > kWindowSamples)
        window_.pop_front();
}

long double RealtimeKbps::Rate() const
{
    if (lastTimeDelta_ <= 0 || lastCounterDelta_ <= 0)
        return 0;
    const Sample& oldest = window_.front();
    const Sample& last = window_.back();
    const long double seconds = static_cast<long double>(last.time - oldest.time) / 1000;
    return static_cast<long double>(last.counter - oldest.counter) * 8 / seconds;
}
