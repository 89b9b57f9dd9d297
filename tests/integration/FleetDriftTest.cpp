// The drift audit, grouped results and servers files with groups, against simulators made to
// differ in chosen ways.
#include "files/ScratchDirectory.h"
#include "integration/MorvixctlProcess.h"
#include "integration/OneShotFault.h"
#include "integration/ParseJson.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>
#include <json/json.h>

#include <fstream>
#include <memory>
#include <set>

using morvix::test::MorvixctlProcess;
using morvix::test::Outcome;
using morvix::test::ParseJson;
using morvix::test::ScratchDirectory;
using morvix::test::SimProcess;
using morvix::test::WaitForOutcome;

namespace {

// One audited family, and how the test makes a server differ in it.
struct DriftCase {
    std::string family;      // as diff names it
    std::string state;       // the simulator's part of its state
    std::string list;        // the member holding the records; empty for the one record of options
    std::string id;          // renumbered on the drifted server, which must not count; empty: none
    std::vector<std::string> key;
    std::vector<std::string> extraKey;  // of the record only the "extra" server holds
    std::string changed;     // the field the drifted server holds otherwise
    Json::Value changedTo;
    std::string file;        // the export that writes this family's file; empty: none
};

const std::vector<DriftCase> kFamilies = {
    {"fcache", "fcache", "entries", "Wid", {"Url"}, {"/extra/*"}, "Expire", "99", "rules"},
    {"rcache", "rcache", "entries", "Wid", {"Url"}, {"/extra/*"}, "Note", "其他", "rules"},
    {"scache", "scache", "entries", "Wid", {"ActionUrl"}, {"/extra/login"}, "SessionExpire", "99", "rules"},
    {"rewrite", "rewrite", "entries", "RewriteID", {"SourceUrl"}, {"^/extra$"}, "DestinationUrl", "/x", "rules"},
    {"black", "black", "entries", "BlackID", {"Low", "High"}, {"10.200.0.1", "10.200.0.2"}, "Note", "x", "black"},
    {"white", "white", "entries", "WhiteID", {"Low", "High"}, {"10.201.0.1", "10.201.0.2"}, "Note", "x", ""},
    {"dns", "dnsredirect", "custom", "", {"Name"}, {"extra.example"}, "IP", "10.9.9.9", "dns"},
    {"system", "system", "", "", {}, {}, "MaxConnections", 4321, ""},
};

Json::Value Array(const std::vector<Json::Value>& items)
{
    Json::Value array(Json::arrayValue);
    for (const Json::Value& item : items)
        array.append(item);
    return array;
}

// The record's key as diff --json gives it.
Json::Value KeyOf(const DriftCase& family, const Json::Value& record)
{
    Json::Value key(Json::objectValue);
    for (const std::string& field : family.key)
        key[field] = record[field].asString();
    return key;
}

// Which way a simulator is made to differ from the reference in every family.
enum class Drift { None, Missing, Extra, Changed };

void MakeDiffer(SimProcess& sim, Drift drift)
{
    const Json::Value state = sim.state();
    for (const DriftCase& family : kFamilies) {
        Json::Value part = state[family.state];
        if (family.list.empty()) {
            if (drift != Drift::Changed)
                continue;
            part[family.changed] = family.changedTo;
        } else {
            Json::Value& records = part[family.list];
            if (drift == Drift::Missing) {
                Json::Value removed;
                records.removeIndex(0, &removed);
            } else if (drift == Drift::Extra) {
                Json::Value extra = records[0];
                for (std::size_t i = 0; i < family.key.size(); ++i)
                    extra[family.key[i]] = family.extraKey[i];
                if (!family.id.empty())
                    extra[family.id] = "20001";
                records.append(extra);
            } else if (drift == Drift::Changed) {
                records[0][family.changed] = family.changedTo;
                // Each server numbers its records itself: other numbers are no drift.
                if (!family.id.empty())
                    for (Json::Value& record : records)
                        record[family.id] = std::to_string(std::stoi(record[family.id].asString()) + 5000);
            }
        }
        sim.setState(family.state, part);
    }
}

class FleetDrift : public ::testing::Test {
protected:
    Outcome Run(const std::vector<std::string>& arguments, bool withPassword = true)
    {
        std::vector<std::string> environment = {"XDG_DATA_HOME=" + scratch.Path().string()};
        if (withPassword)
            environment.push_back("MORVIX_PASSWORD=admin");
        MorvixctlProcess process(arguments, environment);
        return WaitForOutcome(process);
    }

