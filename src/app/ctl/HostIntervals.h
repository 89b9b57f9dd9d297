#pragma once

#include "features/monitor/ProxyHost.h"
#include "features/monitor/UpstreamHost.h"

#include <cstdint>
#include <memory>

// What the host monitor computes for one host or origin from its successive samples (keyed by
// ProxyID or UpstreamID): the amounts of the last interval and the bandwidths over it.
struct HostInterval {
    std::int64_t requests = 0;
    double sentBytes = 0;
    double receivedBytes = 0;
    double downloadMbps = 0;  // megabits per second, as the host view shows them
    double uploadMbps = 0;
};

// The host monitor's sample update, behind the few calls the exporter needs.
class HostIntervals {
public:
    virtual ~HostIntervals() = default;
    virtual HostInterval UpdateHost(const ProxyHost& host) = 0;
    virtual HostInterval UpdateOrigin(const UpstreamHost& origin) = 0;
};

// The host monitor's arithmetic for one server's hosts and origins.
std::unique_ptr<HostIntervals> MakeHostIntervals();
