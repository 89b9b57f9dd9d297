#include "files/ScratchDirectory.h"
#include "integration/MorvixctlProcess.h"
#include "integration/ParseJson.h"
#include "shell/AppPaths.h"
#include "support/RunShell.h"
#include "support/SimProcess.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <json/json.h>

#include <algorithm>
#include <fstream>
#include <map>
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
using morvix::test::WriteBytes;

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

// The series names of scrapes of an exporter polling a simulator, once every name of `wanted` is
// among them or the deadline has passed: host and origin figures come with the host rounds.
std::set<std::string> ServedNames(const std::set<std::string>& wanted)
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
    std::set<std::string> names;
    const std::regex sample("^(morvix_[a-z0-9_]+)\\{");
    WaitUntil(
        [&] {
            const auto response = client.Get("/metrics");
            std::istringstream lines(response ? response->body : "");
            std::smatch found;
            for (std::string line; std::getline(lines, line);)
                if (std::regex_search(line, found, sample))
                    names.insert(found[1]);
            return std::ranges::includes(names, wanted);
        },
        std::chrono::seconds(30));
    return names;
}

// Each alert rule's text, by alert name.
std::map<std::string, std::string> AlertRules(const std::string& rules)
{
    std::map<std::string, std::string> alerts;
    const std::regex start("- alert: ([A-Za-z]+)");
    std::vector<std::smatch> found;
    for (auto it = std::sregex_iterator(rules.begin(), rules.end(), start); it != std::sregex_iterator(); ++it)
        found.push_back(*it);
    for (std::size_t i = 0; i < found.size(); ++i) {
        const auto end = i + 1 < found.size() ? found[i + 1][0].first : rules.end();
        alerts[found[i][1]] = std::string(found[i][0].first, end);
    }
    return alerts;
}

const Json::Value& PanelTitled(const Json::Value& dashboard, const std::string& title)
{
    for (const Json::Value& panel : dashboard["panels"])
        if (panel["title"].asString() == title)
            return panel;
    ADD_FAILURE() << "no panel " << title;
    return Json::Value::nullSingleton();
}

// A panel expression as Grafana sends it with every server chosen.
std::string Expanded(std::string expression)
{
    const std::pair<std::string, std::string> variables[] = {{"$server", ".*"}, {"$__rate_interval", "5m"}};
    for (const auto& [name, value] : variables)
        for (std::size_t at; (at = expression.find(name)) != std::string::npos;)
            expression.replace(at, name.size(), value);
    return expression;
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

    const std::pair<std::string, std::set<std::string>> sources[] = {{"dashboard", MetricNames(queries)},
                                                                     {"rules", MetricNames(FileText(kRules))}};
    std::set<std::string> wanted;
    for (const auto& [source, names] : sources)
        wanted.insert(names.begin(), names.end());
    const std::set<std::string> served = ServedNames(wanted);
    for (const auto& [source, names] : sources) {
        EXPECT_GE(names.size(), 4u) << source;
        for (const std::string& name : names)
            EXPECT_TRUE(served.count(name)) << source << " names " << name << ", which the exporter does not serve";
    }
}

// Whoever is paged at night needs to know what broke and where to look, and a rule without a case
// that makes it fire may never fire at all.
TEST(FleetWatch, EveryAlertSaysWhatAndWhyLeadsToItsRunbookAndHasACaseWhereItFires)
{
    const std::map<std::string, std::string> alerts = AlertRules(FileText(kRules));
    const std::string tests = FileText(kPackaging + "/prometheus/morvix-alerts.test.yml");
    const std::string runbook = FileText((AppPaths::HelpDirectory() / "alerts.html").string());
    EXPECT_GE(alerts.size(), 9u);
    for (const auto& [name, rule] : alerts) {
        for (const char* annotation : {"summary: ", "description: "})
            EXPECT_NE(rule.find(annotation), std::string::npos) << name << " has no " << annotation;
        EXPECT_NE(rule.find("runbook_url: \"file:///usr/share/doc/morvix/help/alerts.html#" + name + "\""),
                  std::string::npos)
            << name;
        EXPECT_NE(runbook.find("id=\"" + name + "\""), std::string::npos) << "the runbook has no section " << name;
        EXPECT_TRUE(std::regex_search(tests, std::regex("alertname: " + name + "\\s+exp_alerts:")))
            << name << " has no test case where it fires";
    }
}

// A server that does not answer reports no origins: counted as none down it would look healthy.
TEST(FleetWatch, TheDashboardShowsADownServerAsDownAndPlotsCountersAsRates)
{
    const Json::Value dashboard = morvix::test::ParseJson(FileText(kDashboard));
    const Json::Value& originsDown = PanelTitled(dashboard, "Origins down");
    struct Server {
        const char* name;
        const char* up;
        std::vector<const char*> origins;  // morvix_upstream_up of each origin
        const char* shown;
    };
    const Server servers[] = {
        {"one-origin-down", "1", {"0", "1"}, "1"},
        {"all-origins-up", "1", {"1"}, "0"},
        {"no-origins", "1", {}, "0"},
        {"not-answering", "0", {}, "-1"},
    };
    std::string series;
    std::string expected;
    for (const Server& server : servers) {
        series += std::string("      - series: 'morvix_up{server=\"") + server.name + "\"}'\n        values: '" +
                  server.up + "'\n";
        for (std::size_t i = 0; i < server.origins.size(); ++i)
            series += std::string("      - series: 'morvix_upstream_up{server=\"") + server.name +
                      "\",host=\"h\",origin=\"o" + std::to_string(i) + "\"}'\n        values: '" +
                      server.origins[i] + "'\n";
        expected += std::string("          - labels: '{server=\"") + server.name + "\"}'\n            value: " +
                    server.shown + "\n";
    }
    const ScratchDirectory scratch;
    WriteBytes(scratch / "panel.test.yml",
               "rule_files: []\ntests:\n  - interval: 1m\n    input_series:\n" + series +
                   "    promql_expr_test:\n      - expr: " +
                   Json::valueToQuotedString(Expanded(originsDown["targets"][0]["expr"].asString()).c_str()) +
                   "\n        eval_time: 0m\n        exp_samples:\n" + expected);
    std::string problems;
    EXPECT_EQ(RunShell("cd '" + scratch.Path().string() + "' && promtool test rules panel.test.yml 2>&1", &problems), 0)
        << problems;
    const Json::Value& down = originsDown["fieldConfig"]["defaults"]["mappings"][0]["options"]["-1"];
    EXPECT_NE(down["text"].asString().find("down"), std::string::npos) << down;

    // A counter is drawn as its rate: its value only says how long the exporter has run.
    std::string queries;
    CollectQueries(dashboard["panels"], queries);
    const std::regex counter("([a-z]*)\\(?(morvix_[a-z0-9_]+_total)");
    for (auto it = std::sregex_iterator(queries.begin(), queries.end(), counter); it != std::sregex_iterator(); ++it)
        EXPECT_TRUE((*it)[1] == "rate" || (*it)[1] == "increase") << (*it)[2] << " is drawn as it stands";
    EXPECT_NE(queries.find("rate(morvix_host_requests_total"), std::string::npos);
}
