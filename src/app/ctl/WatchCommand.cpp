#include "WatchCommand.h"

#include "CtlExitCode.h"
#include "CtlPolling.h"
#include "CtlSession.h"
#include "Interrupt.h"
#include "RealtimeSampler.h"
#include "ResultWriter.h"
#include "features/monitor/RealtimeNumberForms.h"
#include "messaging/EventKinds.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxDisplayStrings.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/TextFormat.h"

#include <iostream>

namespace {

constexpr auto kPeriod = std::chrono::milliseconds(1500);

}  // namespace

std::string RealtimeLine(const RealtimeFigures& figures, bool json)
{
    const RealtimeInfo& info = figures.info;
    const KbValueUnit memory = FormatKbValueUnit(info.CacheUsedMemSize);
    if (json)
        return FormatText("{\"CurrentTime\": %s, \"BandwidthIn\": %.2f, \"BandwidthExt\": %.2f, "
                          "\"HitCurrent\": %.2f, \"Saving\": %.2f, \"ConnectionsIn\": %d, \"ConnectionsExt\": %d, "
                          "\"CacheUsedMemSize\": %lld, \"NumOfCaches\": %d}",
                          JsonString(info.CurrentTime), figures.bandwidthIn, figures.bandwidthExt, figures.hitCurrent,
                          figures.saving, info.CurrentUserConnections, info.CurrentUpstreamConnections,
                          static_cast<long long>(info.CacheUsedMemSize), info.NumOfCaches);
    const CMoxDisplayStrings& labels = CMoxDisplayStrings::Instance();
    return FormatText("%s  %s %.2f m/s  %s %.2f m/s  %s %.2f%%  %s %.2f%%  %s %d个  %s %d个  %s %s %s",
                      info.CurrentTime, labels.BandwidthInternal(), figures.bandwidthIn, labels.BandwidthExternal(),
                      figures.bandwidthExt, labels.HitCurrent(), figures.hitCurrent, labels.HitAverage(),
                      figures.saving, labels.ConnectionsInternal(), info.CurrentUserConnections,
                      labels.ConnectionsExternal(), info.CurrentUpstreamConnections, labels.MemoryCacheSize(),
                      memory.value, memory.unit);
}

int WatchRealtime(CtlSession& session, bool json)
{
    const CtlRequest counters{nsMoxHttp::FindCatalogueRow(eReq_RealtimeList), {}, {}};
    RealtimeSampler sampler;
    auto next = std::chrono::steady_clock::now();
    while (!Interrupted()) {
        const auto done = session.Exchange(counters);
        if (!done)
            return Interrupted() ? eCtlExit_Accepted : eCtlExit_ExchangeFailed;
        if (done->Status() == eMoxEventStatus_Ok) {
            const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
            std::cout << RealtimeLine(sampler.Sample(instance->Realtime()), json) << std::endl;
        } else if (SessionExpired(*done) && !SignInAgain(session)) {
            return eCtlExit_Refused;
        }
        next += kPeriod;
        SleepUntil(next);
    }
    return eCtlExit_Accepted;
}
