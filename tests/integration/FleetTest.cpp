#include "files/ScratchDirectory.h"
#include "integration/MorvixctlProcess.h"
#include "integration/OneShotFault.h"
#include "integration/ParseJson.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>
#include <json/json.h>

#include <csignal>
#include <map>
#include <memory>
#include <regex>

using morvix::test::MorvixctlProcess;
using morvix::test::Outcome;
using morvix::test::ParseJson;
using morvix::test::ScratchDirectory;
using morvix::test::SimProcess;
using morvix::test::WaitForOutcome;

namespace {

// Server -> outcome, as the table or the JSON report gives them.
using Outcomes = std::map<std::string, std::string>;

class Fleet : public ::testing::Test {
protected:
    Outcome Run(const std::vector<std::string>& arguments)
    {
        MorvixctlProcess process(arguments, {"MORVIX_PASSWORD=admin", "XDG_DATA_HOME=" + data.Path().string()});
        return WaitForOutcome(process);
    }

    static Outcomes TableOutcomes(const std::string& text)
    {
        Outcomes outcomes;
        const std::regex row("^(127\\.0\\.0\\.1:[0-9]+) +(accepted|refused|unreachable|timed out|not run|"
                             "sent, result unknown) +[0-9.]+( |$)");
        std::smatch found;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);)
            if (std::regex_search(line, found, row))
                outcomes[found[1]] = found[2];
        return outcomes;
    }

    static Outcomes JsonOutcomes(const Json::Value& report)
    {
        Outcomes outcomes;
        for (const Json::Value& entry : report)
            outcomes[entry["server"].asString()] = entry["outcome"].asString();
        return outcomes;
    }

    static bool HoldsRule(SimProcess& sim, const std::string& url)
    {
        const Json::Value state = sim.state();
        for (const Json::Value& rule : state["fcache"]["entries"])
            if (rule["Url"].asString() == url)
                return true;
        return false;
    }

    ScratchDirectory data;
};

}  // namespace

