#include "CurrentRecord.h"

#include <algorithm>

namespace {

constexpr CurrentRecordSource kSources[] = {
    {"fcache", "modify", "fcache", "list", "Wid", "Wid"},
    {"rcache", "modify", "rcache", "list", "Wid", "Wid"},
    {"scache", "modify", "scache", "list", "Wid", "Wid"},
    {"rewrite", "modify", "rewrite", "list", "RewriteID", "RewriteID"},
    {"black", "modify", "black", "list", "BlackID", "ID"},
    {"white", "modify", "white", "list", "WhiteID", "ID"},
    {"diskcache", "set", "diskcache", "list", "DiskNo", "DiskNo"},
    {"dns", "redirect-modify", "dns", "redirect-list", "Name", "Name"},
    {"dns", "redirectbalance-modify", "dns", "redirectbalance-list", "IP", "IP"},
    {"dns", "redirectclass-mod", "dns", "redirectclass-list", "Name", "Name"},
};

std::string Text(const FieldValue& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return std::to_string(*number);
    return std::get<std::string>(value);
}

}  // namespace

const CurrentRecordSource* CurrentRecordSourceFor(std::string_view type, std::string_view cmd)
{
    for (const CurrentRecordSource& source : kSources)
        if (source.type == type && source.cmd == cmd)
            return &source;
    return nullptr;
}

std::optional<nsMoxHttp::RequestValues> CurrentRecordValues(const ResultDocument& list,
                                                            const CurrentRecordSource& source, const std::string& key)
{
    for (const ResultTable& table : list.tables) {
        const auto keyAt = std::find(table.columns.begin(), table.columns.end(), source.keyColumn);
        if (keyAt == table.columns.end())
            continue;
        const std::size_t keyIndex = static_cast<std::size_t>(keyAt - table.columns.begin());
        for (const std::vector<FieldValue>& row : table.rows) {
            if (Text(row[keyIndex]) != key)
                continue;
            nsMoxHttp::RequestValues values;
            for (std::size_t c = 0; c < table.columns.size(); ++c)
                values.Set(table.columns[c], Text(row[c]));
            return values;
        }
    }
    return std::nullopt;
}
