#include "FleetReport.h"

#include "CtlExitCode.h"
#include "TextTable.h"

#include <json/json.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// The last line the run wrote to standard error: the status text its reply ended with.
std::string StatusText(const FleetServerRun& run)
{
    std::string_view errors = run.errors;
    while (!errors.empty() && (errors.back() == '\n' || errors.back() == '\r'))
        errors.remove_suffix(1);
    const std::size_t lineStart = errors.rfind('\n');
    return std::string(lineStart == std::string_view::npos ? errors : errors.substr(lineStart + 1));
}

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

void WriteJson(std::ostream& out, const std::vector<FleetServerRun>& runs)
{
    Json::Value array(Json::arrayValue);
    for (const FleetServerRun& run : runs) {
        Json::Value& entry = array.append(Json::Value(Json::objectValue));
        entry["server"] = run.server;
        entry["outcome"] = FleetOutcome(run);
        entry["exit"] = run.exitStatus;
        entry["status"] = StatusText(run);
        entry["seconds"] = static_cast<double>(run.took.count()) / 1000.0;
        if (std::optional<Json::Value> result = ParsedJson(run.output))
            entry["result"] = std::move(*result);
        else if (!run.output.empty())
            entry["output"] = run.output;
    }
    out << IndentedJson(array) << "\n";
}

void WriteText(std::ostream& out, const std::vector<FleetServerRun>& runs)
{
    for (const FleetServerRun& run : runs) {
        if (run.output.empty())
            continue;
        out << "== " << run.server << "\n" << run.output;
        if (run.output.back() != '\n')
            out << "\n";
        out << "\n";
    }
    std::vector<std::vector<TextCell>> rows = {{{"server"}, {"outcome"}, {"seconds", true}, {"status"}}};
    for (const FleetServerRun& run : runs)
        rows.push_back({{run.server}, {FleetOutcome(run)}, {Seconds(run.took), true}, {StatusText(run)}});
    out << RenderTextTable(rows);
}

}  // namespace

std::string FleetOutcome(const FleetServerRun& run)
{
    if (run.timedOut)
        return "timed out";
    switch (run.exitStatus) {
    case -1: return "not run";
    case eCtlExit_Accepted: return "accepted";
    case eCtlExit_Refused: return "refused";
    case eCtlExit_ExchangeFailed: return "exchange failed";
    case eCtlExit_MalformedReply: return "unreadable reply";
    case eCtlExit_Usage: return "usage error";
    case eCtlExit_FileError: return "file error";
    default: return "exit " + std::to_string(run.exitStatus);
    }
}

void WriteFleetReport(std::ostream& out, const std::vector<FleetServerRun>& runs, bool json)
{
    if (json)
        WriteJson(out, runs);
    else
        WriteText(out, runs);
}

int FleetExitStatus(const std::vector<FleetServerRun>& runs)
{
    int worst = eCtlExit_Accepted;
    for (const FleetServerRun& run : runs)
        worst = std::max(worst, run.exitStatus < 0 ? int(eCtlExit_ExchangeFailed) : run.exitStatus);
    return worst;
}

std::string IndentedJson(const Json::Value& value)
{
    Json::StreamWriterBuilder builder;
    builder["emitUTF8"] = true;
    builder["indentation"] = "  ";
    return Json::writeString(builder, value);
}
