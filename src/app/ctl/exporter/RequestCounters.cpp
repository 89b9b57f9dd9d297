#include "RequestCounters.h"

#include <algorithm>

std::int64_t RequestCounters::Add(const std::string& key, const Json::Value& entry)
{
    // A counter never goes down, whatever a reply says.
    const std::int64_t interval = std::max<std::int64_t>(0, entry["IntervalRequests"].asInt64());
    return totals_[key] += interval;
}

void RequestCounters::Count(Json::Value& hosts)
{
    for (Json::Value& host : hosts) {
        if (!host.isObject() || !host.isMember("IntervalRequests"))
            continue;
        const std::string hostKey = host["Host"].asString();
        host["RequestsTotal"] = Json::Int64(Add(hostKey, host));
        if (!host.isMember("Origins"))
            continue;
        for (Json::Value& origin : host["Origins"])
            if (origin.isObject() && origin.isMember("IntervalRequests"))
                origin["RequestsTotal"] = Json::Int64(Add(hostKey + '\n' + origin["Host"].asString(), origin));
    }
}
