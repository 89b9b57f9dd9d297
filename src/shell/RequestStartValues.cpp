#include "shell/RequestStartValues.h"

#include "features/access/AddressListRequests.h"
#include "features/access/RewriteRequests.h"
#include "features/cache/FCacheRequests.h"
#include "features/cache/RCacheRequests.h"
#include "features/cache/SCacheRequests.h"
#include "features/config/ClusterRequests.h"
#include "features/config/DiskCacheEntry.h"
#include "features/config/DnsBalanceHost.h"
#include "features/config/DnsRedirectClass.h"
#include "features/config/DnsRedirectEntry.h"
#include "features/monitor/CInstantRequestRule.h"
#include "features/monitor/RealtimeRequests.h"
#include "features/monitor/RthRequests.h"

namespace {

using nsMoxHttp::RequestValues;
using Given = const RequestValues&;

// The cluster form offers this port for a master.
constexpr int kClusterMasterPort = 7780;

RequestValues FCacheForm(Given)
{
    FCacheRule rule;
    rule.Icase = 1;
    rule.Expire = 30;
    rule.Unit = 2;  // minutes
    return FCacheRuleValues(rule);
}

RequestValues RCacheForm(Given)
{
    RCacheRule rule;
    rule.Icase = 1;
    return RCacheRuleValues(rule);
}

RequestValues SCacheForm(Given)
{
    SCacheRule rule;
    rule.Icase = 1;
    rule.SessionExpire = 60;
    return SCacheRuleValues(rule);
}

RequestValues RewriteForm(Given)
{
    RewriteRule rule;
    rule.Icase = 1;
    return RewriteRuleValues(rule);
}

// Both date and time pickers start at the last moment they offer.
RequestValues AddressListForm(AddressList list)
{
    AddressListEntry entry;
    entry.Expire = "2030-01-01 00:00:00";
    return AddressListEntryValues(entry, list);
}

RequestValues CleanCacheForm(Given)
{
    // The cluster check box starts unticked.
    return RequestValues().Set("WithCluster", 0).Set("Icase", 0).Set("Rules", 0);
}

RequestValues InstantRequestRule(Given)
{
    return InstantRequestRuleValues(CInstantRequestRule());
}

RequestValues ClusterForm(Given given)
{
    ClusterConfig config = ClusterConfigFromValues(given);
    if (!given.Has("Binding"))
        config.Binding = kClusterMasterPort;
    return ClusterConfigValues(config);
}

RequestValues DiskCacheArea(Given)
{
    const DiskCacheEntry entry;
    return RequestValues().Set("Path", entry.Path).Set("Enable", entry.Enable).Set("Note", entry.Note);
}

RequestValues DnsRedirect(Given)
{
    const DnsRedirectEntry entry;
    return RequestValues().Set("IP", entry.IP).Set("Enable", entry.Enable).Set("Note", entry.Note);
}

RequestValues DnsClass(Given)
{
    return RequestValues().Set("Enable", DnsRedirectClass().Enable);
}

RequestValues DnsBalance(Given)
{
    DnsBalanceHost host;
    host.Enable = 1;
    host.Checking = 1;
    return RequestValues().Set("Enable", host.Enable).Set("Checking", host.Checking).Set("Note", host.Note);
}

struct StartEntry {
    std::string_view type;
    std::string_view cmd;
    RequestValues (*make)(Given);
};

const StartEntry kStarts[] = {
    {"fcache", "add", FCacheForm},
    {"fcache", "modify", FCacheForm},
    {"rcache", "add", RCacheForm},
    {"rcache", "modify", RCacheForm},
    {"scache", "add", SCacheForm},
    {"scache", "modify", SCacheForm},
    {"icache", "cleancache", CleanCacheForm},
    {"fcache", "cleancache", CleanCacheForm},
    {"allcache", "cleancache", CleanCacheForm},
    {"thiscache", "cleancache", CleanCacheForm},
    {"scache", "cleancache", CleanCacheForm},
    {"rewrite", "add", RewriteForm},
    {"rewrite", "modify", RewriteForm},
    {"black", "add", [](Given) { return AddressListForm(AddressList::Black); }},
    {"black", "modify", [](Given) { return AddressListForm(AddressList::Black); }},
    {"white", "add", [](Given) { return AddressListForm(AddressList::White); }},
    {"white", "modify", [](Given) { return AddressListForm(AddressList::White); }},
    {"realtime", "instantrequest", InstantRequestRule},
    {"rth", "add", [](Given) { return RthRecordValues(RthRecord{}); }},
    {"cluster", "modify", ClusterForm},
    {"diskcache", "set", DiskCacheArea},
    {"dns", "redirect-add", DnsRedirect},
    {"dns", "redirect-modify", DnsRedirect},
    {"dns", "redirectclass-mod", DnsClass},
    {"dns", "redirectbalance-add", DnsBalance},
    {"dns", "redirectbalance-modify", DnsBalance},
};

}  // namespace

std::optional<RequestValues> RequestStartValues(std::string_view type, std::string_view cmd, const RequestValues& given)
{
    for (const StartEntry& entry : kStarts)
        if (entry.type == type && entry.cmd == cmd)
            return entry.make(given);
    return std::nullopt;
}
