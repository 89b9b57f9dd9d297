#pragma once

#include <json/value.h>

#include <string>

namespace morvix::test {

// A simulator fault that fires once on the next request of this type (and cmd, when given).
inline Json::Value OneShotFault(const std::string& kind, const std::string& type, const std::string& cmd = "")
{
    Json::Value fault;
    fault["kind"] = kind;
    fault["type"] = type;
    if (!cmd.empty())
        fault["cmd"] = cmd;
    fault["count"] = 1;
    return fault;
}

}  // namespace morvix::test
