#include "files/ScratchDirectory.h"
#include "integration/MorvixctlProcess.h"
#include "support/RunShell.h"
#include "support/SimProcess.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <json/json.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <sstream>

using morvix::test::MorvixctlProcess;
using morvix::test::RunShell;
using morvix::test::ScratchDirectory;
using morvix::test::SimProcess;
using morvix::test::WaitUntil;

namespace {

// Samples by their series, e.g. morvix_up{server="127.0.0.1:4000"}.
using Scrape = std::map<std::string, double>;

class Exporter : public ::testing::Test {
protected:
    void SetUp() override
    {
        exporter = std::make_unique<MorvixctlProcess>(
            std::vector<std::string>{"--server", first.host(), "--server", second.host(), "--listen", "127.0.0.1:0",
                                     "exporter"},
            std::vector<std::string>{"MORVIX_PASSWORD=admin", "XDG_DATA_HOME=" + data.Path().string()});
        // The match points into the output it was found in, so that output is kept.
        std::string out;
        std::smatch found;
        ASSERT_TRUE(WaitUntil([&] {
            out = exporter->Out();
            return std::regex_search(out, found, std::regex("listening on 127\\.0\\.0\\.1:([0-9]+)"));
        })) << exporter->Err();
        client = std::make_unique<httplib::Client>("127.0.0.1", std::stoi(found[1]));
    }

    std::string Get(const std::string& path)
    {
        const auto response = client->Get(path.c_str());
        return response && response->status == 200 ? response->body : std::string();
    }

    static Scrape Parse(const std::string& text)
    {
        Scrape samples;
        const std::regex line("^([a-z_]+(\\{[^}]*\\})?) (\\S+)$");
        std::smatch found;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
            const std::string row = text.substr(start, end - start);
            if (std::regex_match(row, found, line))
                samples[found[1]] = std::stod(found[3]);
        }
        return samples;
    }

    static std::string Series(const std::string& name, const SimProcess& sim)
    {
        return name + "{server=\"" + sim.host() + "\"}";
    }

    SimProcess first;
    SimProcess second;
    ScratchDirectory data;
    std::unique_ptr<MorvixctlProcess> exporter;
    std::unique_ptr<httplib::Client> client;
};

}  // namespace

TEST_F(Exporter, ServesTheFiguresOfEveryServerAsWatchComputesThemInAValidScrape)
{
    // Both servers with their counters, figures, hosts and origins; per host and per origin, the
    // host monitor's interval figures, which need its second sample.
    const std::vector<std::string> perHost{
        "morvix_host_client_connections{server=\"" + first.host() + "\",host=\"www.example.com\"}",
        "morvix_host_download_bandwidth_bytes_per_second{server=\"" + first.host() + "\",host=\"www.example.com\"}",
        "morvix_upstream_interval_requests{server=\"" + first.host() +
            "\",host=\"www.example.com\",origin=\"10.1.0.11:80\"}"};
    std::string text;
    ASSERT_TRUE(WaitUntil(
        [&] {
            text = Get("/metrics");
            const Scrape scrape = Parse(text);
            return scrape.count(Series("morvix_client_bandwidth_bytes_per_second", first)) &&
                   scrape.count(Series("morvix_client_bandwidth_bytes_per_second", second)) &&
                   text.find("morvix_upstream_up{server=\"" + first.host()) != std::string::npos &&
                   text.find("morvix_upstream_up{server=\"" + second.host()) != std::string::npos &&
                   std::ranges::all_of(perHost, [&](const std::string& series) {
                       return text.find(series + " ") != std::string::npos;
                   });
        },
        std::chrono::seconds(30)))
        << text << exporter->Err();
    const ScratchDirectory scratch;
    morvix::test::WriteBytes(scratch / "metrics", text);
    std::string problems;
    EXPECT_EQ(RunShell("promtool check metrics < '" + (scratch / "metrics").string() + "' 2>&1", &problems), 0)
        << problems;

    // The gauges are the figures of the sample watch --json prints, in base units: one scrape
    // between two reads of the same sample.
    Json::Value figures;
    Scrape scrape;
    ASSERT_TRUE(WaitUntil([&] {
        const std::string before = Get("/samples");
        scrape = Parse(Get("/metrics"));
        std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
        return before == Get("/samples") &&
               reader->parse(before.data(), before.data() + before.size(), &figures, nullptr) &&
               figures.isMember(first.host());
    }));
    const Json::Value& sample = figures[first.host()];
    const auto expectFigure = [&](const std::string& name, double expected) {
        ASSERT_TRUE(scrape.count(Series(name, first))) << name;
        EXPECT_NEAR(scrape[Series(name, first)], expected, 1e-9 * std::max(1.0, std::fabs(expected))) << name;
    };
    expectFigure("morvix_client_bandwidth_bytes_per_second", sample["BandwidthIn"].asDouble() * 131072);
    expectFigure("morvix_origin_bandwidth_bytes_per_second", sample["BandwidthExt"].asDouble() * 131072);
    expectFigure("morvix_hit_ratio", sample["HitCurrent"].asDouble() / 100);
    expectFigure("morvix_saving_ratio", sample["Saving"].asDouble() / 100);
    expectFigure("morvix_client_connections", sample["ConnectionsIn"].asDouble());
    expectFigure("morvix_cache_memory_used_bytes", sample["CacheUsedMemSize"].asDouble() * 1024);

    // Requests are counted up across host rounds, not the last round's alone.
    const std::string requests =
        "morvix_host_requests_total{server=\"" + first.host() + "\",host=\"www.example.com\"}";
    const double counted = Parse(Get("/metrics"))[requests];
    EXPECT_TRUE(WaitUntil([&] { return Parse(Get("/metrics"))[requests] > counted; }, std::chrono::seconds(30)));
}

