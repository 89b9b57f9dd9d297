#pragma once

#include "RequestCounters.h"
#include "ServerLog.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the exporter knows of one server: the texts of its last poller lines, per metric family,
// and whether it still answers. Fed by the poller's thread, read by scrapes.
class ServerMetrics {
public:
    using Clock = std::chrono::steady_clock;
    // A server whose counters were not read for this long is down: its figures are no longer
    // served, so that nobody mistakes the last ones for current.
    static constexpr auto kStaleAfter = std::chrono::seconds(10);

    // The request an error line of the poller names when the counters poll failed.
    static constexpr std::string_view kRealtimeRequest = "realtime list";

    explicit ServerMetrics(std::string server);

    const std::string& Server() const { return server_; }

    // What a poller line told of a part of the server: that it answered, or why it failed.
    struct PollerNews {
        ServerLog::Part part;
        bool failed;
        std::string why;
    };
    // One line of the poller; a line that is not what the poller writes counts as an error. Lines
    // come from one thread, the poller's.
    std::optional<PollerNews> OnPollerLine(const std::string& line);
    // The poller ended (sign-in refused, connection lost for good, killed).
    void OnPollerEnded();

    struct Status {
        bool up = false;
        double lastSuccess = 0;  // Unix time of the last answered counters poll; 0 before
        std::uint64_t errors = 0;
        std::string lastFigures;  // the last figures as watch --json prints them
    };
    Status StatusAt(Clock::time_point now) const;

    // Appends the server's samples of polled family `family` (index in PolledMetricFamilies())
    // while the server is up.
    void AppendFamily(std::size_t family, Clock::time_point now, std::string& out) const;

private:
    bool UpAt(Clock::time_point now) const;

    const std::string server_;
    RequestCounters requests_;  // the poller's thread only
    mutable std::mutex lock_;
    bool pollerRunning_ = false;
    Clock::time_point lastRealtime_{};
    bool everAnswered_ = false;
    bool realtimeFailed_ = false;
    double lastSuccess_ = 0;
    std::uint64_t errors_ = 0;
    std::string lastFigures_;
    std::vector<std::string> realtimeTexts_;
    std::vector<std::string> hostTexts_;
};