    std::string Write(const std::string& name, const std::string& text)
    {
        const std::string path = (scratch.Path() / name).string();
        std::ofstream(path) << text;
        return path;
    }

    ScratchDirectory scratch;
};

// What a server's entry of diff --json says of one family.
void ExpectFinding(const Json::Value& server, const DriftCase& family, Drift drift, const Json::Value& reference)
{
    SCOPED_TRACE(family.family + " on " + server["server"].asString());
    const Json::Value& found = server["families"][family.family];
    const Json::Value first = family.list.empty() ? reference : reference[family.list][0];
    const Json::Value key = KeyOf(family, first);
    switch (drift) {
    case Drift::None: EXPECT_TRUE(found.isNull()) << found; break;
    case Drift::Missing:
        if (family.list.empty())
            EXPECT_TRUE(found.isNull()) << found;
        else
            EXPECT_EQ(found["missing"], Array({key})) << found;
        break;
    case Drift::Extra: {
        if (family.list.empty()) {
            EXPECT_TRUE(found.isNull()) << found;
            break;
        }
        Json::Value extra;
        for (std::size_t i = 0; i < family.key.size(); ++i)
            extra[family.key[i]] = family.extraKey[i];
        EXPECT_EQ(found["extra"], Array({KeyOf(family, extra)})) << found;
        break;
    }
    case Drift::Changed:
        EXPECT_TRUE(found["missing"].empty() && found["extra"].empty()) << found;
        ASSERT_EQ(found["differing"].size(), 1u) << found;
        EXPECT_EQ(found["differing"][0]["key"], key);
        EXPECT_EQ(found["differing"][0]["fields"].getMemberNames(), std::vector<std::string>{family.changed});
        EXPECT_EQ(found["differing"][0]["fields"][family.changed]["server"].asString(), family.changedTo.asString());
        EXPECT_EQ(found["differing"][0]["fields"][family.changed]["reference"].asString(),
                  first[family.changed].asString());
        break;
    }
}

}  // namespace

// Four servers, three of them differing from the first in every family: one lacks a record, one
// holds one more, one holds a record otherwise and numbers all its records differently. The same
// findings come against the files the first server exports.
TEST_F(FleetDrift, EachFamilyReportsMissingExtraAndDifferingRecordsByTheirKey)
{
    const std::vector<Drift> drifts = {Drift::None, Drift::Missing, Drift::Extra, Drift::Changed};
    std::vector<std::unique_ptr<SimProcess>> sims;
    std::vector<std::string> servers;
    for (const Drift drift : drifts) {
        MakeDiffer(*sims.emplace_back(std::make_unique<SimProcess>()), drift);
        servers.insert(servers.end(), {"--server", sims.back()->host()});
    }
    const Json::Value reference = sims[0]->state();

    std::vector<std::string> arguments = servers;
    arguments.insert(arguments.end(), {"--json", "diff"});
    const Outcome all = Run(arguments);
    EXPECT_EQ(all.status, 1) << all.out << all.err;
    const Json::Value report = ParseJson(all.out);
    EXPECT_EQ(report["reference"].asString(), sims[0]->host());
    EXPECT_EQ(report["recap"]["differ"].asInt(), 3) << all.out;
    EXPECT_EQ(report["servers"][0]["state"].asString(), "reference");
    for (std::size_t s = 1; s < sims.size(); ++s)
        for (const DriftCase& family : kFamilies)
            ExpectFinding(report["servers"][Json::ArrayIndex(s)], family, drifts[s], reference[family.state]);

    for (const std::string file : {"rules", "black", "dns"}) {
        SCOPED_TRACE(file);
        const std::string path = (scratch.Path() / (file + ".txt")).string();
        const Outcome exported = Run({"--server", sims[0]->host(), file, "export", path});
        ASSERT_EQ(exported.status, 0) << exported.err;
        // Against its own export the first server matches.
        const Outcome alone = Run({"--server", sims[0]->host(), "--against", path, "diff"});
        EXPECT_EQ(alone.status, 0) << alone.out << alone.err;
        EXPECT_NE(alone.out.find("\n0 of 1 servers differ\n"), std::string::npos) << alone.out;

        arguments = servers;
        arguments.insert(arguments.end(), {"--json", "--against", path, "diff"});
        const Outcome against = Run(arguments);
        EXPECT_EQ(against.status, 1) << against.out << against.err;
        const Json::Value found = ParseJson(against.out);
        for (std::size_t s = 0; s < sims.size(); ++s)
            for (const DriftCase& family : kFamilies) {
                const bool inFile = family.file == file;
                ExpectFinding(found["servers"][Json::ArrayIndex(s)], family, inFile ? drifts[s] : Drift::None,
                              reference[family.state]);
            }
    }

    // A server that cannot be read ranks above any drift; the others are still compared.
    sims[3]->stop();
    arguments = servers;
    arguments.insert(arguments.end(), {"diff", "fcache"});
    const Outcome failed = Run(arguments);
    EXPECT_EQ(failed.status, 2) << failed.out << failed.err;
    EXPECT_NE(failed.out.find("\n2 of 4 servers differ; 1 could not be read\n"), std::string::npos) << failed.out;
    EXPECT_NE(failed.out.find(sims[1]->host() + "  differs\n   fcache  missing  Url="), std::string::npos)
        << failed.out;
    EXPECT_NE(failed.out.find(sims[3]->host() + "  unreachable"), std::string::npos) << failed.out;
}

