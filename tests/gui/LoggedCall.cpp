#include "gui/LoggedCall.h"

#include <json/value.h>

#include <algorithm>
#include <regex>

namespace morvix::test {
namespace {

std::string QueryValue(const std::string& query, const std::string& name)
{
    std::smatch match;
    const std::regex pattern("(?:^|&)" + name + "=([^&]*)");
    return std::regex_search(query, match, pattern) ? match[1].str() : std::string();
}

std::vector<LoggedCall> LoggedCalls(SimClient& sim)
{
    std::vector<LoggedCall> calls;
    const Json::Value requests = sim.requests();
    for (const Json::Value& request : requests) {
        LoggedCall call;
        const std::string query = request["query"].asString();
        call.type = QueryValue(query, "type");
        call.cmd = QueryValue(query, "cmd");
        call.body = request["body"].asString();
        const std::string id = QueryValue(call.body, "RequestID");
        if (!id.empty())
            call.requestId = std::stoll(id);
        calls.push_back(std::move(call));
    }
    return calls;
}

}  // namespace

std::vector<LoggedCall> CallsInSendingOrder(SimClient& sim)
{
    std::vector<LoggedCall> calls = LoggedCalls(sim);
    std::stable_sort(calls.begin(), calls.end(),
                     [](const LoggedCall& a, const LoggedCall& b) { return a.requestId < b.requestId; });
    return calls;
}

std::vector<LoggedCall> CallsOf(SimClient& sim, const std::string& type, const std::string& cmd)
{
    std::vector<LoggedCall> calls = LoggedCalls(sim);
    std::erase_if(calls, [&](const LoggedCall& call) { return call.type != type || call.cmd != cmd; });
    return calls;
}

}  // namespace morvix::test
