#include "Realtime.h"

#include "AdminError.h"
#include "CachedPages.h"
#include "CommandTable.h"
#include "DiskCache.h"
#include "DnsService.h"
#include "Ipv4.h"
#include "TrafficModel.h"
#include "UrlPattern.h"
#include "WallClock.h"

#include <cmath>
#include <cstdio>

namespace morvix::sim {

namespace {

constexpr long long physicalMemoryKB = 8LL * 1024 * 1024;
constexpr long long baseMemoryKB = 180000;

std::string whole(double value)
{
    return std::to_string(static_cast<long long>(std::llround(value)));
}

std::string fixed(double value, const char* suffix = "")
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f%s", value, suffix);
    return text;
}

std::optional<uint32_t> optionalAddress(const FormFields& fields, const char* key)
{
    const std::string* text = fields.find(key);
    if (!text || text->empty())
        return std::nullopt;
    const auto address = parseIpv4(*text);
    if (!address)
        throw AdminError(BadField, std::string(key) + " is not an address");
    return address;
}

}  // namespace

Realtime::Realtime(TrafficModel& traffic, CachedPages& pages, DnsService& dns, const DiskCache& disks)
    : traffic_(traffic), pages_(pages), dns_(dns), disks_(disks)
{
}

void Realtime::registerCommands(CommandTable& table)
{
    table.add("realtime", "list", Access::Read, [this](const FormFields&) { return counters(); });
    table.add("realtime", "totalstat", Access::Read, [this](const FormFields&) { return report(); });
    table.add("realtime", "instantrequest", Access::Read, [this](const FormFields& fields) { return stream(fields); });
}

Reply Realtime::counters()
{
    const double uptime = traffic_.uptimeSeconds();
    const int64_t second = static_cast<int64_t>(uptime);
    const TrafficModel::Totals totals = traffic_.totalsAt(uptime);
    const double perSecond = traffic_.requestsPerSecond(second);
    const double missRatio = 1.0 - traffic_.hitRatio(second);
    const double pages = static_cast<double>(pages_.pageCount());
    const double pageKB = pages_.pageKB();
    const long long allMemoryKB = baseMemoryKB + static_cast<long long>(pageKB) + 12 * static_cast<long long>(pages_.sessionCount());
    const long long processMemoryKB = allMemoryKB + 52000;
    peakMemoryKB_ = std::max(peakMemoryKB_, processMemoryKB);
    const double diskPages = pages * 3.0 * disks_.areasInUse();

    return Reply::accepted()
        .set("CurrentUserConnections", whole(perSecond * 2.5))
        .set("CurrentUpstreamConnections", whole(perSecond * missRatio * 0.8))
        .set("AllUsedMemSize", std::to_string(allMemoryKB))
        .set("CacheUsedMemSize", whole(pageKB))
        .set("NumOfCaches", whole(pages))
        .set("TotalSendKB", whole(totals.sentKB))
        .set("TotalRecvKB", whole(totals.receivedKB))
        .set("NumOfCachedSessions", std::to_string(pages_.sessionCount()))
        .set("NumOfPublicCaches", whole(pages * 0.7))
        .set("NumOfMemberCaches", whole(pages * 0.2))
        .set("NumOfVisitorCaches", whole(pages - std::round(pages * 0.7) - std::round(pages * 0.2)))
        .set("PublicCacheUsedMemSize", whole(pageKB * 0.7))
        .set("MemberCacheUsedMemSize", whole(pageKB * 0.2))
        .set("VisitorCacheUsedMemSize", whole(pageKB - std::round(pageKB * 0.7) - std::round(pageKB * 0.2)))
        .set("TotalSendToResponseKB", whole(totals.sentToOriginKB))
        .set("TotalRecvFromResponseKB", whole(totals.receivedFromOriginKB))
        .set("CountOfAFRWR", whole(totals.requests * 0.001))
        .set("NumOfDiskCaches", whole(diskPages))
        .set("SizeOfDiskCachesIndex", whole(diskPages * 0.25))
        .set("NumOfDNSCaches", std::to_string(dns_.cachedNames()))
        .set("TotalPhyMemSizeKB", std::to_string(physicalMemoryKB))
        .set("FreePhyMemSizeKB", std::to_string(physicalMemoryKB - processMemoryKB - 2200000))
        .set("MoxPeakUsedMemSizeKB", std::to_string(peakMemoryKB_))
        .set("MoxUsedMemSizeKB", std::to_string(processMemoryKB))
        .set("CurrentTickCount", std::to_string(traffic_.tickCount()))
        .set("StartTime", formatTime(traffic_.startTime()))
        .set("CurrentTime", nowText());
}

