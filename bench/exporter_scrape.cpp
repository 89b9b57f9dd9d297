// How long a Prometheus scrape of the exporter takes with 10 servers of 1,000 hosts (2 origins
// each), beside the same HTTP server answering a constant text of the same size: the cost the
// exporter adds to a scrape is joining the texts its pollers' lines were rendered into.
#include "MetricsPage.h"
#include "ServerMetrics.h"

#include <httplib.h>
#include <json/json.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kServers = 10;
constexpr int kHostsPerServer = 1000;
constexpr int kOriginsPerHost = 2;
constexpr int kScrapes = 40;

std::string OneLine(const Json::Value& value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return Json::writeString(builder, value);
}

// A poller's counters line, as morvixctl --feed watch writes it.
std::string RealtimeLine(int server)
{
    Json::Value line;
    Json::Value& figures = line["Realtime"];
    figures["CurrentTime"] = "2026-12-07 12:00:00";
    figures["BandwidthIn"] = 21.21 + server;
    figures["BandwidthExt"] = 3.62;
    figures["HitCurrent"] = 82.91;
    figures["Saving"] = 72.02;
    figures["ConnectionsIn"] = 307;
    figures["ConnectionsExt"] = 16;
    figures["CacheUsedMemSize"] = 180573;
    figures["NumOfCaches"] = 2000;
    Json::Value& counters = line["Counters"];
    for (const char* name : {"CurrentUserConnections", "CurrentUpstreamConnections", "AllUsedMemSize",
                             "CacheUsedMemSize", "NumOfCaches", "TotalSendKB", "TotalRecvKB", "NumOfCachedSessions",
                             "NumOfPublicCaches", "NumOfMemberCaches", "NumOfVisitorCaches", "PublicCacheUsedMemSize",
                             "MemberCacheUsedMemSize", "VisitorCacheUsedMemSize", "TotalSendToResponseKB",
                             "TotalRecvFromResponseKB", "NumOfDiskCaches", "SizeOfDiskCachesIndex", "NumOfDNSCaches",
                             "TotalPhyMemSizeKB", "FreePhyMemSizeKB", "MoxPeakUsedMemSizeKB", "MoxUsedMemSizeKB"})
        counters[name] = Json::Int64(248869639 + server);
    return OneLine(line);
}

Json::Value Figures(int seed)
{
    Json::Value entry;
    entry["UserConnections"] = 80 + seed % 7;
    entry["UpstreamConnections"] = 4;
    entry["RequestCount"] = Json::Int64(1480342 + seed);
    entry["UploadCount"] = Json::Int64(909522163 + seed);
    entry["DownloadCount"] = Json::Int64(36414161763 + seed);
    entry["IpCount"] = 7300;
    entry["IntervalRequests"] = 93;
    entry["IntervalSent"] = 2339289.0;
    entry["IntervalReceived"] = 57331.0;
    entry["DownloadBandwidth"] = 6.24;
    entry["UploadBandwidth"] = 0.15;
    return entry;
}

// A poller's hosts line with every host's origins.
std::string HostsLine()
{
    Json::Value line;
    Json::Value& hosts = line["Hosts"];
    for (int h = 0; h < kHostsPerServer; ++h) {
        Json::Value host = Figures(h);
        host["ProxyID"] = std::to_string(10000 + h);
        host["Host"] = "www" + std::to_string(h) + ".example.com";
        for (int o = 0; o < kOriginsPerHost; ++o) {
            Json::Value origin = Figures(h + o);
            origin["UpstreamID"] = std::to_string(20000 + h * kOriginsPerHost + o);
            origin["Host"] = "10.1." + std::to_string(h % 250) + "." + std::to_string(o + 11) + ":80";
            origin["IsDown"] = o == 1 && h % 10 == 0 ? 1 : 0;
            host["Origins"].append(std::move(origin));
        }
        hosts.append(std::move(host));
    }
    return OneLine(line);
}

double MedianMilliseconds(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

}  // namespace

int main()
{
    std::vector<std::unique_ptr<ServerMetrics>> servers;
    const std::string hosts = HostsLine();
    for (int s = 0; s < kServers; ++s) {
        servers.push_back(std::make_unique<ServerMetrics>("10.0.0." + std::to_string(s + 1) + ":6780"));
        servers.back()->OnPollerLine(RealtimeLine(s));
        servers.back()->OnPollerLine(hosts);
    }
    const std::string constant = RenderMetricsPage(servers);

    httplib::Server http;
    http.Get("/metrics", [&servers](const httplib::Request&, httplib::Response& response) {
        response.set_content(RenderMetricsPage(servers), "text/plain; version=0.0.4; charset=utf-8");
    });
    http.Get("/constant", [&constant](const httplib::Request&, httplib::Response& response) {
        response.set_content(constant, "text/plain; version=0.0.4; charset=utf-8");
    });
    const int port = http.bind_to_any_port("127.0.0.1");
    // Bound and listening already: requests wait in the backlog until the loop accepts them.
    std::thread serving([&http] { http.listen_after_bind(); });

    httplib::Client client("127.0.0.1", port);
    client.set_keep_alive(true);
    std::vector<double> scrape;
    std::vector<double> baseline;
    std::size_t scrapeSize = 0;
    for (int i = 0; i < kScrapes; ++i) {
        // The pollers keep reporting while scrapes come, as they do every 1.5 s.
        for (int s = 0; s < kServers; ++s)
            servers[static_cast<std::size_t>(s)]->OnPollerLine(RealtimeLine(s));
        for (const char* path : {"/metrics", "/constant"}) {
            const auto start = std::chrono::steady_clock::now();
            const auto response = client.Get(path);
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            if (!response || response->status != 200) {
                std::fprintf(stderr, "GET %s failed\n", path);
                return 1;
            }
            if (path[1] == 'm') {
                scrape.push_back(ms);
                scrapeSize = response->body.size();
            } else {
                baseline.push_back(ms);
            }
        }
    }
    http.stop();
    serving.join();

    const double scrapeMs = MedianMilliseconds(scrape);
    const double baselineMs = MedianMilliseconds(baseline);
    std::printf("exporter scrape, %d servers x %d hosts x %d origins: %zu bytes, %zu series\n", kServers,
                kHostsPerServer, kOriginsPerHost, scrapeSize,
                static_cast<std::size_t>(std::count(constant.begin(), constant.end(), '\n')));
    std::printf("  /metrics  median %.2f ms over %d scrapes\n", scrapeMs, kScrapes);
    std::printf("  constant  median %.2f ms (same server, same size)\n", baselineMs);
    std::printf("  ratio %.2f (target <= 2)\n", scrapeMs / baselineMs);
    return 0;
}
