#pragma once

#include "support/SimClient.h"

#include <regex>
#include <string>

namespace morvix::test {

// The body of the simulator's latest logged request of this type and cmd, with the request number
// written as "N": the counter is shared by every request of the process, so its value is not fixed.
inline std::string LastLoggedBody(SimClient& sim, const std::string& type, const std::string& cmd)
{
    const Json::Value requests = sim.requests();
    const std::string query = "type=" + type + "&cmd=" + cmd;
    for (Json::ArrayIndex i = requests.size(); i > 0; --i) {
        const Json::Value& request = requests[i - 1];
        if (request["query"].asString() == query)
            return std::regex_replace(request["body"].asString(), std::regex("RequestID=[0-9]+"), "RequestID=N");
    }
    return "(no " + query + " request logged)";
}

}  // namespace morvix::test
