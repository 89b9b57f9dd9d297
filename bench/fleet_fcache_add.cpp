// One page-cache rule added to 50 simulators (one process each, on loopback) by one morvixctl run
// with --parallel 8, beside the same add sent to a single simulator in the same run. Fifty servers
// eight at a time take about seven rounds, so the fleet's wall time is expected within 10 times
// the single one.
#include "files/ScratchDirectory.h"
#include "TimedRun.h"
#include "support/SimProcess.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kServers = 50;
constexpr int kRepeats = 3;

using morvix::bench::Median;
using morvix::bench::TimedRun;

}  // namespace

int main()
{
    const morvix::test::ScratchDirectory data;
    std::vector<std::unique_ptr<morvix::test::SimProcess>> sims;
    for (int i = 0; i < kServers; ++i)
        sims.push_back(std::make_unique<morvix::test::SimProcess>());

    std::vector<std::string> fleet = {"--parallel", "8"};
    for (const auto& sim : sims)
        fleet.insert(fleet.end(), {"--server", sim->host()});
    std::vector<double> single, whole;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        // A server refuses a rule it holds already, so each add names a rule of its own.
        const std::string round = std::to_string(repeat);
        single.push_back(TimedRun({"--server", sims.front()->host(), "fcache", "add", "Url=/single/" + round + "/*"},
                                  data.Path().string()));
        std::vector<std::string> arguments = fleet;
        arguments.insert(arguments.end(), {"fcache", "add", "Url=/fleet/" + round + "/*"});
        whole.push_back(TimedRun(arguments, data.Path().string()));
    }
    if (std::min(*std::min_element(single.begin(), single.end()), *std::min_element(whole.begin(), whole.end())) < 0)
        return 1;
    const double baseline = Median(single);
    const double measured = Median(whole);
    std::printf("fcache add, single server (baseline): %.3f s\n", baseline);
    std::printf("fcache add, %d servers --parallel 8:   %.3f s  = %.2f x the single add (target <= 10 x)\n",
                kServers, measured, measured / baseline);
    return 0;
}