Reply Realtime::report()
{
    const std::time_t now = std::time(nullptr);
    const std::time_t periodStart = traffic_.periodStart(now);
    const double uptime = traffic_.uptimeSeconds();
    const double periodUptime = uptime - static_cast<double>(now - periodStart);
    const TrafficModel::Totals end = traffic_.totalsAt(uptime);
    const TrafficModel::Totals start = traffic_.totalsAt(periodUptime);
    const double requests = end.requests - start.requests;
    const double hits = end.hits - start.hits;

    // Each province takes a fixed share of the traffic for a given seed.
    const auto& provinces = TrafficModel::provinces();
    std::vector<double> weights;
    double weightSum = 0;
    for (size_t i = 0; i < provinces.size(); ++i) {
        weights.push_back(1.0 + static_cast<double>(mixBits(traffic_.seed(), i) % 1000) / 100.0);
        weightSum += weights.back();
    }
    std::string text = "省份                总请求量TR    独立访问IP量    人均请求数量    流量百分比\r\n";
    for (size_t i = 0; i < provinces.size(); ++i) {
        const double share = weights[i] / weightSum;
        const double provinceRequests = std::floor(requests * share);
        const double addresses = std::max(1.0, std::floor(std::sqrt(provinceRequests) * 6.0));
        char line[256];
        std::snprintf(line, sizeof line, "%-16s    %-12.0f    %-14.0f    %-12.2f    %.2f%%\r\n", provinces[i].c_str(),
                      provinceRequests, addresses, provinceRequests / addresses, share * 100.0);
        text += line;
    }
    return Reply::accepted()
        .set("StartTime", formatTime(periodStart))
        .set("EndTime", formatTime(now))
        .set("HitCachesRate", fixed(requests > 0 ? hits * 100.0 / requests : 0.0, "%"))
        .set("RealTimeReport", std::move(text));
}

Reply Realtime::stream(const FormFields& fields) const
{
    StreamFilter filter;
    filter.pattern = fields.text("RequestUrl", 2047, false);
    filter.ignoreCase = fields.flag("Icase") == 1;
    filter.matchKind = static_cast<int>(fields.number("Rules", 0, 2));
    const auto optionalSwitch = [&](const char* key) { return fields.has(key) && fields.flag(key) == 1; };
    filter.location = optionalSwitch("Location");
    filter.dateTime = optionalSwitch("DateTime");
    filter.hitCache = optionalSwitch("HitCache");
    filter.userAgent = optionalSwitch("UserAgent");
    filter.invalidRequest = optionalSwitch("InvalidRequest");
    filter.hitMemberCache = optionalSwitch("HitMemberCache");
    filter.ipLow = optionalAddress(fields, "IPLow");
    filter.ipHigh = optionalAddress(fields, "IPHigh");
    if (filter.ipLow && !filter.ipHigh)
        filter.ipHigh = filter.ipLow;
    if (filter.ipHigh && !filter.ipLow)
        filter.ipLow = filter.ipHigh;
    if (filter.ipLow && *filter.ipLow > *filter.ipHigh)
        throw AdminError(BadField, "IPLow above IPHigh");
    if (filter.matchKind == UrlPattern::Regex && !UrlPattern::isValidRegex(filter.pattern, filter.ignoreCase))
        throw AdminError(BadField, "regular expression does not compile");
    filter.html = fields.textOr("ContentType", "") == "html";
    return Reply::stream(std::move(filter));
}

}  // namespace morvix::sim
