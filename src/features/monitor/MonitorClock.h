#pragma once

#include <cstdint>
#include <functional>

// A millisecond tick that only moves forward; the rate classes take one so tests can set the time.
using MonitorClock = std::function<std::uint64_t()>;

std::uint64_t MonitorTickNow();
