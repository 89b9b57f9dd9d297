// A soak of the console core: signed in to morvix-sim for a set time (default 600 s; the first
// argument changes it) with the realtime figures polled every 1.5 s, the host list every 3 s and a
// live request stream at full rate, while one reply in twenty meets a random fault of the
// simulator. Resident memory and live records are printed at the end of the warm-up (the
// baseline), at the middle and at the end, with every request sent and its outcomes by status.
#include "features/monitor/CInstantRequestRule.h"
#include "features/monitor/HostMonitorRequests.h"
#include "features/monitor/RealtimeRequests.h"
#include "integration/OneShotFault.h"
#include "messaging/CMoxEventParam.h"
#include "messaging/CThreadRegistry.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"
#include "messaging/IEventHandle.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/MoxLogin.h"
#include "shell/RealtimePolling.h"
#include "shell/WaitForQuiet.h"
#include "support/EventRecorder.h"
#include "support/SimProcess.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// The three request streams of the soak and the completion event that ends each request.
enum Stream { Realtime, Hosts, Live, StreamCount };
constexpr std::array<int, StreamCount> kCompletionEvent = {eMoxCacheEvent_RealtimeInfoRead,
                                                            eMoxCacheEvent_ProxyHostList,
                                                            eMoxCacheEvent_InstantRequest};
constexpr std::array<const char*, StreamCount> kStreamName = {"realtime list", "host list", "live stream"};
constexpr std::array<std::array<const char*, 2>, StreamCount> kTypeCmd = {
    {{"realtime", "list"}, {"proxy", "list"}, {"realtime", "instantrequest"}}};
// The faults a soak meets; "expire-sessions" is left out, since it ends the session for good.
constexpr std::array<const char*, 8> kFaults = {"delay", "close", "reset", "http-500",
                                                "not-json", "boolean-return", "no-errorno", "busy"};
constexpr long long kLinesPerStreamRun = 20000;

// Counts the outcome of every request by status; holds no record, so the end handler frees each.
class OutcomeCounter : public IEventHandle {
public:
    OutcomeCounter() { CZebEventManager::Instance()->Register(this); }
    ~OutcomeCounter() override { CZebEventManager::Instance()->Unregister(this); }

    int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t) override
    {
        for (int s = 0; s < StreamCount; ++s) {
            // The lines of a stream arrive with status 0; its end is its outcome.
            if (kind != kCompletionEvent[s] || (s == Live && param1 == eMoxEventStatus_Ok))
                continue;
            ++outcomes[s][param1 < 4 ? param1 : 3];
            if (s == Realtime)
                realtimeDue.MarkDue();
            if (s == Live)
                liveEnded = true;
        }
        return 0;
    }

    std::array<std::array<std::atomic<long>, 4>, StreamCount> outcomes{};
    RealtimePolling realtimeDue;
    std::atomic<bool> liveEnded{true};
};

long ResidentKiB()
{
    std::ifstream status("/proc/self/statm");
    long pages = 0, resident = 0;
    status >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void Report(const char* when, long residentKiB, long baselineKiB)
{
    std::printf("%-8s resident %8ld KiB (%+.1f %% against the warm-up baseline %ld KiB), live records %lld\n", when,
                residentKiB, 100.0 * (residentKiB - baselineKiB) / baselineKiB, baselineKiB,
                static_cast<long long>(CMoxEventParam::LiveCount()));
}

}  // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 600;
    morvix::test::SimProcess sim({"--stream-rate", "0", "--seed", "13"});
    CThreadRegistry::Create();
    {
        morvix::test::EventRecorder login;
        if (!MoxLogin(sim.host(), eMoxRole_Admin, "admin") || !login.Next(eMoxCacheEvent_LoginOk)) {
            std::fprintf(stderr, "soak: cannot sign in to %s\n", sim.host().c_str());
            return 1;
        }
    }
    WaitForQuiet(std::chrono::seconds(10));

    OutcomeCounter counter;
    counter.realtimeDue.MarkDue();
    std::array<long, StreamCount> sent{};
    std::mt19937 random(20);
    const auto maybeFault = [&](Stream stream) {
        Json::Value fault = morvix::test::OneShotFault("cut-stream", kTypeCmd[stream][0], kTypeCmd[stream][1]);
        if (stream == Live) {
            fault["lines"] = static_cast<Json::Int64>(kLinesPerStreamRun);
            sim.addFault(fault);
        }
        if (random() % 20 != 0)
            return;
        fault["kind"] = kFaults[random() % kFaults.size()];
        fault["ms"] = 2000;
        sim.addFault(fault);
    };

    nsMoxHttp::CMoxStoppableRequest liveStream;
    CInstantRequestRule everything;
    everything.url = "*";
    const auto start = Clock::now();
    const auto warmedUp = start + std::chrono::seconds(seconds) / 10;
    const auto middle = start + std::chrono::seconds(seconds) / 2;
    const auto end = start + std::chrono::seconds(seconds);
    auto nextRealtime = start;
    auto nextHosts = start;
    long baselineKiB = 0;
    bool middleReported = false;
    while (Clock::now() < end) {
        const auto now = Clock::now();
        if (!baselineKiB && now >= warmedUp) {
            baselineKiB = ResidentKiB();
            Report("warm-up", baselineKiB, baselineKiB);
        }
        if (baselineKiB && !middleReported && now >= middle) {
            middleReported = true;
            Report("middle", ResidentKiB(), baselineKiB);
        }
        // As the main window's timer: a tick every 1.5 s sends when the last reply is in.
        if (now >= nextRealtime) {
            nextRealtime += std::chrono::milliseconds(1500);
            if (counter.realtimeDue.IsDue()) {
                maybeFault(Realtime);
                sent[Realtime] += MonitorManager_RealtimeList();
                counter.realtimeDue.MarkSent();
            }
        }
        if (now >= nextHosts) {
            maybeFault(Hosts);
            sent[Hosts] += MonitorManager_ProxyList();
            nextHosts += std::chrono::seconds(3);
        }
        if (counter.liveEnded.exchange(false)) {
            maybeFault(Live);
            // Replacing the handle of an ended stream stops nothing that still runs.
            liveStream = MonitorManager_InstantRequest(everything, "", "", 1);
            sent[Live] += liveStream ? 1 : 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    WaitForQuiet(std::chrono::seconds(30));
    Report("end", ResidentKiB(), baselineKiB ? baselineKiB : ResidentKiB());

    bool oneOutcomeEach = true;
    for (int s = 0; s < StreamCount; ++s) {
        const auto& o = counter.outcomes[s];
        const long outcomes = o[0] + o[1] + o[2] + o[3];
        std::printf("%-14s sent %6ld, outcomes %6ld: accepted %ld, refused %ld, failed %ld, unreadable %ld\n",
                    kStreamName[s], sent[s], outcomes, o[0].load(), o[1].load(), o[2].load(), o[3].load());
        oneOutcomeEach = oneOutcomeEach && outcomes == sent[s];
    }
    std::printf("every request with exactly one outcome: %s\n", oneOutcomeEach ? "yes" : "NO");
    return oneOutcomeEach ? 0 : 1;
}
