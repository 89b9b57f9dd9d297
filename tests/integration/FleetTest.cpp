#include "files/ScratchDirectory.h"
#include "integration/MorvixctlProcess.h"
#include "integration/ParseJson.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>
#include <json/json.h>

#include <map>
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
        const std::regex row("^(127\\.0\\.0\\.1:[0-9]+) +(accepted|refused|exchange failed|timed out) +[0-9.]+( |$)");
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

// One server takes the rule, one refuses it, one is not running: each is reported on its own row,
// the exit status is the worst of theirs, and only the healthy server holds the rule.
TEST_F(Fleet, AnAddToThreeServersReportsEachAndExitsWithTheWorstOutcome)
{
    for (const bool json : {false, true}) {
        SCOPED_TRACE(json ? "json" : "table");
        SimProcess healthy, refusing, stopped;
        Json::Value busy;
        busy["kind"] = "busy";
        busy["type"] = "fcache";
        busy["cmd"] = "add";
        refusing.addFault(busy);
        stopped.stop();

        std::vector<std::string> arguments = {"--server", healthy.host(), "--server", refusing.host(), "--server",
                                              stopped.host()};
        if (json)
            arguments.push_back("--json");
        arguments.insert(arguments.end(), {"fcache", "add", "Url=/fleet/*", "Note=全部"});
        const Outcome run = Run(arguments);

        EXPECT_EQ(run.status, 2) << run.out << run.err;
        const Outcomes expected = {
            {healthy.host(), "accepted"}, {refusing.host(), "refused"}, {stopped.host(), "exchange failed"}};
        if (json) {
            const Json::Value report = ParseJson(run.out);
            EXPECT_EQ(JsonOutcomes(report), expected) << run.out;
            ASSERT_EQ(report.size(), 3u);
            EXPECT_EQ(report[0]["result"]["Url"].asString(), "/fleet/*") << run.out;
            EXPECT_EQ(report[0]["exit"].asInt(), 0);
            EXPECT_EQ(report[1]["exit"].asInt(), 1);
            EXPECT_FALSE(report[1]["status"].asString().empty()) << run.out;
            EXPECT_TRUE(report[2]["seconds"].isDouble()) << run.out;
        } else {
            EXPECT_EQ(TableOutcomes(run.out), expected) << run.out;
            EXPECT_NE(run.out.find("== " + healthy.host()), std::string::npos) << run.out;
        }
        EXPECT_TRUE(HoldsRule(healthy, "/fleet/*"));
        EXPECT_FALSE(HoldsRule(refusing, "/fleet/*"));
    }
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

// A server that does not answer within the time limit is given up; the others go on meanwhile. The
// limit leaves a sanitizer build on a busy machine ample time for the quick server.
TEST_F(Fleet, AServerSlowerThanTheTimeLimitIsGivenUpWhileTheOthersAreServed)
{
    SimProcess slow, quick;
    Json::Value delay;
    delay["kind"] = "delay";
    delay["type"] = "fcache";
    delay["ms"] = 600000;
    slow.addFault(delay);
    const Outcome run = Run({"--server", slow.host(), "--server", quick.host(), "--parallel", "2", "--time-limit",
                             "10", "--json", "fcache", "list"});

    EXPECT_EQ(run.status, 2) << run.out << run.err;
    const Outcomes expected = {{slow.host(), "timed out"}, {quick.host(), "accepted"}};
    EXPECT_EQ(JsonOutcomes(ParseJson(run.out)), expected) << run.out;
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