// Servers whose output is the same are told once under their names, the largest group first.
TEST_F(FleetDrift, GroupedResultsTellEachDistinctOutputOnce)
{
    SimProcess first, same1, same2, odd;
    MakeDiffer(odd, Drift::Missing);
    const std::vector<std::string> servers = {"--server", first.host(), "--server", same1.host(), "--server",
                                              same2.host(),  "--server", odd.host(),   "--group"};
    struct Row {
        std::vector<std::string> command;
        std::vector<std::string> largest;  // the first group
        std::string heading;               // after its names
    };
    const std::vector<Row> rows = {
        {{"fcache", "list"}, {first.host(), same1.host(), same2.host()}, "accepted"},
        {{"diff", "fcache"}, {same1.host(), same2.host()}, "same"},  // the first is the reference
    };
    for (const Row& row : rows) {
        std::vector<std::string> arguments = servers;
        arguments.insert(arguments.end(), row.command.begin(), row.command.end());
        const Outcome text = Run(arguments);
        std::string names;
        for (std::size_t i = 0; i < row.largest.size(); ++i)
            names += (i == 0 ? "" : i + 1 == row.largest.size() ? " and " : ", ") + row.largest[i];
        const std::size_t largest = text.out.find("== " + names + " (" + std::to_string(row.largest.size()) +
                                                  ")  " + row.heading);
        EXPECT_NE(largest, std::string::npos) << text.out;
        EXPECT_LT(largest, text.out.find("== " + odd.host() + "  ")) << text.out;

        arguments.insert(arguments.end() - row.command.size(), "--json");
        const Json::Value json = ParseJson(Run(arguments).out);
        EXPECT_EQ(json["groups"][0]["servers"], Array({row.largest.begin(), row.largest.end()})) << json;
        EXPECT_EQ(json["groups"][json["groups"].size() - 1]["servers"], Array({odd.host()})) << json;
    }
}

