#include "CtlSession.h"

#include "CtlExitCode.h"
#include "Interrupt.h"
#include "messaging/CThreadRegistry.h"
#include "messaging/EventKinds.h"
#include "protocol/CMoxCacheProtocol.h"
#include "shell/CMoxLoginEventParam.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/MoxLogin.h"
#include "shell/WaitForQuiet.h"
#include "transport/HttpStatusObserver.h"

#include <atomic>
#include <iostream>

namespace {

// Generous: the transport has its own time-outs; these only bound what never comes.
constexpr auto kQuietDeadline = std::chrono::seconds(30);
// A stopped run finishes its count with one read; it does not wait for ever on it.
constexpr auto kAfterStopDeadline = std::chrono::seconds(10);

std::chrono::steady_clock::time_point Never()
{
    return std::chrono::steady_clock::time_point::max();
}

// The error status of the last answer, 0 when it had none; morvixctl has one exchange under way
// at a time.
std::atomic<long> httpErrorStatus{0};

void NoteHttpStatus(long status)
{
    httpErrorStatus.store(status >= 400 ? status : 0);
}

// An answer with an HTTP error status is no reply of the administration interface, whatever its
// body: the exchange failed, and the status is named.
bool AnsweredWithHttpError()
{
    const long status = httpErrorStatus.exchange(0);
    if (status == 0)
        return false;
    std::cerr << "morvixctl: the server answered HTTP " << status << "\n";
    return true;
}

}  // namespace

CtlSession::CtlSession()
{
    CThreadRegistry::Create();
    // A script over a slow link pays for every round trip: only what was asked goes out.
    CMoxInstanceManager::GetInstanceManager()->SetReadsAfterLogin(false);
    events_ = std::make_unique<CtlEventQueue>();
    nsMoxHttp::SetHttpStatusObserver(NoteHttpStatus);
}

// The registry is left to the process exit: a worker that is told to quit writes its exit line to
// standard output, which belongs to the result.
CtlSession::~CtlSession() = default;

void CtlSession::NoteChangeSent()
{
    if (changesSent_++ == 0 && firstChangeSent_)
        firstChangeSent_();
}

void CtlSession::PrintStatusTexts(std::uint64_t from) const
{
    for (const std::string& text : events_->StatusTexts(from))
        std::cerr << text << "\n";
}

int CtlSession::SignIn(const std::string& host, int role, const std::string& password)
{
    const std::uint64_t start = events_->Mark();
    httpErrorStatus.store(0);
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
    const auto* login = dynamic_cast<const CMoxLoginEventParam*>(answer->record.get());
    if (answer->kind == eMoxCacheEvent_ConnectFailed || AnsweredWithHttpError()) {
        if (login && login->trustFailure.failure == nsMoxHttp::CertificateFailure::UnknownIssuer)
            std::cerr << "morvixctl: to look at its certificate and trust it: morvixctl --server " << host
                      << " trust\n";
        return eCtlExit_ExchangeFailed;
    }
    return login && !login->errorNo.empty() ? eCtlExit_Refused : eCtlExit_MalformedReply;
}

std::optional<CtlEventQueue::Event> CtlSession::Exchange(const CtlRequest& request, Texts texts)
{
    return Exchange(request, texts, Never(), Interrupted);
}

std::optional<CtlEventQueue::Event> CtlSession::ExchangeAfterStop(const CtlRequest& request)
{
    return Exchange(request, Texts::Keep, std::chrono::steady_clock::now() + kAfterStopDeadline,
                    [] { return false; });
}

std::optional<CtlEventQueue::Event> CtlSession::Exchange(const CtlRequest& request, Texts texts,
                                                         std::chrono::steady_clock::time_point deadline,
                                                         const std::function<bool()>& stop)
{
    const std::uint64_t start = events_->Mark();
    events_->Forget(start);
    httpErrorStatus.store(0);
    if (!nsMoxHttp::CMoxCacheProtocol::GetProtocol().Send(*request.row, request.values)) {
        WaitForQuiet(kQuietDeadline);
        PrintStatusTexts(start);
        std::cerr << "morvixctl: " << request.row->type << " " << request.row->cmd << " was not sent\n";
        return std::nullopt;
    }
    if (nsMoxHttp::ChangesServer(*request.row))
        NoteChangeSent();
    const int completion = request.row->completionEvent;
    auto done = events_->WaitFor(
        start, [completion](const CtlEventQueue::Event& event) { return event.kind == completion; }, deadline, stop);
    if (done) {
        WaitForQuiet(kQuietDeadline);
        if (texts == Texts::Print)
            PrintStatusTexts(start);
        if (AnsweredWithHttpError()) {
            done->param1 = eMoxEventStatus_NetworkError;
            done->record.reset();
        }
    }
    return done;
}