// One fleet add meets every kind of fault, one server each. Each row tells the truth about its
// server: a lost reply is settled by a read of the list, and what the row says is what the server
// holds. The exit status is that of the most severe outcome, not the largest number.
TEST_F(Fleet, EachFaultKindOfAnAddIsReportedAsWhatTheServerHolds)
{
    struct Row {
        const char* fault;  // on fcache add; "stopped": the server is not running
        std::string outcome;
        bool holdsRule;
    };
    const std::vector<Row> rows = {
        {"", "accepted", true},
        {"busy", "refused", false},
        {"stopped", "unreachable", false},
        {"reset", "applied (confirmed by a read)", true},
        {"close", "not applied", false},
        {"not-json", "not applied", false},  // an unreadable reply to a change: read back as a lost one
        {"http-500", "not applied", false},  // an HTTP error status: the exchange failed, then a read
        {"delay", "not applied", false},  // past the time limit: sent, then settled by a read
        {"reset+close", "sent, result unknown", true},  // the reply lost, and the read that would tell
    };
    std::vector<std::unique_ptr<SimProcess>> sims;
    std::vector<std::string> arguments = {"--time-limit", "10", "--parallel", "8", "--json"};
    for (const Row& row : rows) {
        SimProcess& sim = *sims.emplace_back(std::make_unique<SimProcess>());
        const std::string fault = row.fault;
        if (fault == "stopped") {
            sim.stop();
        } else if (fault == "delay") {
            Json::Value delay = morvix::test::OneShotFault("delay", "fcache", "add");
            delay["ms"] = 600000;
            sim.addFault(delay);
        } else if (fault == "reset+close") {
            sim.addFault(morvix::test::OneShotFault("reset", "fcache", "add"));
            sim.addFault(morvix::test::OneShotFault("close", "fcache", "list"));
        } else if (!fault.empty()) {
            sim.addFault(morvix::test::OneShotFault(fault, "fcache", "add"));
        }
        arguments.insert(arguments.end(), {"--server", sim.host()});
    }
    arguments.insert(arguments.end(), {"fcache", "add", "Url=/fleet/*", "Note=全部"});
    const Outcome run = Run(arguments);

    EXPECT_EQ(run.status, 5) << "an unknown result ranks above every other\n" << run.out << run.err;
    const Json::Value report = ParseJson(run.out);
    Outcomes expected;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        expected[sims[i]->host()] = rows[i].outcome;
        if (std::string(rows[i].fault) != "stopped") {
            EXPECT_EQ(HoldsRule(*sims[i], "/fleet/*"), rows[i].holdsRule) << rows[i].outcome;
        }
    }
    EXPECT_EQ(JsonOutcomes(report["servers"]), expected) << run.out;
    EXPECT_EQ(report["servers"][0]["result"]["Url"].asString(), "/fleet/*") << run.out;
    const Json::Value& counts = report["counts"];
    EXPECT_EQ(counts["accepted"].asInt(), 2) << run.out;
    EXPECT_EQ(counts["refused"].asInt(), 1);
    EXPECT_EQ(counts["unreachable"].asInt(), 5);
    EXPECT_EQ(counts["unreadable"].asInt(), 0);
    EXPECT_EQ(counts["unknown"].asInt(), 1);
    EXPECT_NE(run.err.find("servers 9: accepted 2, refused 1, unreachable 5, unknown 1, not run 0\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(report["servers"][6]["status"].asString(), "morvixctl: the server answered HTTP 500") << run.out;
    // The progress lines go to standard error while standard output carries the document.
    for (const auto& sim : sims)
        EXPECT_NE(run.err.find(sim->host() + "  "), std::string::npos) << run.err;

    // Without an unknown result, a server out of reach ranks above an unreadable reply.
    sims[5]->addFault(morvix::test::OneShotFault("not-json", "fcache", "list"));
    const Outcome read = Run({"--server", sims[2]->host(), "--server", sims[5]->host(), "fcache", "list"});
    EXPECT_EQ(read.status, 2) << read.out << read.err;
}

// The same rule has its own identifier on each server: across servers a deletion names it by its
// key, and a server where the key names no record, or several, keeps what it has.
TEST_F(Fleet, ADeletionByKeyDeletesTheSameRuleEverywhereOrNothing)
{
    const auto rule = [](const std::string& wid, const std::string& url) {
        Json::Value entry;
        entry["Wid"] = wid;
        entry["Url"] = url;
        for (const char* field : {"Icase", "Rules", "Expire", "Unit", "Icookie", "Olimit", "IsDiskCache"})
            entry[field] = "1";
        entry["Note"] = "";
        return entry;
    };
    const std::vector<std::vector<std::pair<std::string, std::string>>> holdings = {
        {{"10031", "/k/*"}, {"10032", "/other/*"}},
        {{"10031", "/other/*"}, {"10032", "/k/*"}},
        {{"10031", "/other/*"}},
        {{"10031", "/k/*"}, {"10032", "/k/*"}},
    };
    const std::vector<std::string> outcomes = {"accepted", "accepted", "refused", "refused"};
    std::vector<std::unique_ptr<SimProcess>> sims;
    std::vector<std::string> servers;
    for (const auto& holding : holdings) {
        SimProcess& sim = *sims.emplace_back(std::make_unique<SimProcess>());
        Json::Value document;
        document["entries"] = Json::Value(Json::arrayValue);
        for (const auto& [wid, url] : holding)
            document["entries"].append(rule(wid, url));
        sim.setState("fcache", document);
        servers.insert(servers.end(), {"--server", sim.host()});
    }

    std::vector<std::string> byId = servers;
    byId.insert(byId.end(), {"fcache", "del", "Wid=10031"});
    const Outcome refused = Run(byId);
    EXPECT_EQ(refused.status, 64);
    EXPECT_NE(refused.err.find("--match Url="), std::string::npos) << refused.err;

    std::vector<std::string> byKey = servers;
    byKey.insert(byKey.end(), {"--json", "--match", "Url=/k/*", "fcache", "del"});
    const Outcome run = Run(byKey);
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    const Json::Value report = ParseJson(run.out);
    for (std::size_t i = 0; i < sims.size(); ++i) {
        SCOPED_TRACE(i);
        const Json::Value& entry = report["servers"][static_cast<int>(i)];
        EXPECT_EQ(entry["outcome"].asString(), outcomes[i]) << run.out;
        int left = 0;
        const Json::Value state = sims[i]->state();
        for (const Json::Value& held : state["fcache"]["entries"])
            left += held["Url"].asString() == "/k/*";
        EXPECT_EQ(left, i == 3 ? 2 : 0);
        if (outcomes[i] == "accepted") {
            EXPECT_EQ(entry["result"]["Url"].asString(), "/k/*") << "the deletion prints what it deleted";
        }
    }
    EXPECT_NE(report["servers"][2]["status"].asString().find("no record with Url=/k/*"), std::string::npos);
    EXPECT_NE(report["servers"][3]["status"].asString().find("2 records with Url=/k/*"), std::string::npos);
}

// Ctrl-C while one server's add is held up and another's sign-in: nothing new is sent, both get
// their grace, and each row says what is true of its server.
TEST_F(Fleet, AnInterruptedRunSendsNothingNewAndEveryRowIsTrue)
{
    SimProcess quick, held, signingIn;
    Json::Value delay = morvix::test::OneShotFault("delay", "fcache", "add");
    delay["ms"] = 600000;
    held.addFault(delay);
    delay = morvix::test::OneShotFault("delay", "sign", "in");
    delay["ms"] = 600000;
    signingIn.addFault(delay);
    MorvixctlProcess process({"--parallel", "2", "--server", quick.host(), "--server", held.host(), "--server",
                              signingIn.host(), "fcache", "add", "Url=/stop/*"},
                             {"MORVIX_PASSWORD=admin", "XDG_DATA_HOME=" + data.Path().string()});
    const auto received = [](SimProcess& sim, const std::string& query) {
        for (const Json::Value& request : sim.requests())
            if (request["query"].asString() == query)
                return true;
        return false;
    };
    // The quick server's line shows while the others are still under way.
    ASSERT_TRUE(morvix::test::WaitUntil(
        [&] {
            return received(held, "type=fcache&cmd=add") && received(signingIn, "type=sign&cmd=in") &&
                   process.Out().find("== " + quick.host()) != std::string::npos;
        },
        std::chrono::seconds(30)))
        << process.Out() << process.Err();
    process.Signal(SIGINT);
    const Outcome run = WaitForOutcome(process);

    EXPECT_EQ(run.status, 130) << run.out << run.err;
    EXPECT_NE(run.err.find("interrupted"), std::string::npos) << run.err;
    const Outcomes expected = {
        {quick.host(), "accepted"}, {held.host(), "sent, result unknown"}, {signingIn.host(), "not run"}};
    EXPECT_EQ(TableOutcomes(run.out), expected) << run.out;
    EXPECT_NE(run.out.find("servers 3: accepted 1, refused 0, unreachable 0, unknown 1, not run 1"),
              std::string::npos)
        << run.out;
    EXPECT_TRUE(HoldsRule(quick, "/stop/*"));
    EXPECT_FALSE(received(signingIn, "type=fcache&cmd=add"));
}

// The servers file adds to --server; a dry run prints each server's requests and sends none of them.
TEST_F(Fleet, ADryRunOverAServersFilePrintsEachServersRequestsAndSendsNothing)
{
    SimProcess first, second;
    const ScratchDirectory scratch;
    morvix::test::WriteBytes(scratch / "servers", "# the fleet\n" + second.host() + "  # second\n\n");
    const Outcome run = Run({"--server", first.host(), "--servers-file", (scratch / "servers").string(), "--dry-run",
                             "--password", "s3cret", "fcache", "add", "Url=/dry/*"});

    EXPECT_EQ(run.status, 0) << run.err;
    for (SimProcess* sim : {&first, &second}) {
        const std::size_t at = run.out.find("== " + sim->host());
        ASSERT_NE(at, std::string::npos) << run.out;
        EXPECT_NE(run.out.find("POST http://" + sim->host() + "/morvix/webcache.mox?type=fcache&cmd=add", at),
                  std::string::npos)
            << run.out;
        EXPECT_EQ(sim->requests().size(), 0u);
    }
    EXPECT_NE(run.out.find("\n  Url=%2Fdry%2F*&"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("s3cret"), std::string::npos) << "the password shows: " << run.out;
}

// Every bad line of a servers file is reported with its number before anything is sent; good
// lines (names, IPv6 in brackets, a scheme) pass.
TEST_F(Fleet, AnUnusableServersFileOrAnExportWithoutAFilePerServerIsAUsageError)
{
    const ScratchDirectory scratch;
    const std::vector<std::pair<std::string, bool>> lines = {
        {"127.0.0.1:1", true},  {"not a server!", false}, {"h:abc", false},       {"h:99999", false},
        {"h:0", false},         {"h:-5", false},          {"127.0.0.1:80:90", false}, {"::1", false},
        {"[::1]:6780", true},   {"https://localhost:7", true}, {"[::1", false},   {"ftp://h:1", false},
    };
    std::string file;
    for (const auto& [line, good] : lines)
        file += line + "\n";
    morvix::test::WriteBytes(scratch / "servers", file);
    const Outcome bad = Run({"--servers-file", (scratch / "servers").string(), "--dry-run", "fcache", "list"});
    EXPECT_EQ(bad.status, 64);
    EXPECT_EQ(bad.out, "") << "sent or planned despite bad lines";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string at = "servers:" + std::to_string(i + 1) + ": \"" + lines[i].first + "\"";
        EXPECT_EQ(bad.err.find(at) != std::string::npos, !lines[i].second) << at << "\n" << bad.err;
    }

    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"--server", "127.0.0.1:1", "--server", "127.0.0.1:2", "rules", "export", (scratch / "rules.txt").string()},
         "{server}"},
        {{"--server", "127.0.0.1:1", "--server", "127.0.0.1:2", "watch"}, "one server"},
        {{"--match", "Note=x", "fcache", "del"}, "--match takes Url for fcache"},
        {{"--match", "Low=10.0.0.1", "fcache", "del"}, "--match takes Url for fcache"},
        {{"--match", "Url=/x/*", "fcache", "add"}, "fcache add takes none"},
        {{"--match", "Url=/x/*", "fcache", "del", "Wid=10031"}, "by Wid or by --match, not both"},
        {{"--server", "127.0.0.1:1", "--server", "127.0.0.1:2", "rewrite", "del", "RewriteID=7"},
         "--match SourceUrl=..."},
        {{"--server", "127.0.0.1:1", "--server", "127.0.0.1:2", "black", "modify", "BlackID=7", "Note=x"},
         "--match Low=... --match High=..."},
    };
    for (const auto& [arguments, message] : cases) {
        const Outcome run = Run(arguments);
        EXPECT_EQ(run.status, 64) << arguments.back();
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}

// The same server named twice, or under a name and its address, is worked on once, with a notice
// naming both.
TEST_F(Fleet, TheSameServerUnderTwoNamesIsTakenOnceWithANotice)
{
    SimProcess sim;
    const std::string port = std::to_string(sim.port());
    const Outcome run = Run({"--server", "127.0.0.1:" + port, "--server", "localhost:" + port, "--server",
                             "127.0.0.1:" + port, "fcache", "add", "Url=/once/*"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.err.find("localhost:" + port + " and 127.0.0.1:" + port + " are the same server"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("127.0.0.1:" + port + " is named twice"), std::string::npos) << run.err;
    int adds = 0;
    for (const Json::Value& request : sim.requests())
        adds += request["query"].asString() == "type=fcache&cmd=add";
    EXPECT_EQ(adds, 1);
}
