#include "support/SimProcess.h"

#include <gtest/gtest.h>
#include <json/reader.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace morvix::sim::test {

namespace {

struct Outcome {
    int exitCode;
    std::string output;
};

// Runs the program to its end with standard error joined to its output.
Outcome runToEnd(const std::string& arguments)
{
    const std::string command = std::string(MORVIX_SIM_PATH) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = pclose(pipe);
    return Outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

class TemporaryDirectory {
public:
    TemporaryDirectory()
    {
        char pattern[] = "/tmp/morvix-sim-test-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TemporaryDirectory() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::string pageRule = "Url=http%3A%2F%2Fkept.example%2F*&Icase=1&Rules=0&Expire=1&Unit=0&Icookie=1&Olimit=0&"
                             "IsDiskCache=1&Note=%E4%BF%9D%E7%95%99";

}  // namespace

TEST(Process, StopsCleanlyOnSigterm)
{
    morvix::test::SimProcess sim;
    EXPECT_GT(sim.port(), 0);
    EXPECT_NO_THROW(sim.signIn());
    const int status = sim.stop();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(Process, RefusesAnAddressItCannotBind)
{
    morvix::test::SimProcess holder;
    const Outcome outcome = runToEnd("--listen " + holder.host());
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.output.find("cannot listen on " + holder.host()), std::string::npos) << outcome.output;
    EXPECT_EQ(runToEnd("--listen nonsense").exitCode, 2);
}

TEST(Process, HelpNamesTheDefaults)
{
    const Outcome outcome = runToEnd("--help");
    EXPECT_EQ(outcome.exitCode, 0);
    for (const char* text : {"--listen", "127.0.0.1:6780", "\"admin\"", "\"keeper\"", "--state", "--stream-rate"})
        EXPECT_NE(outcome.output.find(text), std::string::npos) << text;
}

TEST(Process, StateSurvivesARestart)
{
    TemporaryDirectory directory;
    const std::string file = (directory.path() / "state.json").string();
    std::string wid;
    {
        morvix::test::SimProcess sim({"--state", file, "--seed", "3"});
        const std::string session = sim.signIn();
        wid = sim.call("fcache", "add", pageRule + "&SessionID=" + session + "&RequestID=2")["Wid"].asString();
        ASSERT_FALSE(wid.empty());
        ASSERT_EQ(sim.call("user", "passwd", "SessionID=" + session + "&RequestID=3&Username=admin&Password=s3cret")
                      ["Return"]
                      .asString(),
                  "True");
    }
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));
    morvix::test::SimProcess again({"--state", file});
    EXPECT_THROW(again.signIn("admin", "admin"), std::runtime_error);
    const std::string session = again.signIn("admin", "s3cret");
    const Json::Value list = again.call("fcache", "list", "SessionID=" + session + "&RequestID=2");
    const Json::Value& last = list["Lists"][list["Lists"].size() - 1];
    EXPECT_EQ(last["Wid"].asString(), wid);
    EXPECT_EQ(last["Note"].asString(), "%E4%BF%9D%E7%95%99");
    const std::string next = again.call("fcache", "add",
                                        "Url=another&Icase=1&Rules=0&Expire=1&Unit=0&Icookie=1&Olimit=0&"
                                        "IsDiskCache=1&Note=&SessionID=" + session + "&RequestID=3")["Wid"]
                                 .asString();
    EXPECT_GT(std::stoll(next), std::stoll(wid)) << "identifiers go on after a restart";
}

TEST(Process, DamagedStateFileIsRefusedAndLeftAlone)
{
    TemporaryDirectory directory;
    const auto file = directory.path() / "state.json";
    for (const std::string& damaged : {std::string("{\"morvix-sim-state\": 1, \"nextId\": "), std::string("[1, 2]"),
                                       std::string("{\"morvix-sim-state\": 1, \"nextId\": 5}")}) {
        std::ofstream(file, std::ios::binary) << damaged;
        const Outcome outcome = runToEnd("--listen 127.0.0.1:0 --state " + file.string());
        EXPECT_EQ(outcome.exitCode, 2) << damaged;
        EXPECT_NE(outcome.output.find("refusing to start"), std::string::npos) << outcome.output;
        EXPECT_EQ(readFile(file), damaged);
    }
}

}  // namespace morvix::sim::test
