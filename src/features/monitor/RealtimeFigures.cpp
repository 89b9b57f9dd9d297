#include "features/monitor/RealtimeFigures.h"

#include <algorithm>

double RealtimeSavingPercent(std::int64_t totalSendKB, std::int64_t totalRecvFromResponseKB)
{
    if (totalSendKB <= 0)
        return 0;
    const std::int64_t saved = totalSendKB - std::max<std::int64_t>(totalRecvFromResponseKB, 0);
    if (saved <= 0)
        return 0;
    return static_cast<double>(saved) * 100 / static_cast<double>(totalSendKB);
}

double RealtimeBandwidthShown(long double kbps)
{
    if (kbps < 0 || kbps > kRealtimeKbpsCeiling)
        return 0;
    return static_cast<double>(kbps / 1024);
}
