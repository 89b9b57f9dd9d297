#include "RecordKeys.h"

#include <algorithm>

namespace {

const RecordKeys kFamilies[] = {
    {"fcache", "list", "add", "modify", "del", "Wid", "Wid", {"Url"}},
    {"rcache", "list", "add", "modify", "del", "Wid", "Wid", {"Url"}},
    {"scache", "list", "add", "modify", "del", "Wid", "Wid", {"ActionUrl"}},
    {"rewrite", "list", "add", "modify", "del", "RewriteID", "RewriteID", {"SourceUrl"}},
    {"black", "list", "add", "modify", "del", "BlackID", "ID", {"Low", "High"}},
    {"white", "list", "add", "modify", "del", "WhiteID", "ID", {"Low", "High"}},
    {"dns", "redirect-list", "redirect-add", "redirect-modify", "redirect-del", "Name", "Name", {"Name"}},
};

// The moves name their record as a deletion does.
constexpr std::string_view kMoves[] = {"up", "down"};

}  // namespace

const RecordKeys* RecordKeysFor(std::string_view type, std::string_view cmd)
{
    for (const RecordKeys& keys : kFamilies) {
        if (keys.type != type)
            continue;
        const bool moves = keys.type != "dns" && std::find(std::begin(kMoves), std::end(kMoves), cmd) != std::end(kMoves);
        if (cmd == keys.addCmd || cmd == keys.modifyCmd || cmd == keys.delCmd || moves)
            return &keys;
    }
    return nullptr;
}

bool NamesRecordById(const RecordKeys& keys, std::string_view cmd)
{
    const bool idIsNatural = keys.naturalKey.size() == 1 && keys.naturalKey.front() == keys.idField;
    return cmd != keys.addCmd && !idIsNatural;
}

std::variant<FieldPairs, std::string> ParseMatch(const RecordKeys& keys, const std::vector<std::string>& match)
{
    std::string names;
    for (const std::string_view name : keys.naturalKey)
        names += (names.empty() ? "" : " and ") + std::string(name);
    FieldPairs pairs;
    for (const std::string& pair : match) {
        const std::size_t equals = pair.find('=');
        const std::string name = pair.substr(0, equals);
        if (equals == std::string::npos ||
            std::find(keys.naturalKey.begin(), keys.naturalKey.end(), name) == keys.naturalKey.end())
            return "--match takes " + names + " for " + std::string(keys.type) + " (Field=value), not \"" + pair +
                   "\"";
        pairs.emplace_back(name, pair.substr(equals + 1));
    }
    return pairs;
}

std::vector<nsMoxHttp::RequestValues> MatchingRecords(const ResultDocument& list, const FieldPairs& wanted)
{
    std::vector<nsMoxHttp::RequestValues> found;
    for (const ResultTable& table : list.tables) {
        std::vector<std::size_t> at;
        for (const auto& [name, value] : wanted) {
            const auto column = std::find(table.columns.begin(), table.columns.end(), name);
            if (column == table.columns.end())
                break;
            at.push_back(static_cast<std::size_t>(column - table.columns.begin()));
        }
        if (at.size() != wanted.size())
            continue;
        for (const std::vector<FieldValue>& row : table.rows) {
            bool matches = true;
            for (std::size_t i = 0; i < at.size() && matches; ++i)
                matches = FieldText(row[at[i]]) == wanted[i].second;
            if (!matches)
                continue;
            nsMoxHttp::RequestValues values;
            for (std::size_t c = 0; c < table.columns.size(); ++c)
                values.Set(table.columns[c], FieldText(row[c]));
            found.push_back(std::move(values));
        }
    }
    return found;
}
