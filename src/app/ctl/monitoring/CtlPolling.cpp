#include "CtlPolling.h"

#include "CtlExitCode.h"
#include "CtlSession.h"
#include "Interrupt.h"
#include "features/monitor/HostMonitorEvents.h"
#include "features/monitor/RealtimeEvents.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"

#include <algorithm>
#include <thread>

namespace {

constexpr auto kSleepSlice = std::chrono::milliseconds(50);
constexpr int kSessionExpired = 21;

// The server's error number of a refusal: in the record where the event has one, in param2 otherwise.
int RefusalNumber(const CtlEventQueue::Event& event)
{
    if (const auto* hosts = dynamic_cast<const CMoxProxyUrlListEventParam*>(event.record.get()))
        return hosts->errorNo;
    if (const auto* origins = dynamic_cast<const CMoxProxyUrlEventParam*>(event.record.get()))
        return origins->errorNo;
    if (const auto* counters = dynamic_cast<const CRealtimeInfoEventParam*>(event.record.get()))
        return counters->errorNo;
    return static_cast<int>(event.param2);
}

}  // namespace

void SleepUntil(std::chrono::steady_clock::time_point when)
{
    while (!Interrupted() && std::chrono::steady_clock::now() < when)
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kSleepSlice, when - std::chrono::steady_clock::now()));
}

bool SessionExpired(const CtlEventQueue::Event& done)
{
    return done.Status() == eMoxEventStatus_ServerError && RefusalNumber(done) == kSessionExpired;
}

bool SignInAgain(CtlSession& session)
{
    const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    return instance && session.SignIn(instance->Host(), instance->Role(), instance->Password()) == eCtlExit_Accepted;
}

int PollRequest(CtlSession& session, const CtlRequest& request, std::chrono::milliseconds period, bool repeat,
                const std::function<void(const CtlEventQueue::Event&)>& accepted)
{
    auto next = std::chrono::steady_clock::now();
    while (!Interrupted()) {
        const auto done = session.Exchange(request);
        if (!done)
            return Interrupted() ? eCtlExit_Accepted : eCtlExit_ExchangeFailed;
        if (done->Status() == eMoxEventStatus_Ok)
            accepted(*done);
        else if (!repeat)
            return done->Status();
        else if (SessionExpired(*done) && !SignInAgain(session))
            return eCtlExit_Refused;
        if (!repeat)
            return eCtlExit_Accepted;
        next += period;
        SleepUntil(next);
    }
    return eCtlExit_Accepted;
}
