// A seeded model of changes to a fleet: every round one change (add, change or deletion by key)
// goes to seven simulators, each meeting a fault of its own. Whatever the fault, each row must be
// true of its server: a change reported made is in its list, one reported not made is not, and
// only a change whose reply was lost and whose read-back failed may stay unknown.
#include "files/ScratchDirectory.h"
#include "integration/MorvixctlProcess.h"
#include "integration/OneShotFault.h"
#include "integration/ParseJson.h"
#include "support/SimProcess.h"

#include "support/TestSeed.h"

#include <gtest/gtest.h>
#include <json/json.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>

using morvix::test::MorvixctlProcess;
using morvix::test::OneShotFault;
using morvix::test::SimProcess;

namespace {

constexpr int kRounds = 6;

// What one server meets on the change; "reset+close" also closes the list read after it.
const std::vector<std::string> kFaultKinds = {"", "busy", "reset", "close", "not-json", "http-500", "reset+close"};

const std::set<std::string> kMade = {"accepted", "applied (confirmed by a read)"};
const std::set<std::string> kNotMade = {"refused", "not applied", "unreachable", "unreadable reply"};

Json::Value Rule(int wid, const std::string& url, int expire)
{
    Json::Value rule;
    rule["Wid"] = std::to_string(wid);
    rule["Url"] = url;
    for (const char* field : {"Icase", "Rules", "Unit", "Icookie", "Olimit", "IsDiskCache"})
        rule[field] = "1";
    rule["Expire"] = std::to_string(expire);
    rule["Note"] = "";
    return rule;
}

// The rule with the URL as the server holds it, or null.
Json::Value Held(SimProcess& sim, const std::string& url)
{
    const Json::Value state = sim.state();
    for (const Json::Value& rule : state["fcache"]["entries"])
        if (rule["Url"].asString() == url)
            return rule;
    return Json::Value();
}

}  // namespace

TEST(FleetModel, EveryRowIsTrueOfItsServerWhateverFaultMetTheChange)
{
    const unsigned seed = morvix::test::TestSeed();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const morvix::test::ScratchDirectory data;

    std::vector<std::unique_ptr<SimProcess>> sims;
    for (std::size_t i = 0; i < kFaultKinds.size(); ++i)
        sims.push_back(std::make_unique<SimProcess>());
    std::map<std::string, int> fired;  // fault kind -> how often it fired
    std::map<std::string, int> seen;   // outcome -> how often it was reported

    for (int round = 0; round < kRounds; ++round) {
        const std::string cmd = std::vector<std::string>{"add", "modify", "del"}[random() % 3];
        const std::string url = "/model/" + std::to_string(round) + "/*";
        const int expire = 100 + round;
        std::vector<std::string> kinds = kFaultKinds;
        std::shuffle(kinds.begin(), kinds.end(), random);
        std::vector<std::string> arguments = {"--json", "--parallel", "8"};
        for (std::size_t i = 0; i < sims.size(); ++i) {
            SimProcess& sim = *sims[i];
            // Each server issues its own identifiers: the rule's differs from server to server.
            const int wid = 20000 + static_cast<int>(random() % 1000) * 2;
            Json::Value document;
            document["entries"].append(Rule(wid + 1, "/other/*", 30));
            if (cmd != "add")
                document["entries"].append(Rule(wid, url, 30));
            sim.setState("fcache", document);
            sim.clearFaults();
            const std::string& kind = kinds[i];
            if (kind == "reset+close") {
                sim.addFault(OneShotFault("reset", "fcache", cmd));
                sim.addFault(OneShotFault("close", "fcache", "list"));
            } else if (!kind.empty()) {
                sim.addFault(OneShotFault(kind, "fcache", cmd));
            }
            arguments.insert(arguments.end(), {"--server", sim.host()});
        }
        if (cmd == "add")
            arguments.insert(arguments.end(), {"fcache", "add", "Url=" + url});
        else
            arguments.insert(arguments.end(), {"--match", "Url=" + url, "fcache", cmd});
        if (cmd == "modify")
            arguments.push_back("Expire=" + std::to_string(expire));

        MorvixctlProcess process(arguments, {"MORVIX_PASSWORD=admin", "XDG_DATA_HOME=" + data.Path().string()});
        const morvix::test::Outcome run = morvix::test::WaitForOutcome(process);
        const Json::Value report = morvix::test::ParseJson(run.out);
        ASSERT_EQ(report["servers"].size(), sims.size()) << run.out << run.err;
        for (std::size_t i = 0; i < sims.size(); ++i) {
            SCOPED_TRACE("round " + std::to_string(round) + ": " + cmd + " meeting \"" + kinds[i] + "\"");
            const std::string outcome = report["servers"][static_cast<int>(i)]["outcome"].asString();
            ++seen[outcome];
            const Json::Value held = Held(*sims[i], url);
            const bool made = cmd == "add"      ? !held.isNull()
                              : cmd == "del"    ? held.isNull()
                                                : held["Expire"].asString() == std::to_string(expire);
            if (kMade.count(outcome))
                EXPECT_TRUE(made) << outcome << "\n" << run.out;
            else if (kNotMade.count(outcome))
                EXPECT_FALSE(made) << outcome << "\n" << run.out;
            else
                EXPECT_TRUE(outcome == "sent, result unknown" && kinds[i] == "reset+close") << outcome;
            // The faults that fired are gone from the simulator.
            const Json::Value armed = sims[i]->faults();
            for (const std::string part : {"reset", "close", "busy", "not-json", "http-500"})
                if (kinds[i].find(part) != std::string::npos &&
                    std::none_of(armed.begin(), armed.end(),
                                 [&](const Json::Value& fault) { return fault["kind"].asString() == part; }))
                    ++fired[part];
        }
    }
    for (const auto& [outcome, count] : seen)
        std::cout << "outcome \"" << outcome << "\": " << count << "\n";
    for (const std::string kind : {"reset", "close", "busy", "not-json", "http-500"}) {
        std::cout << "fault " << kind << " fired " << fired[kind] << " times\n";
        EXPECT_GT(fired[kind], 0) << kind;
    }
}
