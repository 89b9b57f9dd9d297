#pragma once

#include "features/monitor/CalcRealtimeHits.h"
#include "features/monitor/MonitorClock.h"
#include "features/monitor/RealtimeInfo.h"
#include "features/monitor/RealtimeKbps.h"

#include <cstdint>
#include <optional>

// The figures of the traffic monitor derived from one counters record.
struct RealtimeFigureSample {
    double saving = 0;        // percent of the traffic sent to clients not fetched from the origin
    double bandwidthExt = 0;  // m/s from the origin servers
    double hitCurrent = 0;    // percent, over the hit-rate window
    double bandwidthIn = 0;   // m/s to clients
    double kbpsExt = 0;       // the same rates in kbit/s, as the graphs plot them
    double kbpsIn = 0;
    std::int64_t largestSavingKB = 0;  // the largest (sent - fetched) seen since the last reset
};

// The counters at the start of the current day of monitoring.
struct RealtimeBaseline {
    std::int64_t TotalSendKB = 0;
    std::int64_t TotalRecvKB = 0;
    std::int64_t TotalSendToResponseKB = 0;
    std::int64_t TotalRecvFromResponseKB = 0;
    std::int64_t CurrentTickCount = 0;
    std::uint64_t localTick = 0;
};

// Turns successive counters records into the figures: both rates timed by the server's clock (by
// the local tick when the reply lacks it), the current hit rate and the daily baseline. One per
// figures pane or watch; reset on every new session.
class RealtimeFigureSampler {
public:
    static constexpr std::uint64_t kBaselineMs = 86400000;

    explicit RealtimeFigureSampler(int hitWindowMinutes, MonitorClock clock = MonitorTickNow);

    RealtimeFigureSample Sample(const RealtimeInfo& info);
    void Reset(int hitWindowMinutes);
    const std::optional<RealtimeBaseline>& Baseline() const { return baseline_; }

private:
    void KeepBaseline(const RealtimeInfo& info);

    MonitorClock clock_;
    RealtimeKbps internal_;
    RealtimeKbps external_;
    CalcRealtimeHits hits_;
    std::optional<RealtimeBaseline> baseline_;
    std::optional<std::int64_t> largestSaving_;
};
