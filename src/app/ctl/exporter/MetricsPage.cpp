#include "MetricsPage.h"

#include "MetricFamilies.h"
#include "ResultWriter.h"

namespace {

std::string Labelled(std::string_view name, const std::string& server, const std::string& value)
{
    return std::string(name) + "{server=\"" + EscapeLabelValue(server) + "\"} " + value + "\n";
}

}  // namespace

std::string RenderMetricsPage(const std::vector<std::unique_ptr<ServerMetrics>>& servers)
{
    const ServerMetrics::Clock::time_point now = ServerMetrics::Clock::now();
    std::string up = MetricFamilyHeader("morvix_up", "gauge", "1 while the server answers the exporter's polls.");
    std::string last = MetricFamilyHeader("morvix_last_poll_success_timestamp_seconds", "gauge",
                                          "Unix time of the last answered poll of the server's counters.");
    std::string errors = MetricFamilyHeader("morvix_poll_errors_total", "counter",
                                            "Polls of the server that failed (refused, no connection, unreadable "
                                            "reply, poller ended) since the exporter started.");
    for (const auto& server : servers) {
        const ServerMetrics::Status status = server->StatusAt(now);
        up += Labelled("morvix_up", server->Server(), status.up ? "1" : "0");
        if (status.lastSuccess > 0)
            last += Labelled("morvix_last_poll_success_timestamp_seconds", server->Server(),
                             MetricValue(status.lastSuccess));
        errors += Labelled("morvix_poll_errors_total", server->Server(), std::to_string(status.errors));
    }
    std::string page = up + last + errors;

    const std::vector<MetricFamily>& families = PolledMetricFamilies();
    // The samples go straight into the page after their header; a family nobody has is taken out.
    for (std::size_t i = 0; i < families.size(); ++i) {
        const std::size_t headerAt = page.size();
        page += MetricFamilyHeader(families[i].name, families[i].type, families[i].help);
        const std::size_t samplesAt = page.size();
        for (const auto& server : servers)
            server->AppendFamily(i, now, page);
        if (page.size() == samplesAt)
            page.resize(headerAt);
    }
    return page;
}

std::string RenderSamplesPage(const std::vector<std::unique_ptr<ServerMetrics>>& servers)
{
    const ServerMetrics::Clock::time_point now = ServerMetrics::Clock::now();
    std::string page = "{";
    for (const auto& server : servers) {
        const ServerMetrics::Status status = server->StatusAt(now);
        if (status.lastFigures.empty())
            continue;
        if (page.size() > 1)
            page += ", ";
        page += JsonString(server->Server()) + ": " + status.lastFigures;
    }
    return page + "}\n";
}
