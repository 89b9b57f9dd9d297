#include "HostsCommand.h"

#include "CtlPolling.h"
#include "CtlSession.h"
#include "ResultWriter.h"
#include "TextTable.h"
#include "features/monitor/HostMonitorColumns.h"
#include "features/monitor/HostMonitorEvents.h"
#include "features/monitor/MonitorClock.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/TextFormat.h"

#include <iostream>

namespace {

std::string TextTable(const CMoxHostMonitorSet& hosts)
{
    const auto& columns = HostMonitorColumns();
    std::vector<std::vector<TextCell>> rows(1);
    for (const auto& column : columns)
        rows[0].push_back({column.title, column.number != nullptr});
    for (const CMoxHostMonitor& entry : hosts.Entries()) {
        rows.emplace_back();
        for (const auto& column : columns)
            rows.back().push_back({column.text(entry), column.number != nullptr});
    }
    return RenderTextTable(rows);
}

// Raw figures for programs: bytes and megabits per second, unformatted.
std::string JsonArray(const CMoxHostMonitorSet& hosts)
{
    std::string json = "[";
    for (const CMoxHostMonitor& entry : hosts.Entries()) {
        const ProxyHost& host = entry.last;
        const HostInterval& interval = entry.interval;
        json += FormatText("%s{\"No\": %d, \"ProxyID\": %s, \"Host\": %s, \"UserConnections\": %d, "
                           "\"UpstreamConnections\": %d, \"DownloadMbps\": %.6f, \"UploadMbps\": %.6f, "
                           "\"IntervalSentBytes\": %.0f, \"IntervalReceivedBytes\": %.0f, \"RequestCount\": %lld, "
                           "\"IntervalRequests\": %lld}",
                           json.size() > 1 ? ", " : "", host.No, JsonString(host.ProxyID), JsonString(host.Host),
                           host.UserConnections, host.UpstreamConnections, interval.downloadMbps, interval.uploadMbps,
                           interval.sentBytes, interval.receivedBytes, static_cast<long long>(host.RequestCount),
                           static_cast<long long>(interval.requests));
    }
    return json + "]";
}

}  // namespace

int WatchHosts(CtlSession& session, bool watch, bool json)
{
    const CtlRequest list{nsMoxHttp::FindCatalogueRow(eReq_ProxyList), {}, {}};
    const auto period = std::chrono::seconds(CMoxInstanceManager::GetInstanceManager()->Options().HostMonitorSeconds());
    CMoxHostMonitorSet hosts;
    return PollRequest(session, list, period, watch, [&](const CtlEventQueue::Event& event) {
        if (const auto* reply = dynamic_cast<const CMoxProxyUrlListEventParam*>(event.record.get()))
            hosts.Update(reply->items, MonitorTickNow());
        std::cout << (json ? JsonArray(hosts) : TextTable(hosts)) << std::endl;
    });
}
