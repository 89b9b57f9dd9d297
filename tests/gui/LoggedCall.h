#pragma once

#include "support/SimClient.h"

#include <string>
#include <vector>

namespace morvix::test {

// One administration request as the simulator logged it.
struct LoggedCall {
    std::string type;
    std::string cmd;
    std::string body;
    long long requestId = -1;  // -1 when the body carries none

    std::string Name() const { return type + "/" + cmd; }
};

// Every logged administration request, in the order the console numbered them: requests leave on
// threads of their own, so the order of arrival may differ from the order of sending.
std::vector<LoggedCall> CallsInSendingOrder(SimClient& sim);
std::vector<LoggedCall> CallsOf(SimClient& sim, const std::string& type, const std::string& cmd);

}  // namespace morvix::test
