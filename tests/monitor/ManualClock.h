#pragma once

#include "features/monitor/MonitorClock.h"

#include <cstdint>
#include <memory>

// A tick the test moves by hand.
struct ManualClock {
    std::shared_ptr<std::uint64_t> now = std::make_shared<std::uint64_t>(1000000);

    MonitorClock Clock() const
    {
        return [tick = now] { return *tick; };
    }
    void Advance(std::uint64_t ms) { *now += ms; }
};
