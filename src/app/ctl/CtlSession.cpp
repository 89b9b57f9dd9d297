#include "CtlSession.h"

#include "CtlExitCode.h"
#include "Interrupt.h"
#include "messaging/CThreadRegistry.h"
#include "messaging/EventKinds.h"
#include "protocol/CMoxCacheProtocol.h"
#include "protocol/SentRequestNumber.h"
#include "shell/CMoxLoginEventParam.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/MoxLogin.h"
#include "shell/WaitForQuiet.h"

#include <iostream>

namespace {

// Generous: the transport has its own time-outs; these only bound what never comes.
constexpr auto kQuietDeadline = std::chrono::seconds(30);

std::chrono::steady_clock::time_point Never()
{
    return std::chrono::steady_clock::time_point::max();
}

}  // namespace

CtlSession::CtlSession()
{
    CThreadRegistry::Create();
    // A script over a slow link pays for every round trip: only what was asked goes out.
    CMoxInstanceManager::GetInstanceManager()->SetReadsAfterLogin(false);
    events_ = std::make_unique<CtlEventQueue>();
}

// The registry is left to the process exit: a worker that is told to quit writes its exit line to
// standard output, which belongs to the result.
CtlSession::~CtlSession() = default;

void CtlSession::PrintStatusTexts(std::uint64_t from) const
{
    for (const std::string& text : events_->StatusTexts(from))
        std::cerr << text << "\n";
}

int CtlSession::SignIn(const std::string& host, int role, const std::string& password)
{
    const std::uint64_t start = events_->Mark();
    if (!MoxLogin(host, role, password)) {
        std::cerr << "morvixctl: the sign-in request to " << host << " could not be started\n";
        return eCtlExit_ExchangeFailed;
    }
    const auto answer = events_->WaitFor(
        start,
        [](const CtlEventQueue::Event& event) {
            return event.kind == eMoxCacheEvent_LoginOk || event.kind == eMoxCacheEvent_LoginFailed ||
                   event.kind == eMoxCacheEvent_ConnectFailed;
        },
        Never(), Interrupted);
    if (!answer)
        return eCtlExit_ExchangeFailed;
    // The login's own texts follow its event.
    WaitForQuiet(kQuietDeadline);
    if (answer->kind == eMoxCacheEvent_LoginOk) {
        events_->Forget(events_->Mark());
        return eCtlExit_Accepted;
    }
    PrintStatusTexts(answer->sequence);
    if (answer->kind == eMoxCacheEvent_ConnectFailed)
        return eCtlExit_ExchangeFailed;
    const auto* login = dynamic_cast<const CMoxLoginEventParam*>(answer->record.get());
    return login && !login->errorNo.empty() ? eCtlExit_Refused : eCtlExit_MalformedReply;
}

std::optional<CtlEventQueue::Event> CtlSession::Exchange(const CtlRequest& request, Texts texts)
{
    const std::uint64_t start = events_->Mark();
    events_->Forget(start);
    const unsigned long sent = nsMoxHttp::SentRequestNumber(
        [&] { return nsMoxHttp::CMoxCacheProtocol::GetProtocol().Send(*request.row, request.values); });
    if (sent == 0) {
        WaitForQuiet(kQuietDeadline);
        PrintStatusTexts(start);
        std::cerr << "morvixctl: " << request.row->type << " " << request.row->cmd << " was not sent\n";
        return std::nullopt;
    }
    const int completion = request.row->completionEvent;
    auto done = events_->WaitFor(
        start,
        [completion, sent](const CtlEventQueue::Event& event) {
            return event.kind == completion && event.requestNumber == sent;
        },
        Never(), Interrupted);
    if (done) {
        WaitForQuiet(kQuietDeadline);
        if (texts == Texts::Print)
            PrintStatusTexts(start);
    }
    return done;
}
