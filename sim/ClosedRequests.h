#pragma once

#include <deque>
#include <mutex>
#include <string>

namespace morvix::sim {

// Requests that a fault answered by closing the connection. A client that finds a reused
// connection closed before any answer sends the same request again on another; that resend meets
// the same close, so a fault asked for once still ends the client's exchange as failed.
class ClosedRequests {
public:
    void remember(std::string request);
    bool contains(const std::string& request) const;

private:
    // Resends follow at once, so the last few closes are all that matter.
    static constexpr std::size_t capacity = 64;

    mutable std::mutex mutex_;
    std::deque<std::string> requests_;
};

}  // namespace morvix::sim
