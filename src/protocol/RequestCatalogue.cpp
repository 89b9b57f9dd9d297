#include "protocol/RequestCatalogue.h"

#include "messaging/EventKinds.h"
#include "protocol/RequestKinds.h"

namespace nsMoxHttp {
namespace {

using F = CallbackFamily;

constexpr std::string_view kSessionOnly = "SessionID=%s&RequestID=%lu";
constexpr std::string_view kWidFirst = "Wid=%s&SessionID=%s&RequestID=%lu";
constexpr std::string_view kFCacheRule =
    "Url=%s&Icase=%d&Rules=%d&Expire=%d&Unit=%d&Icookie=%d&Olimit=%d&IsDiskCache=%d&Note=%s&SessionID=%s&RequestID=%lu";
constexpr std::string_view kFCacheRuleModify =
    "Wid=%s&Url=%s&Icase=%d&Rules=%d&Expire=%d&Unit=%d&Icookie=%d&Olimit=%d&IsDiskCache=%d&Note=%s&SessionID=%s&RequestID=%lu";
constexpr std::string_view kClean = "SessionID=%s&RequestID=%lu&WithCluster=%d";
constexpr CatalogueRow kRows[] = {
    {"sign", "in", "Username=%s&Password=%s&RequestID=%lu", eReq_SignIn, eMoxCacheEvent_LoginOk, F::Http},

    {"fcache", "list", kSessionOnly, eReq_FCacheList, 7, F::FCache},
    {"fcache", "up", kWidFirst, eReq_FCacheUp, 11, F::FCache},
    {"fcache", "down", kWidFirst, eReq_FCacheDown, 12, F::FCache},
    {"fcache", "add", kFCacheRule, eReq_FCacheAdd, 8, F::FCache},
    {"fcache", "modify", kFCacheRuleModify, eReq_FCacheModify, 10, F::FCache},
    {"fcache", "del", kWidFirst, eReq_FCacheDel, 9, F::FCache},

    {"rcache", "list", kSessionOnly, eReq_RCacheList, 14, F::RCache},
    {"rcache", "add", "Url=%s&Icase=%d&Rules=%d&Olimit=%d&CacheLocation=%d&Note=%s&SessionID=%s&RequestID=%lu",
     eReq_RCacheAdd, 15, F::RCache},
    {"rcache", "modify",
     "Wid=%s&Url=%s&Icase=%d&Rules=%d&Olimit=%d&CacheLocation=%d&Note=%s&SessionID=%s&RequestID=%lu",
     eReq_RCacheModify, 16, F::RCache},
    {"rcache", "up", kWidFirst, eReq_RCacheUp, 18, F::RCache},
    {"rcache", "down", kWidFirst, eReq_RCacheDown, 19, F::RCache},
    {"rcache", "del", kWidFirst, eReq_RCacheDel, 17, F::RCache},

    {"icache", "cleancache", kClean, eReq_CleanSmartCache, 20, F::CleanCache},
    {"fcache", "cleancache", kClean, eReq_CleanPageCache, 21, F::CleanCache},
    {"allcache", "cleancache", kClean, eReq_CleanAllCache, 22, F::CleanCache},
    {"thiscache", "cleancache", "SessionID=%s&RequestID=%lu&Url=%s&Icase=%d&Rules=%d&WithCluster=%d",
     eReq_CleanThisCache, 23, F::CleanCache},
    {"scache", "cleancache", kClean, eReq_CleanSessionCache, 24, F::CleanCache},

    {"rewrite", "list", kSessionOnly, eReq_RewriteList, 25, F::Rewrite},
    {"rewrite", "up", "SessionID=%s&RequestID=%lu&RewriteID=%s", eReq_RewriteUp, 27, F::Rewrite},
    {"rewrite", "down", "SessionID=%s&RequestID=%lu&RewriteID=%s", eReq_RewriteDown, 28, F::Rewrite},
    {"rewrite", "add", "SessionID=%s&RequestID=%lu&SourceUrl=%s&DestinationUrl=%s&Icase=%d&Flag=%d&Note=%s",
     eReq_RewriteAdd, 29, F::Rewrite},
    {"rewrite", "modify",
     "SessionID=%s&RequestID=%lu&RewriteID=%s&SourceUrl=%s&DestinationUrl=%s&Icase=%d&Flag=%d&Note=%s",
     eReq_RewriteModify, 30, F::Rewrite},
    {"rewrite", "del", "SessionID=%s&RequestID=%lu&RewriteID=%s", eReq_RewriteDel, 31, F::Rewrite},

    {"black", "list", kSessionOnly, eReq_BlackList, 42, F::Black},
    {"black", "add", "SessionID=%s&RequestID=%lu&Low=%s&High=%s&Expire=%s&Note=%s", eReq_BlackAdd, 44, F::Black},
    {"black", "modify", "SessionID=%s&RequestID=%lu&BlackID=%s&Low=%s&High=%s&Expire=%s&Note=%s",
     eReq_BlackModify, 45, F::Black},
    {"black", "del", "SessionID=%s&RequestID=%lu&BlackID=%s", eReq_BlackDel, 46, F::Black},
    {"white", "list", kSessionOnly, eReq_WhiteList, 47, F::Black},
    {"white", "add", "SessionID=%s&RequestID=%lu&Low=%s&High=%s&Expire=%s&Note=%s", eReq_WhiteAdd, 49, F::Black},
    {"white", "modify", "SessionID=%s&RequestID=%lu&WhiteID=%s&Low=%s&High=%s&Expire=%s&Note=%s",
     eReq_WhiteModify, 50, F::Black},
    {"white", "del", "SessionID=%s&RequestID=%lu&WhiteID=%s", eReq_WhiteDel, 51, F::Black},

    {"proxy", "list", kSessionOnly, eReq_ProxyList, 53, F::HostManager},
    {"upstream", "list", "SessionID=%s&RequestID=%lu&ProxyID=%s", eReq_UpstreamList, 58, F::HostManager},

    {"scache", "list", kSessionOnly, eReq_SCacheList, 70, F::SCache},
    {"scache", "up", "SessionID=%s&RequestID=%lu&Wid=%s", eReq_SCacheUp, 72, F::SCache},
    {"scache", "down", "SessionID=%s&RequestID=%lu&Wid=%s", eReq_SCacheDown, 73, F::SCache},
    {"scache", "add",
     "SessionID=%s&RequestID=%lu&ActionUrl=%s&Icase=%d&Rules=%d&SetCookieSessionID=%s&SessionExpire=%d&Note=%s",
     eReq_SCacheAdd, 74, F::SCache},
    {"scache", "modify",
     "SessionID=%s&RequestID=%lu&Wid=%s&ActionUrl=%s&Icase=%d&Rules=%d&SetCookieSessionID=%s&SessionExpire=%d&Note=%s",
     eReq_SCacheModify, 75, F::SCache},
    {"scache", "del", "SessionID=%s&RequestID=%lu&Wid=%s", eReq_SCacheDel, 76, F::SCache},

    {"system", "list", kSessionOnly, eReq_SystemList, 78, F::Http},
    {"system", "modify", "SessionID=%s&RequestID=%lu%s", eReq_SystemModify, 77, F::Http},
    {"realtime", "list", kSessionOnly, eReq_RealtimeList, 79, F::Http},
    {"realtime", "totalstat", kSessionOnly, eReq_RealtimeTotalStat, 80, F::Http},
    {"realtime", "instantrequest",
     "SessionID=%s&RequestID=%lu&RequestUrl=%s&Icase=%d&Rules=%d&Location=%d&DateTime=%d&HitCache=%d"
     "&UserAgent=%d&InvalidRequest=%d&HitMemberCache=%d%s%s",
     eReq_InstantRequest, 82, F::Http, {}, "IPLow,IPHigh"},

    {"rth", "list", kSessionOnly, eReq_RthList, 83, F::Rth},
    {"rth", "add",
     "SessionID=%s&RequestID=%lu&Title=%s&RequestUrl=%s&Icase=%d&Rules=%d&Location=%d&DateTime=%d&HitCache=%d"
     "&UserAgent=%d&InvalidRequest=%d&HitMemberCache=%d",
     eReq_RthAdd, 84, F::Rth},
    {"rth", "del", "SessionID=%s&RequestID=%lu&RequestUrl=%s", eReq_RthDel, 85, F::Rth},
    {"user", "passwd", "SessionID=%s&RequestID=%lu&Username=%s&Password=%s", eReq_UserPasswd, 86, F::Rth},

    {"tools", "testregex", "SessionID=%s&RequestID=%lu&Regex=%s", eReq_ToolsTestRegex, 90, F::Http},
    {"tools", "testcache", "SessionID=%s&RequestID=%lu&Url=%s", eReq_ToolsTestCache, 91, F::Http},
    {"tools", "allcachelist", kSessionOnly, eReq_ToolsAllCacheList, 92, F::Http},
    {"tools", "iplook", "SessionID=%s&RequestID=%lu&IP=%s", eReq_ToolsIpLook, 89, F::Http},

    {"cluster", "get", kSessionOnly, eReq_ClusterGet, 93, F::Cluster},
    {"cluster", "status", kSessionOnly, eReq_ClusterStatus, 94, F::Cluster},
    // Three forms of one request: the body takes the form whose fields the caller gave.
    {"cluster", "modify", "SessionID=%s&RequestID=%lu&Role=%d", eReq_ClusterModify, 95, F::Cluster},
    {"cluster", "modify", "SessionID=%s&RequestID=%lu&Role=%d&Binding=%d&Auth=%s&Note=%s", eReq_ClusterModify, 95,
     F::Cluster, {}, {}, "Auth"},
    {"cluster", "modify", "SessionID=%s&RequestID=%lu&Role=%d&Host=%s&Auth=%s&SlaveID=%s&Note=%s",
     eReq_ClusterModify, 95, F::Cluster, "SlaveID", {}, "Host,Auth"},

    {"diskcache", "list", kSessionOnly, eReq_DiskCacheList, 96, F::DiskCache},
    {"diskcache", "set", "SessionID=%s&RequestID=%lu&DiskNo=%d&Path=%s&Enable=%d&Note=%s", eReq_DiskCacheSet, 97,
     F::DiskCache},
    {"diskcache", "query", "SessionID=%s&RequestID=%lu&DiskNo=%d", eReq_DiskCacheQuery, 96, F::DiskCache},

    {"dns", "system-list", kSessionOnly, eReq_DnsSystemList, 98, F::Dns},
    {"dns", "system-set", "SessionID=%s&RequestID=%lu&DNSType=1&EnableDNSCacheService=1&%s", eReq_DnsSystemSet, 99,
     F::Dns, {}, {},
     "UpstreamDNS1,UpstreamDNS2,UpstreamDNS3,UpstreamDNS4,UpstreamDNS5,UpstreamDNS6,UpstreamDNS7,UpstreamDNS8,"
     "DefaultRedirectIP"},
    {"dns", "redirect-list", kSessionOnly, eReq_DnsRedirectList, 100, F::Dns},
    {"dns", "redirect-add", "SessionID=%s&RequestID=%lu&Name=%s&IP=%s&Enable=%d&Note=%s", eReq_DnsRedirectAdd, 101,
     F::Dns},
    {"dns", "redirect-modify", "SessionID=%s&RequestID=%lu&Name=%s&IP=%s&Enable=%d&Note=%s", eReq_DnsRedirectModify,
     102, F::Dns},
    {"dns", "redirect-del", "SessionID=%s&RequestID=%lu&Name=%s", eReq_DnsRedirectDel, 103, F::Dns, "Name"},
    {"dns", "cache-list", kSessionOnly, eReq_DnsCacheList, 104, F::Dns},
    {"dns", "cache-clean", kSessionOnly, eReq_DnsCacheClean, eMoxCacheEvent_DnsCacheCleaned, F::Dns},
    {"dns", "redirectclass-list", kSessionOnly, eReq_DnsRedirectClassList, 107, F::Dns},
    {"dns", "redirectclass-mod", "SessionID=%s&RequestID=%lu&Name=%s&Enable=%d", eReq_DnsRedirectClassMod, 108,
     F::Dns},
    {"dns", "redirectbalance-list", kSessionOnly, eReq_DnsBalanceList, 109, F::Dns},
    {"dns", "redirectbalance-add", "SessionID=%s&RequestID=%lu&IP=%s&Enable=%d&Checking=%d&Note=%s",
     eReq_DnsBalanceAdd, 110, F::Dns},
    {"dns", "redirectbalance-modify", "SessionID=%s&RequestID=%lu&IP=%s&Enable=%d&Checking=%d&Note=%s",
     eReq_DnsBalanceModify, 111, F::Dns},
    {"dns", "redirectbalance-del", "SessionID=%s&RequestID=%lu&IP=%s", eReq_DnsBalanceDel, 112, F::Dns},
};

// The commands that only read; each list of the DNS service is "<what>-list".
constexpr std::string_view kReadCommands[] = {"list", "get", "status", "query", "totalstat", "instantrequest",
                                              "allcachelist", "testregex", "testcache", "iplook"};
constexpr std::string_view kReadCommandSuffix = "-list";

}  // namespace

std::span<const CatalogueRow> RequestCatalogue()
{
    return kRows;
}

const CatalogueRow* FindCatalogueRow(std::string_view type, std::string_view cmd)
{
    for (const CatalogueRow& row : kRows)
        if (row.type == type && row.cmd == cmd)
            return &row;
    return nullptr;
}

std::span<const CatalogueRow> FindCatalogueForms(std::string_view type, std::string_view cmd)
{
    const CatalogueRow* first = FindCatalogueRow(type, cmd);
    if (!first)
        return {};
    const CatalogueRow* last = first;
    while (last + 1 != std::end(kRows) && last[1].type == type && last[1].cmd == cmd)
        ++last;
    return {first, static_cast<std::size_t>(last - first + 1)};
}

const CatalogueRow* FindCatalogueRow(int kind)
{
    for (const CatalogueRow& row : kRows)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

bool ChangesServer(const CatalogueRow& row)
{
    for (std::string_view read : kReadCommands)
        if (row.cmd == read)
            return false;
    return !row.cmd.ends_with(kReadCommandSuffix);
}

}  // namespace nsMoxHttp
