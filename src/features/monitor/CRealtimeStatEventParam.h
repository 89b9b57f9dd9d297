#pragma once

#include "features/monitor/RealtimeStatRow.h"
#include "messaging/CMoxEventParam.h"

#include <string>
#include <vector>

// The traffic report: its period, the hit rate, the report text as received and its rows.
class CRealtimeStatEventParam : public CMoxEventParam {
public:
    std::string StartTime;
    std::string EndTime;
    std::string HitCachesRate;
    std::string ReportText;
    std::vector<RealtimeStatRow> rows;
    int errorNo = 0;
};