// A servers file's groups, and --limit and --exclude, choose the servers a run goes to.
TEST_F(FleetDrift, InventoryGroupsChooseTheServers)
{
    const std::string file = Write("servers", "127.0.0.1:7001  # no group\n"
                                              "[edge]\n127.0.0.1:7002\n127.0.0.2:7003\n"
                                              "[core]\nrole = keeper\n127.0.0.1:7004\n");
    struct Row {
        std::vector<std::string> choice;
        std::set<std::string> servers;  // empty: refused (64)
    };
    const std::vector<Row> rows = {
        {{}, {"127.0.0.1:7001", "127.0.0.1:7002", "127.0.0.2:7003", "127.0.0.1:7004"}},
        {{"--group-of", "edge"}, {"127.0.0.1:7002", "127.0.0.2:7003"}},
        {{"--server", "@core"}, {"127.0.0.1:7004"}},
        {{"--server", "@core", "--group-of", "edge", "--exclude", "127.0.0.2"}, {"127.0.0.1:7002", "127.0.0.1:7004"}},
        {{"--limit", "*:7001,*:7004"}, {"127.0.0.1:7001", "127.0.0.1:7004"}},
        {{"--group-of", "nope"}, {}},
        {{"--group-of", "edge", "--limit", "*:7004"}, {}},
    };
    for (const Row& row : rows) {
        std::vector<std::string> arguments = {"--servers-file", file, "--dry-run", "--json"};
        arguments.insert(arguments.end(), row.choice.begin(), row.choice.end());
        arguments.insert(arguments.end(), {"fcache", "list"});
        const Outcome run = Run(arguments, false);
        SCOPED_TRACE(::testing::PrintToString(row.choice) + "\n" + run.out + run.err);
        if (row.servers.empty()) {
            EXPECT_EQ(run.status, 64);
            continue;
        }
        EXPECT_EQ(run.status, 0);
        std::set<std::string> chosen;
        const Json::Value plan = ParseJson(run.out);
        for (const Json::Value& server : plan) {
            chosen.insert(server["server"].asString());
            const bool keeper = server["server"].asString() == "127.0.0.1:7004";
            EXPECT_EQ(server["requests"][0]["body"].asString().starts_with("Username=keeper"), keeper);
        }
        EXPECT_EQ(chosen, row.servers);
    }

    const std::vector<std::pair<std::string, std::string>> badFiles = {
        {"[a]\n127.0.0.1:7001\nrole = root\n", ":3: \"role = root\": role is admin or keeper"},
        {"[a]\npassword = hunter2\n127.0.0.1:7001\n", ":2: \"password = hunter2\": password is keyring or file:PATH"},
        {"time-limit = 5\n127.0.0.1:7001\n", ":1: \"time-limit = 5\": settings belong to a [group]"},
        {"[a]\n127.0.0.1:7001 time-limit=0\n", ":2: \"127.0.0.1:7001 time-limit=0\": time-limit is 1 to 86400"},
        {"[a b]\n127.0.0.1:7001\n", ":1: \"[a b]\": a group is [NAME]"},
    };
    for (const auto& [text, message] : badFiles) {
        const Outcome run = Run({"--servers-file", Write("bad", text), "--dry-run", "fcache", "list"}, false);
        EXPECT_EQ(run.status, 64) << text;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}

// Each server's run signs in with the role and the password its servers file names, and is ended
// at its own time limit; no password is given on the command line or in the environment.
TEST_F(FleetDrift, InventorySettingsHoldPerGroupAndPerServer)
{
    SimProcess keeperSim, adminSim, slowSim;
    Json::Value delay = morvix::test::OneShotFault("delay", "fcache", "list");
    delay["ms"] = 600000;
    slowSim.addFault(delay);
    Write("keeper.pw", "keeper\n");
    const std::string keeperPassword = "keeper.pw";  // beside the servers file
    const std::string adminPassword = Write("admin.pw", "admin\r\n");
    const std::string file =
        Write("servers", "[readers]\nrole = keeper\npassword = file:" + keeperPassword + "\n" + keeperSim.host() +
                             "\n" + adminSim.host() + " role=admin password=file:" + adminPassword + "\n" +
                             "[slow]\ntime-limit = 1\npassword = file:" + adminPassword + "\n" + slowSim.host() + "\n");
    const Outcome run = Run({"--servers-file", file, "--json", "fcache", "list"}, false);
    EXPECT_EQ(run.status, 2) << run.out << run.err;
    std::map<std::string, std::string> outcomes;
    const Json::Value report = ParseJson(run.out);
    for (const Json::Value& server : report["servers"])
        outcomes[server["server"].asString()] = server["outcome"].asString();
    EXPECT_EQ(outcomes, (std::map<std::string, std::string>{{keeperSim.host(), "accepted"},
                                                            {adminSim.host(), "accepted"},
                                                            {slowSim.host(), "timed out"}}));
    EXPECT_EQ(keeperSim.sessions()[0]["role"].asString(), "keeper") << keeperSim.sessions();
    EXPECT_EQ(adminSim.sessions()[0]["role"].asString(), "admin") << adminSim.sessions();
}