TEST_F(Exporter, AServerThatStopsAnsweringIsDownWhileTheOtherKeepsMoving)
{
    ASSERT_TRUE(WaitUntil(
        [&] {
            Scrape scrape = Parse(Get("/metrics"));
            return scrape[Series("morvix_up", first)] == 1 && scrape[Series("morvix_up", second)] == 1;
        },
        std::chrono::seconds(30)));
    second.stop();
    Scrape scrape;
    ASSERT_TRUE(WaitUntil(
        [&] {
            scrape = Parse(Get("/metrics"));
            return scrape.count(Series("morvix_up", second)) && scrape[Series("morvix_up", second)] == 0;
        },
        std::chrono::seconds(30)));
    // Down, not frozen: none of its figures are served any more, only when it last answered.
    for (const auto& [series, value] : scrape) {
        if (series.find(second.host()) != std::string::npos) {
            EXPECT_TRUE(series.rfind("morvix_up", 0) == 0 || series.rfind("morvix_last_poll", 0) == 0 ||
                        series.rfind("morvix_poll_errors_total", 0) == 0)
                << series;
        }
    }
    EXPECT_GT(scrape[Series("morvix_poll_errors_total", second)], 0);
    EXPECT_GT(scrape[Series("morvix_last_poll_success_timestamp_seconds", second)], 0);

    const double sent = scrape[Series("morvix_client_sent_bytes_total", first)];
    EXPECT_TRUE(WaitUntil([&] { return Parse(Get("/metrics"))[Series("morvix_client_sent_bytes_total", first)] > sent; },
                          std::chrono::seconds(30)));
    EXPECT_EQ(Parse(Get("/metrics"))[Series("morvix_up", first)], 1);
}

// A server that keeps failing is logged when it starts and when it answers again, not at every
// poll or every restart of its poller; the counters and the host list each on their own, since one
// fails while the other answers.
TEST_F(Exporter, LogsAFailureOnceWhenItStartsAndOnceWhenTheServerAnswersAgainEachLineWithItsTime)
{
    const auto errors = [&](const SimProcess& sim) {
        return Parse(Get("/metrics"))[Series("morvix_poll_errors_total", sim)];
    };
    // Lines about the server whose text after "SERVER: " matches.
    const auto logLines = [&](const SimProcess& sim, const std::string& text) {
        const std::string about = " " + sim.host() + ": ";
        const std::regex matching(text);
        std::istringstream lines(exporter->Err());
        int count = 0;
        for (std::string line; std::getline(lines, line);) {
            const std::size_t at = line.find(about);
            count += at != std::string::npos && std::regex_search(line.substr(at + about.size()), matching);
        }
        return count;
    };
    ASSERT_TRUE(WaitUntil(
        [&] {
            Scrape scrape = Parse(Get("/metrics"));
            return scrape[Series("morvix_up", first)] == 1 && scrape[Series("morvix_up", second)] == 1;
        },
        std::chrono::seconds(30)));

    struct Case {
        const char* refused;  // request type the simulator refuses as busy
        bool expireSessions;  // so that the poller must sign in again, and fails, and is restarted
        std::string failing;
        std::string answering;
    };
    const Case cases[] = {
        {"realtime", false, "^获取实时监控信息失败", "^answers again$"},
        {"proxy", false, "^host list: 获取主机列表信息失败", "^host list answers again$"},
        {"sign", true, "^登录.*失败", "^answers again$"},
    };
    for (const Case& test : cases) {
        Json::Value busy;
        busy["kind"] = "busy";
        busy["type"] = test.refused;
        const double before = errors(first);
        const int failed = logLines(first, test.failing);
        const int answered = logLines(first, test.answering);
        first.addFault(busy);
        if (test.expireSessions)
            first.expireSessions();
        EXPECT_TRUE(WaitUntil([&] { return errors(first) >= before + 3; }, std::chrono::seconds(60))) << test.refused;
        first.clearFaults();
        EXPECT_TRUE(WaitUntil([&] { return logLines(first, test.answering) == answered + 1; },
                              std::chrono::seconds(60)))
            << test.refused << "\n" << exporter->Err();
        EXPECT_EQ(logLines(first, test.failing), failed + 1) << test.refused << "\n" << exporter->Err();
    }

    // A server that is gone: every poll fails the same way.
    const double before = errors(second);
    second.stop();
    EXPECT_TRUE(WaitUntil([&] { return errors(second) >= before + 6; }, std::chrono::seconds(60)));
    EXPECT_EQ(logLines(second, "^(?!host list)"), 1) << exporter->Err();

    const std::regex timed("^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{3}Z .+");
    std::istringstream lines(exporter->Err());
    for (std::string line; std::getline(lines, line);)
        EXPECT_TRUE(std::regex_match(line, timed)) << line;
}
