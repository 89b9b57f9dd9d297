#pragma once

#include <chrono>
#include <thread>

namespace morvix::test {

// Polls a condition until it holds or the deadline passes; tests never sleep a fixed time.
template <class Predicate>
bool WaitUntil(Predicate&& condition, std::chrono::milliseconds deadline = std::chrono::seconds(10))
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end)
            return condition();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

}  // namespace morvix::test
