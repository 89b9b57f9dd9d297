#pragma once

#include "features/monitor/HostSampleUpdate.h"

#include <json/value.h>

#include <cstdint>
#include <string>
#include <vector>

class CtlSession;

// One round of the host monitor at a time, one request per step: the host list, then the origin
// list of each host. The finished round becomes one {"Hosts": [...]} line with each host's and
// origin's counts and the interval figures of the host monitor's sample update.
class HostFeed {
public:
    explicit HostFeed(CtlSession& session);

    struct Step {
        bool finished = false;
        bool error = false;  // the status texts from statusFrom on say why
        bool sessionExpired = false;
        bool interrupted = false;
        std::uint64_t statusFrom = 0;
        std::string request;
    };
    bool RoundRunning() const { return running_; }
    Step Next();
    const Json::Value& RoundLine() const { return line_; }

private:
    Step ListHosts();
    Step ListOrigins();

    CtlSession& session_;
    CMoxHostMonitorSet hostMonitor_;
    CMoxUpstreamMonitorSet originMonitor_;
    bool running_ = false;
    std::vector<std::string> proxyIds_;  // of the round, in list order
    std::size_t nextOrigins_ = 0;
    Json::Value line_;
};
