#pragma once

#include "Fault.h"

#include <json/value.h>

#include <mutex>
#include <vector>

namespace morvix::sim {

// The faults that tests have asked for, and which of them a request meets.
class FaultInjector {
public:
    void add(Fault fault);
    void clear();
    // The faults that fire for this request: every matching delay, session expiry and stream
    // cut, and the first matching fault that shapes the answer. One-shot faults are used up.
    std::vector<Fault> take(const std::string& type, const std::string& cmd);
    Json::Value toJson() const;

private:
    mutable std::mutex mutex_;
    std::vector<Fault> faults_;
};

}  // namespace morvix::sim
