#include "DriftReport.h"

#include "JsonText.h"
#include "OutputGroups.h"
#include "ResultWriter.h"

#include <json/json.h>

#include <algorithm>

namespace {

std::string StateName(const DriftVerdict& verdict)
{
    switch (verdict.state) {
    case DriftVerdict::State::Reference: return "reference";
    case DriftVerdict::State::Same: return "same";
    case DriftVerdict::State::Differs: return "differs";
    case DriftVerdict::State::Failed: break;
    }
    return verdict.outcome;
}

// The lines under a server's heading: one per record, padded so that the keys line up.
std::string Body(const DriftVerdict& verdict)
{
    std::string body = StateName(verdict);
    if (verdict.state == DriftVerdict::State::Failed && !verdict.status.empty())
        body += ": " + verdict.status;
    body += "\n";
    std::size_t width = 0;
    for (const FamilyDrift& drift : verdict.drift)
        width = std::max(width, drift.family->name.size());
    for (const FamilyDrift& drift : verdict.drift) {
        const std::string family = std::string(drift.family->name) + std::string(width - drift.family->name.size(), ' ');
        for (const DriftKey& key : drift.missing)
            body += "   " + family + "  missing  " + key.text + "\n";
        for (const DriftKey& key : drift.extra)
            body += "   " + family + "  extra    " + key.text + "\n";
        for (const RecordDrift& record : drift.differing) {
            body += "   " + family + "  differs  " + (record.key.text.empty() ? "options" : record.key.text) + ":";
            for (std::size_t i = 0; i < record.fields.size(); ++i) {
                const FieldDrift& field = record.fields[i];
                body += (i == 0 ? " " : "; ") + field.field + " " + JsonString(field.reference) + " -> " +
                        JsonString(field.server);
            }
            body += "\n";
        }
    }
    return body;
}

Json::Value Texts(const std::vector<std::string>& texts)
{
    Json::Value list(Json::arrayValue);
    for (const std::string& text : texts)
        list.append(text);
    return list;
}

// As --match takes it: {"Low": "10.0.0.1", "High": "10.0.0.9"}.
Json::Value KeyOf(const DriftKey& key)
{
    Json::Value fields(Json::objectValue);
    for (const auto& [name, value] : key.fields)
        fields[name] = value;
    return fields;
}

Json::Value Keys(const std::vector<DriftKey>& keys)
{
    Json::Value list(Json::arrayValue);
    for (const DriftKey& key : keys)
        list.append(KeyOf(key));
    return list;
}

Json::Value EntryOf(const DriftVerdict& verdict)
{
    Json::Value entry(Json::objectValue);
    entry["state"] = StateName(verdict);
    if (verdict.state == DriftVerdict::State::Failed)
        entry["status"] = verdict.status;
    Json::Value& families = entry["families"] = Json::Value(Json::objectValue);
    for (const FamilyDrift& drift : verdict.drift) {
        Json::Value& family = families[std::string(drift.family->name)] = Json::Value(Json::objectValue);
        family["missing"] = Keys(drift.missing);
        family["extra"] = Keys(drift.extra);
        Json::Value& differing = family["differing"] = Json::Value(Json::arrayValue);
        for (const RecordDrift& record : drift.differing) {
            Json::Value item(Json::objectValue);
            item["key"] = KeyOf(record.key);
            Json::Value& fields = item["fields"] = Json::Value(Json::objectValue);
            for (const FieldDrift& field : record.fields) {
                fields[field.field]["reference"] = field.reference;
                fields[field.field]["server"] = field.server;
            }
            differing.append(std::move(item));
        }
    }
    return entry;
}

}  // namespace

std::string DriftRecap(const std::vector<DriftVerdict>& verdicts)
{
    const auto count = [&](DriftVerdict::State state) {
        return std::count_if(verdicts.begin(), verdicts.end(),
                             [state](const DriftVerdict& verdict) { return verdict.state == state; });
    };
    std::string recap = std::to_string(count(DriftVerdict::State::Differs)) + " of " +
                        std::to_string(verdicts.size()) + " servers differ";
    if (const auto failed = count(DriftVerdict::State::Failed))
        recap += "; " + std::to_string(failed) + " could not be read";
    return recap;
}

void WriteDriftReport(std::ostream& out, const std::string& reference, const std::vector<DriftVerdict>& verdicts,
                      bool json, bool grouped)
{
    std::vector<std::string> servers, bodies;
    for (const DriftVerdict& verdict : verdicts) {
        servers.push_back(verdict.server);
        bodies.push_back(Body(verdict));
    }
    std::vector<OutputGroup> groups;
    if (grouped)
        groups = GroupIdentical(servers, bodies);
    else
        for (std::size_t i = 0; i < verdicts.size(); ++i)
            groups.push_back({{servers[i]}, i});
    if (!json) {
        out << "reference: " << reference << "\n";
        for (const OutputGroup& group : groups)
            out << "== " << GroupHeading(group) << "  " << bodies[group.first];
        out << DriftRecap(verdicts) << "\n";
        return;
    }
    Json::Value document(Json::objectValue);
    document["reference"] = reference;
    Json::Value& list = document[grouped ? "groups" : "servers"] = Json::Value(Json::arrayValue);
    for (const OutputGroup& group : groups) {
        Json::Value entry = EntryOf(verdicts[group.first]);
        if (grouped)
            entry["servers"] = Texts(group.servers);
        else
            entry["server"] = group.servers.front();
        list.append(std::move(entry));
    }
    Json::Value& recap = document["recap"] = Json::Value(Json::objectValue);
    recap["servers"] = static_cast<Json::UInt64>(verdicts.size());
    for (const auto state : {DriftVerdict::State::Differs, DriftVerdict::State::Failed})
        recap[state == DriftVerdict::State::Differs ? "differ" : "failed"] = static_cast<Json::UInt64>(
            std::count_if(verdicts.begin(), verdicts.end(), [state](const DriftVerdict& v) { return v.state == state; }));
    out << IndentedJson(document) << "\n";
}
