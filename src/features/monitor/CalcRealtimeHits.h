#pragma once

#include "features/monitor/MonitorClock.h"

#include <cstdint>
#include <deque>

// The current hit rate: the share of traffic sent to clients that did not have to be fetched from
// the origin servers, over roughly the last window of minutes.
class CalcRealtimeHits {
public:
    static constexpr int kDefaultWindowMinutes = 10;

    explicit CalcRealtimeHits(int windowMinutes = kDefaultWindowMinutes, MonitorClock clock = MonitorTickNow);

    // sentKB: TotalSendKB, recvKB: TotalRecvKB, sentToOriginKB: TotalSendToResponseKB,
    // recvFromOriginKB: TotalRecvFromResponseKB.
    void Update(std::int64_t sentKB, std::int64_t recvKB, std::int64_t sentToOriginKB,
                std::int64_t recvFromOriginKB);
    double HitRate() const { return hitRate_; }  // percent
    void Reset(int windowMinutes);

private:
    struct Sample {
        std::uint64_t tick;
        std::int64_t sentKB;
        std::int64_t recvKB;
        std::int64_t sentToOriginKB;
        std::int64_t recvFromOriginKB;
    };

    static bool WentBack(const Sample& before, const Sample& now);

    MonitorClock clock_;
    std::deque<Sample> window_;
    int windowMinutes_;
    double hitRate_ = 0;
};
