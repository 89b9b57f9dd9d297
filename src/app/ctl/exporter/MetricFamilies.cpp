#include "MetricFamilies.h"

#include <charconv>
#include <cmath>

namespace {

using S = MetricSource;

// The traffic monitor shows kilobytes and m/s (kilobits per second / 1024).
constexpr double kKilobyte = 1024;
constexpr double kMegabitsToBytes = 1024.0 * 1024.0 / 8.0;
constexpr double kPercent = 0.01;

std::vector<MetricFamily> MakeFamilies()
{
    return {
        {"morvix_client_sent_bytes_total", "counter", "Bytes the server sent to clients.", S::Realtime,
         {{"TotalSendKB", kKilobyte, ""}}},
        {"morvix_client_received_bytes_total", "counter", "Bytes the server received from clients.", S::Realtime,
         {{"TotalRecvKB", kKilobyte, ""}}},
        {"morvix_origin_sent_bytes_total", "counter", "Bytes the server sent to origin servers.", S::Realtime,
         {{"TotalSendToResponseKB", kKilobyte, ""}}},
        {"morvix_origin_received_bytes_total", "counter", "Bytes the server received from origin servers.",
         S::Realtime, {{"TotalRecvFromResponseKB", kKilobyte, ""}}},
        {"morvix_client_connections", "gauge", "Concurrent client connections.", S::Realtime,
         {{"CurrentUserConnections", 1, ""}}},
        {"morvix_origin_connections", "gauge", "Concurrent connections to origin servers.", S::Realtime,
         {{"CurrentUpstreamConnections", 1, ""}}},
        {"morvix_memory_used_bytes", "gauge", "Memory the server uses in total.", S::Realtime,
         {{"AllUsedMemSize", kKilobyte, ""}}},
        {"morvix_cache_memory_used_bytes", "gauge", "Memory used by cached pages.", S::Realtime,
         {{"CacheUsedMemSize", kKilobyte, ""}}},
        {"morvix_cached_pages", "gauge", "Pages in the memory cache.", S::Realtime, {{"NumOfCaches", 1, ""}}},
        {"morvix_cached_pages_by_kind", "gauge", "Pages in the memory cache by who they are served to.", S::Realtime,
         {{"NumOfPublicCaches", 1, "kind=\"public\""},
          {"NumOfMemberCaches", 1, "kind=\"member\""},
          {"NumOfVisitorCaches", 1, "kind=\"visitor\""}}},
        {"morvix_cache_memory_used_by_kind_bytes", "gauge", "Memory used by cached pages by who they are served to.",
         S::Realtime,
         {{"PublicCacheUsedMemSize", kKilobyte, "kind=\"public\""},
          {"MemberCacheUsedMemSize", kKilobyte, "kind=\"member\""},
          {"VisitorCacheUsedMemSize", kKilobyte, "kind=\"visitor\""}}},
        {"morvix_cached_sessions", "gauge", "Cached login sessions.", S::Realtime, {{"NumOfCachedSessions", 1, ""}}},
        {"morvix_disk_cached_pages", "gauge", "Pages in the disk cache.", S::Realtime, {{"NumOfDiskCaches", 1, ""}}},
        {"morvix_disk_cache_index_size", "gauge", "Size of the disk cache's index as the server reports it.",
         S::Realtime, {{"SizeOfDiskCachesIndex", 1, ""}}},
        {"morvix_dns_cached_entries", "gauge", "Entries in the DNS cache.", S::Realtime, {{"NumOfDNSCaches", 1, ""}}},
        {"morvix_machine_memory_total_bytes", "gauge", "Physical memory of the server's machine.", S::Realtime,
         {{"TotalPhyMemSizeKB", kKilobyte, ""}}},
        {"morvix_machine_memory_free_bytes", "gauge", "Free physical memory of the server's machine.", S::Realtime,
         {{"FreePhyMemSizeKB", kKilobyte, ""}}},
        {"morvix_process_memory_used_bytes", "gauge", "Memory the server process uses.", S::Realtime,
         {{"MoxUsedMemSizeKB", kKilobyte, ""}}},
        {"morvix_process_memory_peak_bytes", "gauge", "Most memory the server process has used.", S::Realtime,
         {{"MoxPeakUsedMemSizeKB", kKilobyte, ""}}},
        {"morvix_client_bandwidth_bytes_per_second", "gauge",
         "Bandwidth toward clients over the last polls, as the traffic monitor computes it.", S::Realtime,
         {{"BandwidthIn", kMegabitsToBytes, ""}}},
        {"morvix_origin_bandwidth_bytes_per_second", "gauge",
         "Bandwidth from origin servers over the last polls, as the traffic monitor computes it.", S::Realtime,
         {{"BandwidthExt", kMegabitsToBytes, ""}}},
        {"morvix_hit_ratio", "gauge",
         "Share of client traffic not fetched from origin servers over the hit-rate window ([CacheHits] timeval).",
         S::Realtime, {{"HitCurrent", kPercent, ""}}},
        {"morvix_saving_ratio", "gauge", "Share of all client traffic not fetched from origin servers.", S::Realtime,
         {{"Saving", kPercent, ""}}},

        {"morvix_host_client_connections", "gauge", "Current client connections of a host.", S::Host,
         {{"UserConnections", 1, ""}}},
        {"morvix_host_origin_connections", "gauge", "Current origin connections of a host.", S::Host,
         {{"UpstreamConnections", 1, ""}}},
        {"morvix_host_period_requests", "gauge", "Requests of a host in the current counting period.", S::Host,
         {{"RequestCount", 1, ""}}},
        {"morvix_host_period_received_bytes", "gauge", "Bytes a host received from clients in the counting period.",
         S::Host, {{"UploadCount", 1, ""}}},
        {"morvix_host_period_sent_bytes", "gauge", "Bytes a host sent to clients in the counting period.", S::Host,
         {{"DownloadCount", 1, ""}}},
        {"morvix_host_client_addresses", "gauge", "Distinct client addresses of a host in the counting period.",
         S::Host, {{"IpCount", 1, ""}}},
        {"morvix_host_interval_requests", "gauge", "Requests of a host between the last two polls.", S::Host,
         {{"IntervalRequests", 1, ""}}},
        {"morvix_host_requests_total", "counter",
         "Requests of a host since the exporter started, summed over the host monitor's polls.", S::Host,
         {{"RequestsTotal", 1, ""}}},
        {"morvix_host_interval_sent_bytes", "gauge", "Bytes a host sent to clients between the last two polls.",
         S::Host, {{"IntervalSent", 1, ""}}},
        {"morvix_host_interval_received_bytes", "gauge",
         "Bytes a host received from clients between the last two polls.", S::Host, {{"IntervalReceived", 1, ""}}},
        {"morvix_host_download_bandwidth_bytes_per_second", "gauge", "Bandwidth from a host to its clients.", S::Host,
         {{"DownloadBandwidth", kMegabitsToBytes, ""}}},
        {"morvix_host_upload_bandwidth_bytes_per_second", "gauge", "Bandwidth from clients to a host.", S::Host,
         {{"UploadBandwidth", kMegabitsToBytes, ""}}},

        {"morvix_upstream_up", "gauge", "1 while an origin server of a host is up, 0 while the server finds it down.",
         S::Upstream, {{"IsDown", -1, ""}}},
        {"morvix_upstream_client_connections", "gauge", "Current client connections served by an origin.",
         S::Upstream, {{"UserConnections", 1, ""}}},
        {"morvix_upstream_connections", "gauge", "Current connections to an origin.", S::Upstream,
         {{"UpstreamConnections", 1, ""}}},
        {"morvix_upstream_period_requests", "gauge", "Requests sent to an origin in the current counting period.",
         S::Upstream, {{"RequestCount", 1, ""}}},
        {"morvix_upstream_period_received_bytes", "gauge", "Bytes received for an origin in the counting period.",
         S::Upstream, {{"UploadCount", 1, ""}}},
        {"morvix_upstream_period_sent_bytes", "gauge", "Bytes sent for an origin in the counting period.",
         S::Upstream, {{"DownloadCount", 1, ""}}},
        {"morvix_upstream_interval_requests", "gauge", "Requests sent to an origin between the last two polls.",
         S::Upstream, {{"IntervalRequests", 1, ""}}},
        {"morvix_upstream_requests_total", "counter",
         "Requests sent to an origin since the exporter started, summed over the host monitor's polls.",
         S::Upstream, {{"RequestsTotal", 1, ""}}},
        {"morvix_upstream_download_bandwidth_bytes_per_second", "gauge", "Download bandwidth through an origin.",
         S::Upstream, {{"DownloadBandwidth", kMegabitsToBytes, ""}}},
        {"morvix_upstream_upload_bandwidth_bytes_per_second", "gauge", "Upload bandwidth through an origin.",
         S::Upstream, {{"UploadBandwidth", kMegabitsToBytes, ""}}},
    };
}

// IsDown becomes up: 1 - (IsDown != 0).
double SampleValue(const Json::Value& record, const MetricSample& sample)
{
    const double value = record[sample.key.data()].asDouble();
    if (sample.scale < 0)
        return value != 0 ? 0 : 1;
    return value * sample.scale;
}

void AppendSample(std::string& text, std::string_view name, const std::string& labels, std::string_view extra,
                  double value)
{
    text += name;
    text += '{';
    text += labels;
    if (!extra.empty()) {
        text += ',';
        text += extra;
    }
    text += "} ";
    text += MetricValue(value);
    text += '\n';
}

void RenderRecord(const Json::Value& record, MetricSource source, const std::string& labels,
                  std::vector<std::string>& texts)
{
    const std::vector<MetricFamily>& families = PolledMetricFamilies();
    for (std::size_t i = 0; i < families.size(); ++i) {
        if (families[i].source != source)
            continue;
        for (const MetricSample& sample : families[i].samples)
            if (record.isMember(sample.key.data()))
                AppendSample(texts[i], families[i].name, labels, sample.label, SampleValue(record, sample));
    }
}

}  // namespace

