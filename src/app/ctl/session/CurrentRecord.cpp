#include "CurrentRecord.h"

#include "RecordKeys.h"

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
    // A deletion prints the record it deleted, as the list held it.
    {"fcache", "del", "fcache", "list", "Wid", "Wid"},
    {"rcache", "del", "rcache", "list", "Wid", "Wid"},
    {"scache", "del", "scache", "list", "Wid", "Wid"},
    {"rewrite", "del", "rewrite", "list", "RewriteID", "RewriteID"},
    {"black", "del", "black", "list", "BlackID", "ID"},
    {"white", "del", "white", "list", "WhiteID", "ID"},
    {"dns", "redirect-del", "dns", "redirect-list", "Name", "Name"},
    {"dns", "redirectbalance-modify", "dns", "redirectbalance-list", "IP", "IP"},
    {"dns", "redirectclass-mod", "dns", "redirectclass-list", "Name", "Name"},
};

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
    std::vector<nsMoxHttp::RequestValues> found = MatchingRecords(list, {{std::string(source.keyColumn), key}});
    if (found.empty())
        return std::nullopt;
    return std::move(found.front());
}
