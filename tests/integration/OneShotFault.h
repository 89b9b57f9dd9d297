#pragma once

#include <json/value.h>

#include <string>

namespace morvix::test {

// A simulator fault that fires once on the next request of this type (and cmd, when given); `ms`
// is the delay of the kinds that wait.
inline Json::Value OneShotFault(const std::string& kind, const std::string& type, const std::string& cmd = "",
                                long long ms = 0)
{
    Json::Value fault;
    fault["kind"] = kind;
    fault["type"] = type;
    if (!cmd.empty())
        fault["cmd"] = cmd;
    fault["count"] = 1;
    if (ms > 0)
        fault["ms"] = static_cast<Json::Int64>(ms);
    return fault;
}

}  // namespace morvix::test
