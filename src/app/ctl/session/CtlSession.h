#pragma once

#include "CtlEventQueue.h"
#include "CtlRequest.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// The console core as morvixctl drives it: signed in to one server, one request at a time, the
// outcome awaited on the main thread. Status-bar texts go to standard error.
class CtlSession {
public:
    CtlSession();
    ~CtlSession();
    CtlSession(const CtlSession&) = delete;
    CtlSession& operator=(const CtlSession&) = delete;

    // Signs in and waits until the reads every login sets off are answered. The exit status of a
    // failed login (its status text printed), or eCtlExit_Accepted.
    int SignIn(const std::string& host, int role, const std::string& password);

    // Sends the request and waits for its completion event and the status texts of its reply,
    // which are printed unless the caller keeps them. None when it could not be sent (the reason
    // printed) or the wait was interrupted.
    enum class Texts { Print, Keep };
    std::optional<CtlEventQueue::Event> Exchange(const CtlRequest& request, Texts texts = Texts::Print);
    // The same for a read the run needs after SIGINT or SIGTERM stopped it: awaited for a bounded
    // time whatever the signal says; its texts are kept.
    std::optional<CtlEventQueue::Event> ExchangeAfterStop(const CtlRequest& request);

    // How many requests that change the server went out; `first` is called when the first does.
    unsigned ChangesSent() const { return changesSent_; }
    void OnFirstChangeSent(std::function<void()> first) { firstChangeSent_ = std::move(first); }
    // For changes sent past Exchange, as an import sends its adds.
    void NoteChangeSent();

    CtlEventQueue& Events() { return *events_; }
    // Prints the status texts posted from `from` on.
    void PrintStatusTexts(std::uint64_t from) const;

private:
    std::optional<CtlEventQueue::Event> Exchange(const CtlRequest& request, Texts texts,
                                                 std::chrono::steady_clock::time_point deadline,
                                                 const std::function<bool()>& stop);

    std::unique_ptr<CtlEventQueue> events_;
    unsigned changesSent_ = 0;
    std::function<void()> firstChangeSent_;
};
