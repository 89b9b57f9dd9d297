#pragma once

#include "SeededRandom.h"

#include <chrono>
#include <cstdint>
#include <ctime>
#include <mutex>
#include <string>

namespace morvix::sim {

// The traffic that the simulated server carries: requests per second, hit ratio and sizes vary
// smoothly with time and with a little noise, all as a pure function of (seed, second), so that
// totals are deterministic for a seed and rates computed from them are meaningful.
class TrafficModel {
public:
    struct Totals {
        double requests = 0;
        double hits = 0;
        double sentKB = 0;          // to clients
        double receivedKB = 0;      // from clients
        double sentToOriginKB = 0;
        double receivedFromOriginKB = 0;
    };

    explicit TrafficModel(uint64_t seed);

    // Totals since the (simulated) start, up to now.
    Totals totals();
    Totals totalsAt(double uptimeSeconds);
    double requestsPerSecond(int64_t second) const;
    double hitRatio(int64_t second) const;
    // Uptime in seconds; the server pretends to have been running for a day when the process starts.
    double uptimeSeconds() const;
    // Milliseconds of the server's clock.
    uint64_t tickCount() const;
    std::time_t startTime() const { return startTime_; }
    // Today's counting period starts at midnight, or at the start if that was later.
    std::time_t periodStart(std::time_t now) const;
    uint64_t seed() const { return seed_; }

    // A believable request URL from the sites this server carries.
    static std::string sampleUrl(SeededRandom& random);
    static std::string sampleFragment(SeededRandom& random);
    static const char* sampleUserAgent(SeededRandom& random);
    static const char* sampleProvince(SeededRandom& random);
    static const std::vector<std::string>& provinces();
    static const std::vector<std::string>& sites();

private:
    // Totals of whole seconds [0, second), from the nearest checkpoint kept every minute.
    Totals wholeSeconds(int64_t second);
    void addSecond(Totals& totals, int64_t second) const;
    double noise(int64_t second, uint64_t stream) const;

    uint64_t seed_;
    std::chrono::steady_clock::time_point processStart_;
    std::time_t startTime_;
    std::mutex mutex_;
    std::vector<Totals> minuteCheckpoints_{Totals{}};
};

}  // namespace morvix::sim
