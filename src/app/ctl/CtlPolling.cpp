#include "CtlPolling.h"

#include "CtlExitCode.h"
#include "CtlSession.h"
#include "Interrupt.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"

#include <algorithm>
#include <thread>

namespace {

constexpr auto kSleepSlice = std::chrono::milliseconds(50);
constexpr std::uintptr_t kSessionExpired = 21;

}  // namespace

void SleepUntil(std::chrono::steady_clock::time_point when)
{
    while (!Interrupted() && std::chrono::steady_clock::now() < when)
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            kSleepSlice, when - std::chrono::steady_clock::now()));
}

bool SessionExpired(const CtlEventQueue::Event& done)
{
    return done.Status() == eMoxEventStatus_ServerError && done.param2 == kSessionExpired;
}

bool SignInAgain(CtlSession& session)
{
    const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    return instance && session.SignIn(instance->Host(), instance->Role(), instance->Password()) == eCtlExit_Accepted;
}
