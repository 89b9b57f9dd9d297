// A list read from 50 simulators (one process each, on loopback, one of them answering after 2 s)
// by one morvixctl run with --parallel 16 and --json-lines: how soon after the first server
// answered does its line show? The first answer is dated by the quick simulators' own request logs
// (the arrival of the earliest list request; the reply follows at once), the first line by its
// arrival on the pipe. Beside it, the baseline of the same run: when the run ended, which is when a
// report that waits for every server would have printed its first line. Target: within 0.1 s.
#include "files/ScratchDirectory.h"
#include "TimedRun.h"
#include "integration/MorvixctlProcess.h"
#include "support/SimProcess.h"
#include "support/WaitUntil.h"

#include <json/json.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kServers = 50;
constexpr int kRepeats = 3;
constexpr int kSlowMs = 2000;

using SystemClock = std::chrono::system_clock;

// "2026-01-02T03:04:05.678Z" as a point of the system clock.
SystemClock::time_point ParseUtc(const std::string& text)
{
    std::tm parts{};
    int millis = 0;
    std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%d.%dZ", &parts.tm_year, &parts.tm_mon, &parts.tm_mday, &parts.tm_hour,
                &parts.tm_min, &parts.tm_sec, &millis);
    parts.tm_year -= 1900;
    parts.tm_mon -= 1;
    return SystemClock::from_time_t(timegm(&parts)) + std::chrono::milliseconds(millis);
}

struct Figures {
    double firstLineAfterReply = -1;  // seconds
    double runEndAfterReply = -1;
};

Figures MeasureOnce(std::vector<std::unique_ptr<morvix::test::SimProcess>>& sims, const std::string& dataHome)
{
    std::vector<std::string> arguments = {"--parallel", "16", "--json-lines"};
    for (const auto& sim : sims) {
        sim->clearRequests();
        arguments.insert(arguments.end(), {"--server", sim->host()});
    }
    arguments.insert(arguments.end(), {"fcache", "list"});
    morvix::test::MorvixctlProcess run(arguments, {"MORVIX_PASSWORD=admin", "XDG_DATA_HOME=" + dataHome});
    SystemClock::time_point firstLine{};
    morvix::test::WaitUntil(
        [&] {
            if (run.Out().find('\n') == std::string::npos)
                return false;
            firstLine = SystemClock::now();
            return true;
        },
        std::chrono::minutes(5));
    const int status = run.Wait(std::chrono::minutes(10));
    const SystemClock::time_point ended = SystemClock::now();
    if (status != 0) {
        std::fprintf(stderr, "morvixctl exited %d:\n%s", status, run.Err().c_str());
        return {};
    }
    SystemClock::time_point firstReply = SystemClock::time_point::max();
    for (std::size_t i = 0; i + 1 < sims.size(); ++i)
        for (const Json::Value& request : sims[i]->requests())
            if (request["query"].asString() == "type=fcache&cmd=list")
                firstReply = std::min(firstReply, ParseUtc(request["time"].asString()));
    const auto seconds = [firstReply](SystemClock::time_point at) {
        return std::chrono::duration<double>(at - firstReply).count();
    };
    return {seconds(firstLine), seconds(ended)};
}

}  // namespace

using morvix::bench::Median;

int main()
{
    const morvix::test::ScratchDirectory data;
    std::vector<std::unique_ptr<morvix::test::SimProcess>> sims;
    for (int i = 0; i < kServers; ++i)
        sims.push_back(std::make_unique<morvix::test::SimProcess>());
    Json::Value slow;
    slow["kind"] = "delay";
    slow["type"] = "fcache";
    slow["cmd"] = "list";
    slow["ms"] = kSlowMs;
    sims.back()->addFault(slow);
    std::vector<double> firstLine, runEnd;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        const Figures figures = MeasureOnce(sims, data.Path().string());
        if (figures.firstLineAfterReply < 0 && figures.runEndAfterReply < 0)
            return 1;
        firstLine.push_back(figures.firstLineAfterReply);
        runEnd.push_back(figures.runEndAfterReply);
    }
    std::printf("fcache list, %d servers --parallel 16, one answering after %d ms; after the first server's reply:\n",
                kServers, kSlowMs);
    std::printf("  the whole run ended (baseline: a report that waits for all): %.3f s\n", Median(runEnd));
    std::printf("  the first server's line printed:                              %.3f s  (target <= 0.1 s)\n",
                Median(firstLine));
    return 0;
}
