#include "WatchCommand.h"

#include "CtlExitCode.h"
#include "CtlSession.h"
#include "Interrupt.h"
#include "ResultWriter.h"
#include "features/monitor/CalcRealtimeHits.h"
#include "features/monitor/RealtimeFigures.h"
#include "features/monitor/RealtimeKbps.h"
#include "features/monitor/RealtimeNumberForms.h"
#include "messaging/EventKinds.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxDisplayStrings.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/MoxLogin.h"
#include "shell/TextFormat.h"

#include <iostream>
#include <thread>

namespace {

constexpr auto kPeriod = std::chrono::milliseconds(1500);
constexpr auto kSleepSlice = std::chrono::milliseconds(50);
constexpr int kSessionExpired = 21;

struct Figures {
    double bandwidthIn = 0;   // m/s
    double bandwidthExt = 0;  // m/s
    double hitCurrent = 0;    // percent
    double saving = 0;        // percent
    RealtimeInfo info;
};

class RealtimeWatch {
public:
    RealtimeWatch() : hits_(CMoxInstanceManager::GetInstanceManager()->Options().CacheHitsMinutes()) {}

    Figures Sample(const RealtimeInfo& info)
    {
        // The server's clock times both rates; without it the local tick does.
        internal_.Update(info.TotalSendKB, info.CurrentTickCount);
        external_.Update(info.TotalRecvFromResponseKB, info.CurrentTickCount);
        hits_.Update(info.TotalSendKB, info.TotalRecvKB, info.TotalSendToResponseKB, info.TotalRecvFromResponseKB);
        return {RealtimeBandwidthShown(internal_.Rate()), RealtimeBandwidthShown(external_.Rate()), hits_.HitRate(),
                RealtimeSavingPercent(info.TotalSendKB, info.TotalRecvFromResponseKB), info};
    }

private:
    RealtimeKbps internal_;
    RealtimeKbps external_;
    CalcRealtimeHits hits_;
};

std::string Line(const Figures& figures, bool json)
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

void SleepUntil(std::chrono::steady_clock::time_point when)
{
    while (!Interrupted() && std::chrono::steady_clock::now() < when)
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            kSleepSlice, when - std::chrono::steady_clock::now()));
}

// An expired session is renewed once with what the instance keeps, as the main window does.
bool SignInAgain(CtlSession& session)
{
    const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    return instance && session.SignIn(instance->Host(), instance->Role(), instance->Password()) == eCtlExit_Accepted;
}

}  // namespace

int WatchRealtime(CtlSession& session, bool json)
{
    const CtlRequest counters{nsMoxHttp::FindCatalogueRow(eReq_RealtimeList), {}, {}};
    RealtimeWatch watch;
    auto next = std::chrono::steady_clock::now();
    while (!Interrupted()) {
        const auto done = session.Exchange(counters);
        if (!done)
            return Interrupted() ? eCtlExit_Accepted : eCtlExit_ExchangeFailed;
        if (done->Status() == eMoxEventStatus_Ok) {
            const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
            std::cout << Line(watch.Sample(instance->Realtime()), json) << std::endl;
        } else if (done->Status() == eMoxEventStatus_ServerError && done->param2 == kSessionExpired &&
                   !SignInAgain(session)) {
            return eCtlExit_Refused;
        }
        next += kPeriod;
        SleepUntil(next);
    }
    return eCtlExit_Accepted;
}
