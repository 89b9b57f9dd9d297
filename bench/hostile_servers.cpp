// The console core's peak memory against each hostile reply of the simulator, with the
// transport's real limits (512 MiB cap, 60 s stall), beside the peak of an ordinary list reply
// measured in the same run. Each peak is the resident high-water mark since the one before.
#include "features/cache/FCacheRequests.h"
#include "integration/OneShotFault.h"
#include "messaging/CThreadRegistry.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/MoxLogin.h"
#include "shell/WaitForQuiet.h"
#include "support/EventRecorder.h"
#include "support/SimProcess.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

long PeakKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

// Resets the high-water mark to the current resident size.
void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace

int main()
{
    morvix::test::SimProcess sim;
    CThreadRegistry::Create();
    morvix::test::EventRecorder events;
    if (!MoxLogin(sim.host(), eMoxRole_Admin, "admin") || !events.Next(eMoxCacheEvent_LoginOk))
        return 1;
    WaitForQuiet(std::chrono::seconds(10));

    struct Hostile {
        const char* kind;
        const char* amountKey;
        long long amount;
    };
    const Hostile cases[] = {{"none", nullptr, 0},
                             {"deep-nesting", "depth", 1000000},
                             {"stall", "ms", 90000},
                             {"endless", nullptr, 0},
                             {"gzip-bomb", "bytes", 4LL << 30}};
    long baseline = 0;
    for (const Hostile& hostile : cases) {
        if (hostile.amountKey || std::string(hostile.kind) == "endless") {
            Json::Value fault = morvix::test::OneShotFault(hostile.kind, "fcache", "list");
            if (hostile.amountKey)
                fault[hostile.amountKey] = static_cast<Json::Int64>(hostile.amount);
            sim.addFault(fault);
        }
        ResetPeak();
        const auto start = std::chrono::steady_clock::now();
        CacheManager_FCacheList();
        const auto outcome = events.Next(eMoxCacheEvent_FCacheList, std::chrono::seconds(300));
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const long peak = PeakKiB();
        if (!baseline)
            baseline = peak;
        std::printf("%-13s status %d after %5.1f s, peak resident %8ld KiB (%.1f x the ordinary list's %ld KiB)\n",
                    hostile.kind, outcome ? outcome->Status() : -1, seconds, peak, double(peak) / baseline, baseline);
        std::fflush(stdout);
    }
    return 0;
}
