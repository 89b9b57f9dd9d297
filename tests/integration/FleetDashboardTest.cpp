#include "files/ScratchDirectory.h"
#include "integration/MorvixctlProcess.h"
#include "integration/ParseJson.h"
#include "support/RunShell.h"
#include "support/SimProcess.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <json/json.h>

#include <fstream>
#include <regex>
#include <set>

#ifndef MORVIX_PACKAGING_DIR
#error "MORVIX_PACKAGING_DIR must name the packaging folder"
#endif

using morvix::test::MorvixctlProcess;
using morvix::test::RunShell;
using morvix::test::ScratchDirectory;
using morvix::test::SimProcess;
using morvix::test::WaitUntil;

namespace {

const std::string kPackaging = MORVIX_PACKAGING_DIR;
const std::string kRules = kPackaging + "/prometheus/morvix-alerts.yml";
const std::string kDashboard = kPackaging + "/grafana/morvix-fleet.json";

std::string FileText(const std::string& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> MetricNames(const std::string& text)
{
    std::set<std::string> names;
    const std::regex name("\\bmorvix_[a-z0-9_]+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), name); it != std::sregex_iterator(); ++it)
        names.insert(it->str());
    return names;
}

// The PromQL of the dashboard: panel expressions and the variables' queries.
void CollectQueries(const Json::Value& value, std::string& queries)
{
    if (value.isObject()) {
        for (const std::string& key : value.getMemberNames()) {
            const Json::Value& member = value[key];
            if (member.isString() && (key == "expr" || key == "query" || key == "definition"))
                queries += member.asString() + "\n";
            else
                CollectQueries(member, queries);
        }
    } else if (value.isArray()) {
        for (const Json::Value& item : value)
            CollectQueries(item, queries);
    }
}

// The series names of one scrape of an exporter polling a simulator, once hosts and origins are in.
std::set<std::string> ServedNames()
{
    const SimProcess sim;
    const ScratchDirectory data;
    MorvixctlProcess exporter({"--server", sim.host(), "--listen", "127.0.0.1:0", "exporter"},
                              {"MORVIX_PASSWORD=admin", "XDG_DATA_HOME=" + data.Path().string()});
    std::string out;
    std::smatch port;
    EXPECT_TRUE(WaitUntil([&] {
        out = exporter.Out();
        return std::regex_search(out, port, std::regex("listening on 127\\.0\\.0\\.1:([0-9]+)"));
    })) << exporter.Err();
    httplib::Client client("127.0.0.1", std::stoi(port[1]));
    std::string scrape;
    EXPECT_TRUE(WaitUntil(
        [&] {
            const auto response = client.Get("/metrics");
            scrape = response ? response->body : "";
            return scrape.find("\nmorvix_upstream_up{") != std::string::npos &&
                   scrape.find("\nmorvix_hit_ratio{") != std::string::npos;
        },
        std::chrono::seconds(30)))
        << scrape;
    std::set<std::string> names;
    const std::regex sample("^(morvix_[a-z0-9_]+)\\{");
    std::istringstream lines(scrape);
    std::smatch found;
    for (std::string line; std::getline(lines, line);)
        if (std::regex_search(line, found, sample))
            names.insert(found[1]);
    return names;
}

}  // namespace

TEST(FleetWatch, TheAlertRulesAreValidAndFireAsTheirUnitTestSays)
{
    std::string problems;
    EXPECT_EQ(RunShell("promtool check rules '" + kRules + "' 2>&1", &problems), 0) << problems;
    EXPECT_EQ(RunShell("cd '" + kPackaging + "/prometheus' && promtool test rules morvix-alerts.test.yml 2>&1",
                       &problems),
              0)
        << problems;
}

// A metric renamed in the exporter would leave a panel or an alert silently empty.
TEST(FleetWatch, EveryExpressionOfTheDashboardAndTheRulesNamesOnlySeriesTheExporterServes)
{
    const Json::Value dashboard = morvix::test::ParseJson(FileText(kDashboard));
    std::string queries;
    CollectQueries(dashboard, queries);
    EXPECT_EQ(dashboard["templating"]["list"][1]["name"].asString(), "server");

    const std::set<std::string> served = ServedNames();
    const std::pair<std::string, std::set<std::string>> sources[] = {{"dashboard", MetricNames(queries)},
                                                                     {"rules", MetricNames(FileText(kRules))}};
    for (const auto& [source, names] : sources) {
        EXPECT_GE(names.size(), 4u) << source;
        for (const std::string& name : names)
            EXPECT_TRUE(served.count(name)) << source << " names " << name << ", which the exporter does not serve";
    }
}
