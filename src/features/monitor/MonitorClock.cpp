#include "features/monitor/MonitorClock.h"

#include <chrono>

std::uint64_t MonitorTickNow()
{
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
