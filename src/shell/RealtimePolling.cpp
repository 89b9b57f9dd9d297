#include "shell/RealtimePolling.h"

RealtimePolling::RealtimePolling(std::uint64_t staleMs, MonitorClock clock) : clock_(std::move(clock)), staleMs_(staleMs)
{
}

bool RealtimePolling::IsDue()
{
    if (clock_() - lastSent_ > staleMs_)
        due_ = true;
    return due_;
}

void RealtimePolling::MarkSent()
{
    due_ = false;
    lastSent_ = clock_();
}
