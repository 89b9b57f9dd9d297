#include "WatchCommand.h"

#include "CtlPolling.h"
#include "CtlSession.h"
#include "ResultWriter.h"
#include "features/monitor/RealtimeEvents.h"
#include "features/monitor/RealtimeFigureSampler.h"
#include "features/monitor/RealtimeNumberForms.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxDisplayStrings.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/TextFormat.h"
#include "shell/MoxText.h"

#include <iostream>

namespace {

constexpr auto kPeriod = std::chrono::milliseconds(1500);

}  // namespace

std::string RealtimeJsonLine(const RealtimeInfo& info, const RealtimeFigureSample& figures)
{
    return FormatText("{\"StartTime\": %s, \"CurrentTime\": %s, \"Saving\": %.2f, \"BandwidthExt\": %.2f, "
                      "\"HitCurrent\": %.2f, \"BandwidthIn\": %.2f, \"ConnectionsExt\": %d, \"ConnectionsIn\": %d, "
                      "\"CacheUsedMemSize\": %lld, \"NumOfCaches\": %d, \"LargestSavingKB\": %lld}",
                      JsonString(info.StartTime), JsonString(info.CurrentTime), figures.saving, figures.bandwidthExt,
                      figures.hitCurrent, figures.bandwidthIn, info.CurrentUpstreamConnections,
                      info.CurrentUserConnections, static_cast<long long>(info.CacheUsedMemSize), info.NumOfCaches,
                      static_cast<long long>(figures.largestSavingKB));
}

namespace {

std::string TextLine(const RealtimeInfo& info, const RealtimeFigureSample& figures)
{
    const CMoxDisplayStrings& labels = CMoxDisplayStrings::Instance();
    const KbValueUnit memory = FormatKbValueUnit(info.CacheUsedMemSize);
    const KbValueUnit largest = FormatKbValueUnit(figures.largestSavingKB);
    return FormatText(MoxText::tr("%s  %s %.2f%%  %s %.2f m/s  %s %.2f%%  %s %.2f m/s  %s %d个  %s %d个  %s %s %s  %s %d个  "
                                  "累计节流 %s %s"),
                      info.CurrentTime, labels.HitAverage(), figures.saving, labels.BandwidthExternal(),
                      figures.bandwidthExt, labels.HitCurrent(), figures.hitCurrent, labels.BandwidthInternal(),
                      figures.bandwidthIn, labels.ConnectionsExternal(), info.CurrentUpstreamConnections,
                      labels.ConnectionsInternal(), info.CurrentUserConnections, labels.MemoryCacheSize(),
                      memory.value, memory.unit, labels.MemoryCacheCount(), info.NumOfCaches, largest.value,
                      largest.unit);
}

}  // namespace

int WatchRealtime(CtlSession& session, bool json)
{
    const CtlRequest counters{nsMoxHttp::FindCatalogueRow(eReq_RealtimeList), {}, {}};
    RealtimeFigureSampler sampler(CMoxInstanceManager::GetInstanceManager()->Options().CacheHitsMinutes());
    return PollRequest(session, counters, kPeriod, true, [&](const CtlEventQueue::Event& done) {
        const auto* reply = dynamic_cast<const CRealtimeInfoEventParam*>(done.record.get());
        if (!reply)
            return;
        const RealtimeInfo& info = reply->item;
        const RealtimeFigureSample figures = sampler.Sample(info);
        std::cout << (json ? RealtimeJsonLine(info, figures) : TextLine(info, figures)) << std::endl;
    });
}
