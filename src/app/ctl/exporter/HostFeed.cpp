#include "HostFeed.h"

#include "CtlPolling.h"
#include "CtlSession.h"
#include "features/monitor/HostMonitorEvents.h"
#include "features/monitor/MonitorClock.h"
#include "messaging/EventKinds.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"

namespace {

void AddFigures(Json::Value& entry, const HostInterval& interval)
{
    entry["IntervalRequests"] = Json::Int64(interval.requests);
    entry["IntervalSent"] = interval.sentBytes;
    entry["IntervalReceived"] = interval.receivedBytes;
    entry["DownloadBandwidth"] = interval.downloadMbps;
    entry["UploadBandwidth"] = interval.uploadMbps;
}

template <class Record>
void AddCounts(Json::Value& entry, const Record& record)
{
    entry["Host"] = record.Host;
    entry["UserConnections"] = record.UserConnections;
    entry["UpstreamConnections"] = record.UpstreamConnections;
    entry["RequestCount"] = Json::Int64(record.RequestCount);
    entry["UploadCount"] = Json::Int64(record.UploadCount);
    entry["DownloadCount"] = Json::Int64(record.DownloadCount);
    entry["IpCount"] = record.IpCount;
}

}  // namespace

HostFeed::HostFeed(CtlSession& session) : session_(session) {}

HostFeed::Step HostFeed::Next()
{
    return running_ ? ListOrigins() : ListHosts();
}

HostFeed::Step HostFeed::ListHosts()
{
    Step step{false, false, false, false, session_.Events().Mark(), "proxy list"};
    const CtlRequest request{nsMoxHttp::FindCatalogueRow(eReq_ProxyList), {}, {}};
    const auto done = session_.Exchange(request, CtlSession::Texts::Keep);
    if (!done) {
        step.interrupted = true;
        return step;
    }
    const auto* list = dynamic_cast<const CMoxProxyUrlListEventParam*>(done->record.get());
    if (done->Status() != eMoxEventStatus_Ok || !list) {
        step.error = true;
        step.sessionExpired = SessionExpired(*done);
        return step;
    }
    line_ = Json::Value();
    line_["Hosts"] = Json::Value(Json::arrayValue);
    proxyIds_.clear();
    hostMonitor_.Update(list->items, MonitorTickNow());
    for (const ProxyHost& host : list->items) {
        Json::Value entry;
        entry["ProxyID"] = host.ProxyID;
        AddCounts(entry, host);
        if (const CMoxHostMonitor* monitor = hostMonitor_.Find(host.ProxyID))
            AddFigures(entry, monitor->interval);
        entry["Origins"] = Json::Value(Json::arrayValue);
        line_["Hosts"].append(std::move(entry));
        proxyIds_.push_back(host.ProxyID);
    }
    nextOrigins_ = 0;
    running_ = !proxyIds_.empty();
    step.finished = !running_;
    return step;
}

HostFeed::Step HostFeed::ListOrigins()
{
    const std::size_t index = nextOrigins_++;
    Step step{false, false, false, false, session_.Events().Mark(), "upstream list"};
    running_ = nextOrigins_ < proxyIds_.size();
    step.finished = !running_;
    CtlRequest request{nsMoxHttp::FindCatalogueRow(eReq_UpstreamList), {}, {}};
    request.values.Set("ProxyID", proxyIds_[index]);
    const auto done = session_.Exchange(request, CtlSession::Texts::Keep);
    if (!done) {
        step.interrupted = true;
        return step;
    }
    const auto* list = dynamic_cast<const CMoxProxyUrlEventParam*>(done->record.get());
    // A host removed since the host list was read has no origins to show; the round goes on.
    if (done->Status() != eMoxEventStatus_Ok || !list) {
        step.sessionExpired = SessionExpired(*done);
        return step;
    }
    Json::Value& origins = line_["Hosts"][static_cast<Json::ArrayIndex>(index)]["Origins"];
    originMonitor_.Update(list->items, MonitorTickNow());
    for (const UpstreamHost& origin : list->items) {
        Json::Value entry;
        entry["UpstreamID"] = origin.UpstreamID;
        AddCounts(entry, origin);
        entry["IsDown"] = origin.IsDown;
        if (const CMoxUpstreamMonitor* monitor = originMonitor_.Find(origin.UpstreamID))
            AddFigures(entry, monitor->interval);
        origins.append(std::move(entry));
    }
    return step;
}