const std::vector<MetricFamily>& PolledMetricFamilies()
{
    static const std::vector<MetricFamily> families = MakeFamilies();
    return families;
}

std::string MetricFamilyHeader(std::string_view name, std::string_view type, std::string_view help)
{
    std::string header;
    header.append("# HELP ").append(name).append(" ").append(help).append("\n");
    header.append("# TYPE ").append(name).append(" ").append(type).append("\n");
    return header;
}

std::string EscapeLabelValue(std::string_view value)
{
    std::string escaped;
    escaped.reserve(value.size());
    for (const char c : value) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '"')
            escaped += "\\\"";
        else if (c == '\n')
            escaped += "\\n";
        else
            escaped += c;
    }
    return escaped;
}

std::string MetricValue(double value)
{
    if (std::isnan(value))
        return "NaN";
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

void RenderRealtime(const Json::Value& realtime, const std::string& server, std::vector<std::string>& texts)
{
    RenderRecord(realtime, MetricSource::Realtime, "server=\"" + EscapeLabelValue(server) + "\"", texts);
}

void RenderHosts(const Json::Value& hosts, const std::string& server, std::vector<std::string>& texts)
{
    const std::string serverLabel = "server=\"" + EscapeLabelValue(server) + "\"";
    for (const Json::Value& host : hosts) {
        const std::string hostLabels = serverLabel + ",host=\"" + EscapeLabelValue(host["Host"].asString()) + "\"";
        RenderRecord(host, MetricSource::Host, hostLabels, texts);
        for (const Json::Value& origin : host["Origins"])
            RenderRecord(origin, MetricSource::Upstream,
                         hostLabels + ",origin=\"" + EscapeLabelValue(origin["Host"].asString()) + "\"", texts);
    }
}
