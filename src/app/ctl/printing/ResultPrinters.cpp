#include "ResultPrinters.h"

#include "features/access/AddressListEntry.h"
#include "features/access/RewriteRule.h"
#include "features/cache/FCacheRule.h"
#include "features/cache/RCacheRule.h"
#include "features/cache/SCacheRule.h"
#include "features/config/CMoxClusterEventParam.h"
#include "features/config/CMoxDiskCacheEventParam.h"
#include "features/config/CMoxToolsEventParam.h"
#include "features/config/DnsEvents.h"
#include "features/config/SystemOptionsEvents.h"
#include "features/monitor/CRealtimeInstantRequestEventParam.h"
#include "features/monitor/CRealtimeStatEventParam.h"
#include "features/monitor/ProxyHost.h"
#include "features/monitor/RealtimeEvents.h"
#include "features/monitor/RthRecord.h"
#include "features/monitor/UpstreamHost.h"
#include "messaging/CMoxTextEventParam.h"
#include "messaging/EventKinds.h"
#include "protocol/ResultRecords.h"

#include <vector>

namespace {

using Describe = std::optional<ResultDocument> (*)(const CMoxEventParam*);

template <class Item>
std::optional<ResultDocument> ListOf(const CMoxEventParam* record)
{
    const auto* list = dynamic_cast<const CMoxListEventParamT<Item>*>(record);
    if (!list)
        return std::nullopt;
    ResultDocument document;
    document.tables.push_back(TableOf("", list->items));
    return document;
}

template <class Item>
std::optional<ResultDocument> ItemOf(const CMoxEventParam* record)
{
    const auto* single = dynamic_cast<const CMoxItemEventParamT<Item>*>(record);
    if (!single)
        return std::nullopt;
    ResultDocument document;
    AddFieldsOf(document, single->item);
    return document;
}

std::optional<ResultDocument> Report(const CMoxEventParam* record)
{
    const auto* report = dynamic_cast<const CRealtimeStatEventParam*>(record);
    if (!report)
        return std::nullopt;
    ResultDocument document;
    document.fields = {{"StartTime", report->StartTime},
                       {"EndTime", report->EndTime},
                       {"HitCachesRate", report->HitCachesRate}};
    document.tables.push_back(TableOf("Rows", report->rows));
    return document;
}

std::optional<ResultDocument> ToolAnswer(const CMoxEventParam* record)
{
    const auto* tool = dynamic_cast<const CMoxToolsEventParam*>(record);
    if (!tool)
        return std::nullopt;
    ResultDocument document;
    document.fields = {{"Query", tool->query}, {"Answer", tool->answer}};
    return document;
}

std::optional<ResultDocument> StreamedText(const CMoxEventParam* record)
{
    const auto* streamed = dynamic_cast<const CRealtimeInstantRequestEventParam*>(record);
    if (!streamed)
        return std::nullopt;
    return ResultDocument{{}, {}, streamed->Text()};
}

std::optional<ResultDocument> ReplyText(const CMoxEventParam* record)
{
    const auto* text = dynamic_cast<const CMoxTextEventParam*>(record);
    if (!text)
        return std::nullopt;
    return ResultDocument{{}, {}, text->Text()};
}

std::optional<ResultDocument> Cluster(const CMoxEventParam* record)
{
    const auto* cluster = dynamic_cast<const CMoxClusterEventParam*>(record);
    if (!cluster)
        return std::nullopt;
    ResultDocument document;
    AddFieldsOf(document, cluster->config);
    if (!cluster->slaves.empty())
        document.tables.push_back(TableOf("Slaves", cluster->slaves));
    return document;
}

std::optional<ResultDocument> DiskAreas(const CMoxEventParam* record)
{
    const auto* disks = dynamic_cast<const CMoxDiskCacheEventParam*>(record);
    if (!disks)
        return std::nullopt;
    ResultDocument document;
    document.tables.push_back(TableOf("", disks->items));
    return document;
}

std::optional<ResultDocument> DiskAreaSent(const CMoxEventParam* record)
{
    const auto* disks = dynamic_cast<const CMoxDiskCacheEventParam*>(record);
    if (!disks)
        return std::nullopt;
    ResultDocument document;
    AddFieldsOf(document, disks->sent);
    return document;
}

std::optional<ResultDocument> DnsSettings(const CMoxEventParam* record)
{
    const auto* dns = dynamic_cast<const CMoxDnsSystemEventParam*>(record);
    if (!dns)
        return std::nullopt;
    ResultDocument document;
    AddFieldsOf(document, dns->options);
    return document;
}

// The server's own entries first, as the view lists them; IsSystem tells them apart.
std::optional<ResultDocument> DnsRedirects(const CMoxEventParam* record)
{
    const auto* redirects = dynamic_cast<const CMoxDnsRedirectListEventParam*>(record);
    if (!redirects)
        return std::nullopt;
    std::vector<DnsRedirectEntry> entries = redirects->systemEntries;
    entries.insert(entries.end(), redirects->userEntries.begin(), redirects->userEntries.end());
    ResultDocument document;
    document.tables.push_back(TableOf("", entries));
    return document;
}

struct Printer {
    std::vector<int> kinds;
    Describe describe;
};

const Printer kPrinters[] = {
    {{eMoxCacheEvent_FCacheList}, ListOf<FCacheRule>},
    {{eMoxCacheEvent_FCacheAdd, eMoxCacheEvent_FCacheDelete, eMoxCacheEvent_FCacheModify,
      eMoxCacheEvent_FCacheMoveUp, eMoxCacheEvent_FCacheMoveDown},
     ItemOf<FCacheRule>},
    {{eMoxCacheEvent_RCacheList}, ListOf<RCacheRule>},
    {{eMoxCacheEvent_RCacheAdd, eMoxCacheEvent_RCacheModify, eMoxCacheEvent_RCacheDelete,
      eMoxCacheEvent_RCacheMoveUp, eMoxCacheEvent_RCacheMoveDown},
     ItemOf<RCacheRule>},
    {{eMoxCacheEvent_RewriteList}, ListOf<RewriteRule>},
    {{eMoxCacheEvent_RewriteMoveUp, eMoxCacheEvent_RewriteMoveDown, eMoxCacheEvent_RewriteAdd,
      eMoxCacheEvent_RewriteModify, eMoxCacheEvent_RewriteDelete},
     ItemOf<RewriteRule>},
    {{eMoxCacheEvent_BlackList, eMoxCacheEvent_WhiteList}, ListOf<AddressListEntry>},
    {{eMoxCacheEvent_BlackAdd, eMoxCacheEvent_BlackModify, eMoxCacheEvent_BlackDelete, eMoxCacheEvent_WhiteAdd,
      eMoxCacheEvent_WhiteModify, eMoxCacheEvent_WhiteDelete},
     ItemOf<AddressListEntry>},
    {{eMoxCacheEvent_ProxyHostList}, ListOf<ProxyHost>},
    {{eMoxCacheEvent_UpstreamList}, ListOf<UpstreamHost>},
    {{eMoxCacheEvent_SCacheList}, ListOf<SCacheRule>},
    {{eMoxCacheEvent_SCacheMoveUp, eMoxCacheEvent_SCacheMoveDown, eMoxCacheEvent_SCacheAdd,
      eMoxCacheEvent_SCacheModify, eMoxCacheEvent_SCacheDelete},
     ItemOf<SCacheRule>},
    {{eMoxCacheEvent_SystemOptionsRead}, ItemOf<SystemOptions>},
    {{eMoxCacheEvent_RealtimeInfoRead}, ItemOf<RealtimeInfo>},
    {{eMoxCacheEvent_RealtimeStat}, Report},
    {{eMoxCacheEvent_RthList}, ListOf<RthRecord>},
    {{eMoxCacheEvent_RthAdd, eMoxCacheEvent_RthDelete}, ItemOf<RthRecord>},
    {{eMoxCacheEvent_ToolsIpLookup, eMoxCacheEvent_ToolsTestRegex, eMoxCacheEvent_ToolsTestCache}, ToolAnswer},
    {{eMoxCacheEvent_ToolsCachedUrlList}, StreamedText},
    {{eMoxCacheEvent_ClusterConfigRead, eMoxCacheEvent_ClusterStatusRead, eMoxCacheEvent_ClusterConfigSet}, Cluster},
    {{eMoxCacheEvent_DiskCacheRead}, DiskAreas},
    {{eMoxCacheEvent_DiskCacheSet}, DiskAreaSent},
    {{eMoxCacheEvent_DnsSystemRead, eMoxCacheEvent_DnsSystemSet}, DnsSettings},
    {{eMoxCacheEvent_DnsRedirectList}, DnsRedirects},
    {{eMoxCacheEvent_DnsRedirectAdd, eMoxCacheEvent_DnsRedirectModify, eMoxCacheEvent_DnsRedirectDelete},
     ItemOf<DnsRedirectEntry>},
    {{eMoxCacheEvent_DnsCacheList}, ReplyText},
    {{eMoxCacheEvent_DnsRedirectClassList, eMoxCacheEvent_DnsRedirectClassSet}, ListOf<DnsRedirectClass>},
    {{eMoxCacheEvent_DnsBalanceList, eMoxCacheEvent_DnsBalanceAdd, eMoxCacheEvent_DnsBalanceModify,
      eMoxCacheEvent_DnsBalanceDelete},
     ListOf<DnsBalanceHost>},
};

}  // namespace

std::optional<ResultDocument> DescribeResult(int kind, const CMoxEventParam* record)
{
    for (const Printer& printer : kPrinters)
        for (int printed : printer.kinds)
            if (printed == kind)
                return printer.describe(record);
    return std::nullopt;
}
