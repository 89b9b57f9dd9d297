#pragma once

#include "messaging/CMoxEventParam.h"

#include <atomic>

namespace morvix::test {

// A record that counts its own destruction, so a test sees it die exactly once.
class TrackedRecord : public CMoxEventParam {
public:
    explicit TrackedRecord(std::atomic<int>& destructions) : destructions_(destructions) {}
    ~TrackedRecord() override { destructions_.fetch_add(1); }

private:
    std::atomic<int>& destructions_;
};

}  // namespace morvix::test
