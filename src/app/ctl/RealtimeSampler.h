#pragma once

#include "features/monitor/CalcRealtimeHits.h"
#include "features/monitor/RealtimeInfo.h"
#include "features/monitor/RealtimeKbps.h"

// The figures the traffic monitor derives from one counters record and those before it.
struct RealtimeFigures {
    double bandwidthIn = 0;   // m/s
    double bandwidthExt = 0;  // m/s
    double hitCurrent = 0;    // percent
    double saving = 0;        // percent
    RealtimeInfo info;
};

// Successive counters records of one server turned into figures, as the traffic monitor does:
// both rates timed by the server's clock, the hit rate over the configured window.
class RealtimeSampler {
public:
    RealtimeSampler();
    RealtimeFigures Sample(const RealtimeInfo& info);

private:
    RealtimeKbps internal_;
    RealtimeKbps external_;
    CalcRealtimeHits hits_;
};
