#include "DriftSnapshot.h"

#include "JsonText.h"
#include "TransferCommands.h"
#include "features/access/BlackListFile.h"
#include "features/cache/RulesFile.h"
#include "features/config/DnsRedirectFile.h"

#include <json/json.h>

#include <algorithm>
#include <iostream>
#include <memory>

namespace {

bool Among(const std::vector<std::string_view>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Two records under one key on a server are both audited: the later one is told apart by its count.
void Put(DriftList& list, std::string key, DriftRecord record)
{
    std::string unique = key;
    for (int seen = 2; list.contains(unique); ++seen)
        unique = key + " #" + std::to_string(seen);
    list.emplace(std::move(unique), std::move(record));
}

// Which exchanged file a text is, by its first line that is not a comment: the rules file is
// INI-shaped, the DNS list's lines start with their kind, and anything else is read as the black list.
std::string_view FileKindOf(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (line.starts_with("\xEF\xBB\xBF"))
            line.remove_prefix(3);
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#' || line[first] == ';')
            continue;
        line.remove_prefix(first);
        if (line.starts_with('['))
            return "rules";
        if (line.starts_with("address=") || line.starts_with("refuse="))
            return "dns";
        return "black";
    }
    return "";
}

template <class Item>
ResultDocument ListOf(const std::vector<Item>& items)
{
    ResultDocument document;
    document.tables.push_back(TableOf("", items));
    return document;
}

}  // namespace

DriftList DriftListOf(const DriftFamily& family, const ResultDocument& document, bool fromFile)
{
    const auto compared = [&](std::string_view name) {
        return !Among(family.ignored, name) && !(fromFile && Among(family.notInFile, name));
    };
    DriftList list;
    if (family.key.empty()) {
        DriftRecord& record = list[""];
        for (const auto& [name, value] : document.fields)
            if (compared(name))
                record[name] = FieldText(value);
        return list;
    }
    for (const ResultTable& table : document.tables)
        for (const std::vector<FieldValue>& row : table.rows) {
            DriftRecord record;
            for (std::size_t c = 0; c < table.columns.size(); ++c)
                record[std::string(table.columns[c])] = FieldText(row[c]);
            if (!family.builtIn.empty() && record.contains(std::string(family.builtIn)) &&
                record[std::string(family.builtIn)] != "0")
                continue;
            std::string key;
            for (const std::string_view name : family.key)
                key += (key.empty() ? "" : " ") + std::string(name) + "=" + record[std::string(name)];
            std::erase_if(record, [&](const auto& field) { return !compared(field.first); });
            Put(list, std::move(key), std::move(record));
        }
    return list;
}

std::string DriftSnapshotJson(const DriftSnapshot& snapshot)
{
    Json::Value document(Json::objectValue);
    for (const auto& [family, list] : snapshot) {
        Json::Value& records = document[family] = Json::Value(Json::objectValue);
        for (const auto& [key, record] : list) {
            Json::Value& fields = records[key] = Json::Value(Json::objectValue);
            for (const auto& [name, value] : record)
                fields[name] = value;
        }
    }
    return OneLineJson(document);
}

std::optional<DriftSnapshot> ParseDriftSnapshot(const std::string& json)
{
    Json::Value document;
    std::string errors;
    const std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
    if (!reader->parse(json.data(), json.data() + json.size(), &document, &errors) || !document.isObject())
        return std::nullopt;
    DriftSnapshot snapshot;
    for (const std::string& family : document.getMemberNames()) {
        DriftList& list = snapshot[family];
        const Json::Value& records = document[family];
        for (auto record = records.begin(); record != records.end(); ++record) {
            DriftRecord& fields = list[record.name()];
            for (auto field = record->begin(); field != record->end(); ++field)
                fields[field.name()] = field->asString();
        }
    }
    return snapshot;
}

std::optional<DriftSnapshot> DriftSnapshotOfFile(const std::string& path,
                                                 const std::vector<const DriftFamily*>& chosen)
{
    std::optional<std::string> text = ReadExchangeFile(path);
    if (!text)
        return std::nullopt;
    const std::string_view kind = FileKindOf(*text);
    std::map<std::string_view, ResultDocument> lists;
    if (kind == "rules") {
        const RuleSet rules = ReadRulesFile(*text, eRulesBlock_All);
        lists = {{"fcache", ListOf(rules.fcache)},
                 {"rcache", ListOf(rules.rcache)},
                 {"scache", ListOf(rules.scache)},
                 {"rewrite", ListOf(rules.rewrite)}};
    } else if (kind == "dns") {
        lists = {{"dns", ListOf(ReadDnsRedirectText(std::move(*text)).entries.All())}};
    } else if (kind == "black") {
        lists = {{"black", ListOf(ReadBlackListFile(std::move(*text)).entries.All())}};
    }
    DriftSnapshot snapshot;
    for (const DriftFamily* family : chosen)
        if (const auto list = lists.find(family->name); list != lists.end())
            snapshot[std::string(family->name)] = DriftListOf(*family, list->second, true);
    if (snapshot.empty()) {
        std::cerr << "morvixctl: " << path << " holds none of the lists compared (a rules, black-list or DNS file is)\n";
        return std::nullopt;
    }
    return snapshot;
}
