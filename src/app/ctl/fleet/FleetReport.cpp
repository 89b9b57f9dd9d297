#include "FleetReport.h"

#include "FleetChildLines.h"
#include "FleetOutcome.h"
#include "JsonText.h"
#include "OutputGroups.h"
#include "TextTable.h"

#include <json/json.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>

namespace {

// The recap's counts in their order; the first five are always shown.
constexpr std::string_view kRecapCounts[] = {"accepted", "refused",    "unreachable", "unknown",
                                             "not run",  "unreadable", "failed"};
constexpr std::size_t kAlwaysShown = 5;

std::string Seconds(std::chrono::milliseconds took)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(took.count()) / 1000.0);
    return text;
}

std::optional<Json::Value> ParsedJson(const std::string& text)
{
    Json::Value value;
    std::string errors;
    const std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
    if (text.empty() || !reader->parse(text.data(), text.data() + text.size(), &value, &errors))
        return std::nullopt;
    return value;
}

Json::Value EntryOf(const FleetServerRun& run)
{
    Json::Value entry(Json::objectValue);
    entry["server"] = run.server;
    entry["outcome"] = std::string(InfoOf(OutcomeOf(run)).name);
    entry["exit"] = run.exitStatus < 0 ? Json::Value() : Json::Value(run.exitStatus);  // null: not run
    entry["status"] = FleetStatusText(run);
    entry["seconds"] = static_cast<double>(run.took.count()) / 1000.0;
    if (std::optional<Json::Value> result = ParsedJson(run.output))
        entry["result"] = std::move(*result);
    else if (!run.output.empty())
        entry["output"] = run.output;
    return entry;
}

std::map<std::string_view, int> Counts(const std::vector<FleetServerRun>& runs)
{
    std::map<std::string_view, int> counts;
    for (const std::string_view name : kRecapCounts)
        counts[name] = 0;
    for (const FleetServerRun& run : runs)
        ++counts[InfoOf(OutcomeOf(run)).recap];
    return counts;
}

std::string Padded(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

}  // namespace

FleetReport::FleetReport(std::ostream& out, std::ostream& progress, Form form,
                         const std::vector<std::string>& servers, bool grouped)
    : out_(out), progress_(progress), form_(form), grouped_(grouped)
{
    for (const std::string& server : servers)
        serverWidth_ = std::max(serverWidth_, server.size());
}

void FleetReport::Finished(const FleetServerRun& run)
{
    const std::string line = Padded(run.server, serverWidth_) + "  " + std::string(InfoOf(OutcomeOf(run)).name) +
                             "  " + Seconds(run.took) + " s  " + FleetStatusText(run);
    if (form_ == Form::Text && grouped_) {
        out_ << line << std::endl;
        return;
    }
    if (form_ == Form::Text) {
        out_ << "== " << line << "\n" << run.output;
        if (!run.output.empty() && run.output.back() != '\n')
            out_ << "\n";
        if (!run.output.empty())
            out_ << "\n";
        out_.flush();
        return;
    }
    progress_ << line << std::endl;
    if (form_ == Form::JsonLines) {
        out_ << OneLineJson(EntryOf(run)) << std::endl;
    }
}

void FleetReport::Close(const std::vector<FleetServerRun>& runs, bool interrupted)
{
    std::vector<OutputGroup> groups;
    if (grouped_) {
        std::vector<std::string> servers, outputs;
        for (const FleetServerRun& run : runs) {
            servers.push_back(run.server);
            outputs.push_back(std::string(InfoOf(OutcomeOf(run)).name) + "\n" + FleetStatusText(run) + "\n" + run.output);
        }
        groups = GroupIdentical(servers, outputs);
    }
    if (form_ == Form::Json) {
        Json::Value document(Json::objectValue);
        Json::Value& servers = document[grouped_ ? "groups" : "servers"] = Json::Value(Json::arrayValue);
        if (!grouped_)
            for (const FleetServerRun& run : runs)
                servers.append(EntryOf(run));
        for (const OutputGroup& group : groups) {
            Json::Value entry = EntryOf(runs[group.first]);
            entry.removeMember("server");
            entry.removeMember("seconds");
            entry["servers"] = Json::Value(Json::arrayValue);
            for (const std::string& server : group.servers)
                entry["servers"].append(server);
            servers.append(std::move(entry));
        }
        Json::Value& counts = document["counts"] = Json::Value(Json::objectValue);
        for (const auto& [name, count] : Counts(runs))
            counts[std::string(name)] = count;
        document["interrupted"] = interrupted;
        out_ << IndentedJson(document) << "\n";
    } else if (form_ == Form::Text && grouped_) {
        for (const OutputGroup& group : groups) {
            const FleetServerRun& run = runs[group.first];
            const std::string status = FleetStatusText(run);
            out_ << "\n== " << GroupHeading(group) << "  " << InfoOf(OutcomeOf(run)).name
                 << (status.empty() ? "" : "  " + status) << "\n"
                 << run.output;
            if (!run.output.empty() && run.output.back() != '\n')
                out_ << "\n";
        }
    } else if (form_ == Form::Text) {
        std::vector<std::vector<TextCell>> rows = {{{"server"}, {"outcome"}, {"seconds", true}, {"status"}}};
        for (const FleetServerRun& run : runs)
            rows.push_back({{run.server},
                            {std::string(InfoOf(OutcomeOf(run)).name)},
                            {Seconds(run.took), true},
                            {FleetStatusText(run)}});
        out_ << RenderTextTable(rows);
    }
    std::ostream& recap = form_ == Form::Text ? out_ : progress_;
    recap << FleetRecap(runs) << "\n";
    if (interrupted)
        progress_ << "interrupted\n";
    out_.flush();
    progress_.flush();
}

std::string FleetRecap(const std::vector<FleetServerRun>& runs)
{
    const std::map<std::string_view, int> counts = Counts(runs);
    std::string recap = "servers " + std::to_string(runs.size()) + ":";
    for (std::size_t i = 0; i < std::size(kRecapCounts); ++i) {
        const int count = counts.at(kRecapCounts[i]);
        if (i < kAlwaysShown || count > 0)
            recap += std::string(i == 0 ? " " : ", ") + std::string(kRecapCounts[i]) + " " + std::to_string(count);
    }
    return recap;
}

std::string FleetStatusText(const FleetServerRun& run)
{
    std::string_view errors = run.errors;
    while (!errors.empty()) {
        while (!errors.empty() && (errors.back() == '\n' || errors.back() == '\r'))
            errors.remove_suffix(1);
        const std::size_t lineStart = errors.rfind('\n');
        const std::string_view line = lineStart == std::string_view::npos ? errors : errors.substr(lineStart + 1);
        if (!IsOutcomeLine(line))
            return std::string(line);
        errors.remove_suffix(line.size());
    }
    return {};
}
