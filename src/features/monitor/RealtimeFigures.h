#pragma once

#include <cstdint>

// The figures the realtime panes derive from one counters record.

// Share of the traffic sent to clients that did not come from the origin servers, in percent:
// 0 when nothing was sent or more was fetched than sent, 100 when nothing was fetched.
double RealtimeSavingPercent(std::int64_t totalSendKB, std::int64_t totalRecvFromResponseKB);

// A rate from RealtimeKbps as shown (megabits per second); rates beyond any real link, or
// negative, show 0.
double RealtimeBandwidthShown(long double kbps);

inline constexpr long double kRealtimeKbpsCeiling = 5120000;
