#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace morvix::sim {

// Raised once when the server stops, so that delays and streams end instead of holding up the stop.
class StopSignal {
public:
    void raise();
    bool raised() const;
    // Waits for the duration or until the signal is raised; true when it was raised.
    bool waitFor(std::chrono::steady_clock::duration duration) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool raised_ = false;
};

}  // namespace morvix::sim
