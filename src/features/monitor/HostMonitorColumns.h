#pragma once

#include "features/monitor/HostSampleUpdate.h"

#include <string>
#include <vector>

// The columns of the host monitor and of the origin list of one host: title, tooltip, width,
// alignment, the shown text and, for figures, the number they sort by. The console's lists and
// morvixctl's table read the same columns.
enum class MonitorColumnAlign { Left, Centre, Right };

template <class Entry>
struct MonitorColumn {
    const char* title;
    const char* tooltip;  // empty: none
    int width;
    MonitorColumnAlign align;
    std::string (*text)(const Entry&);
    double (*number)(const Entry&);  // null: the column sorts by its text
};

const std::vector<MonitorColumn<CMoxHostMonitor>>& HostMonitorColumns();
const std::vector<MonitorColumn<CMoxUpstreamMonitor>>& UpstreamMonitorColumns();
