// A drift audit of the page-cache rules of 20 simulators holding 10,000 rules each, one of them
// drifted, beside the same 20 list reads run as a fleet read in the same run. The audit reads the
// same lists, so its wall time is expected within 3 times theirs.
#include "files/ScratchDirectory.h"
#include "TimedRun.h"
#include "support/SimProcess.h"

#include <json/json.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kServers = 20;
constexpr int kRules = 10000;
constexpr int kRepeats = 3;

using morvix::bench::Median;
using morvix::bench::TimedRun;

}  // namespace

int main()
{
    const morvix::test::ScratchDirectory data;
    std::vector<std::unique_ptr<morvix::test::SimProcess>> sims;
    Json::Value rules;
    rules["count"] = kRules;
    for (int i = 0; i < kServers; ++i) {
        // One seed: every simulator generates the same rules.
        auto& sim = *sims.emplace_back(std::make_unique<morvix::test::SimProcess>(std::vector<std::string>{"--seed", "7"}));
        sim.setState("fcache", rules);
    }
    if (TimedRun({"--server", sims.back()->host(), "fcache", "add", "Url=/drifted/*"}, data.Path().string(), 0) < 0)
        return 1;

    std::vector<std::string> fleet = {"--parallel", "8"};
    for (const auto& sim : sims)
        fleet.insert(fleet.end(), {"--server", sim->host()});
    std::vector<std::string> reads = fleet, audit = fleet;
    reads.insert(reads.end(), {"--json", "fcache", "list"});
    audit.insert(audit.end(), {"diff", "fcache"});
    std::vector<double> listed, audited;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        listed.push_back(TimedRun(reads, data.Path().string(), 0));
        audited.push_back(TimedRun(audit, data.Path().string(), 1));
    }
    if (std::min(*std::min_element(listed.begin(), listed.end()), *std::min_element(audited.begin(), audited.end())) < 0)
        return 1;
    const double baseline = Median(listed);
    const double measured = Median(audited);
    std::printf("fcache list of %d rules on %d servers, --parallel 8 (baseline): %.3f s\n", kRules, kServers, baseline);
    std::printf("diff fcache of the same servers:                             %.3f s  = %.2f x the reads (target <= 3 x)\n",
                measured, measured / baseline);
    return 0;
}
