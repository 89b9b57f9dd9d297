#include "ExporterFeed.h"

#include "CtlExitCode.h"
#include "CtlPolling.h"
#include "CtlSession.h"
#include "HostFeed.h"
#include "Interrupt.h"
#include "ServerMetrics.h"
#include "WatchCommand.h"
#include "features/monitor/RealtimeEvents.h"
#include "features/monitor/RealtimeFigureSampler.h"
#include "messaging/EventKinds.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxInstanceManager.h"

#include <json/json.h>

#include <algorithm>
#include <iostream>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kRealtimePeriod = std::chrono::milliseconds(1500);

std::string OneLine(const Json::Value& value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return Json::writeString(builder, value);
}

void WriteLine(const Json::Value& line)
{
    std::cout << OneLine(line) << std::endl;
}

// The figures exactly as watch --json prints them, and the counters they come from.
std::string RealtimeFeedLine(const RealtimeInfo& info, const RealtimeFigureSample& figures)
{
    Json::Value counters;
    const std::pair<const char*, std::int64_t> values[] = {
        {"CurrentUserConnections", info.CurrentUserConnections},
        {"CurrentUpstreamConnections", info.CurrentUpstreamConnections},
        {"AllUsedMemSize", info.AllUsedMemSize},
        {"CacheUsedMemSize", info.CacheUsedMemSize},
        {"NumOfCaches", info.NumOfCaches},
        {"TotalSendKB", info.TotalSendKB},
        {"TotalRecvKB", info.TotalRecvKB},
        {"NumOfCachedSessions", info.NumOfCachedSessions},
        {"NumOfPublicCaches", info.NumOfPublicCaches},
        {"NumOfMemberCaches", info.NumOfMemberCaches},
        {"NumOfVisitorCaches", info.NumOfVisitorCaches},
        {"PublicCacheUsedMemSize", info.PublicCacheUsedMemSize},
        {"MemberCacheUsedMemSize", info.MemberCacheUsedMemSize},
        {"VisitorCacheUsedMemSize", info.VisitorCacheUsedMemSize},
        {"TotalSendToResponseKB", info.TotalSendToResponseKB},
        {"TotalRecvFromResponseKB", info.TotalRecvFromResponseKB},
        {"NumOfDiskCaches", info.NumOfDiskCaches},
        {"SizeOfDiskCachesIndex", info.SizeOfDiskCachesIndex},
        {"NumOfDNSCaches", info.NumOfDNSCaches},
        {"TotalPhyMemSizeKB", info.TotalPhyMemSizeKB},
        {"FreePhyMemSizeKB", info.FreePhyMemSizeKB},
        {"MoxPeakUsedMemSizeKB", info.MoxPeakUsedMemSizeKB},
        {"MoxUsedMemSizeKB", info.MoxUsedMemSizeKB},
    };
    for (const auto& [name, value] : values)
        counters[name] = Json::Int64(value);
    return "{\"Realtime\": " + RealtimeJsonLine(info, figures) + ", \"Counters\": " + OneLine(counters) + "}";
}

Json::Value ErrorLine(CtlSession& session, std::uint64_t from, std::string_view request)
{
    std::string text;
    for (const std::string& status : session.Events().StatusTexts(from))
        text += (text.empty() ? "" : " ") + status;
    Json::Value line;
    line["Error"] = text.empty() ? std::string(request) + " got no answer" : text;
    line["Request"] = std::string(request);
    return line;
}

}  // namespace

int RunExporterFeed(CtlSession& session)
{
    const CtlRequest counters{nsMoxHttp::FindCatalogueRow(eReq_RealtimeList), {}, {}};
    const auto hostPeriod =
        std::chrono::seconds(CMoxInstanceManager::GetInstanceManager()->Options().HostMonitorSeconds());
    RealtimeFigureSampler sampler(CMoxInstanceManager::GetInstanceManager()->Options().CacheHitsMinutes());
    HostFeed hosts(session);
    Clock::time_point nextRealtime = Clock::now();
    Clock::time_point nextHosts = nextRealtime;
    // One request at a time; the realtime poll keeps its period while a long host round goes on.
    while (!Interrupted()) {
        if (Clock::now() >= nextRealtime) {
            // A poll that ran late is not made up for by a burst.
            nextRealtime = std::max(nextRealtime + kRealtimePeriod, Clock::now());
            const std::uint64_t start = session.Events().Mark();
            const auto done = session.Exchange(counters, CtlSession::Texts::Keep);
            if (!done)
                return Interrupted() ? eCtlExit_Accepted : eCtlExit_ExchangeFailed;
            if (done->Status() == eMoxEventStatus_Ok) {
                if (const auto* reply = dynamic_cast<const CRealtimeInfoEventParam*>(done->record.get()))
                    std::cout << RealtimeFeedLine(reply->item, sampler.Sample(reply->item)) << std::endl;
                continue;
            }
            WriteLine(ErrorLine(session, start, ServerMetrics::kRealtimeRequest));
            if (SessionExpired(*done) && !SignInAgain(session))
                return eCtlExit_Refused;
            continue;
        }
        if (hosts.RoundRunning() || Clock::now() >= nextHosts) {
            if (!hosts.RoundRunning())
                nextHosts = std::max(nextHosts + hostPeriod, Clock::now());
            const HostFeed::Step step = hosts.Next();
            if (step.error)
                WriteLine(ErrorLine(session, step.statusFrom, step.request));
            else if (step.finished)
                WriteLine(hosts.RoundLine());
            if (step.sessionExpired && !SignInAgain(session))
                return eCtlExit_Refused;
            if (step.interrupted)
                return eCtlExit_Accepted;
            continue;
        }
        SleepUntil(std::min(nextRealtime, nextHosts));
    }
    return eCtlExit_Accepted;
}
