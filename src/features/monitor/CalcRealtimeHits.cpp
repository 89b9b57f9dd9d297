#include "features/monitor/CalcRealtimeHits.h"

#include <utility>

CalcRealtimeHits::CalcRealtimeHits(int windowMinutes, MonitorClock clock)
    : clock_(std::move(clock)), windowMinutes_(windowMinutes)
{
}

void CalcRealtimeHits::Reset(int windowMinutes)
{
    window_.clear();
    windowMinutes_ = windowMinutes;
    hitRate_ = 0;
}

bool CalcRealtimeHits::WentBack(const Sample& before, const Sample& now)
{
    return now.sentKB < before.sentKB || now.recvKB < before.recvKB || now.sentToOriginKB < before.sentToOriginKB ||
           now.recvFromOriginKB < before.recvFromOriginKB;
}

void CalcRealtimeHits::Update(std::int64_t sentKB, std::int64_t recvKB, std::int64_t sentToOriginKB,
                              std::int64_t recvFromOriginKB)
{
    const Sample sample{clock_(), sentKB, recvKB, sentToOriginKB, recvFromOriginKB};
    // After a server restart the old samples would give a negative origin difference and a rate
    // above 100 %; the window starts again from the first sample of the new run.
    if (!window_.empty() && WentBack(window_.back(), sample))
        Reset(windowMinutes_);
    window_.push_back(sample);
    if (window_.size() < 2)
        return;

    const Sample& oldest = window_.front();
    const std::int64_t sent = sentKB - oldest.sentKB;
    const std::int64_t fetched = recvFromOriginKB - oldest.recvFromOriginKB;
    if (sent <= 0 || sent - fetched <= 0)
        hitRate_ = 0;
    else
        hitRate_ = static_cast<double>(sent - fetched) * 100 / static_cast<double>(sent);

    const std::uint64_t span = static_cast<std::uint64_t>(windowMinutes_) * 60000;
    if (sample.tick - oldest.tick > span)
        window_.pop_front();
}
