#pragma once

#include "controls/CBusyState.h"
#include "messaging/IEventHandle.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <set>

class QObject;

// A widget's event handler: registered for as long as the relay lives, it hands the kinds the
// widget asked for to the user-interface thread through CEventHandOver, with the event's record
// kept alive for the call and released on every path. Declare it as the widget's last member,
// so that it unregisters before anything it calls is destroyed.
class CViewEventRelay : public IEventHandle {
public:
    // status is param1 of the event; param2 is its record (alive for the call), the error number
    // or the value the request handed through, as the kind says.
    using Shown = std::function<void(int kind, int status, std::uintptr_t param2)>;
    // The same with the request number of the exchange the event completes (0 for none), which the
    // widget compares with the numbers of the requests it waits for.
    using Completed = std::function<void(int kind, int status, std::uintptr_t param2, unsigned long requestNumber)>;

    // Runs on the event thread before the hand-over: bookkeeping that needs no widget and is better
    // done off the user-interface thread.
    using Bookkeeping = std::function<void(int kind, int status, std::uintptr_t param2)>;

    CViewEventRelay(QObject* widget, std::set<int> kinds, Shown shown, Bookkeeping bookkeeping = {});
    CViewEventRelay(QObject* widget, std::set<int> kinds, Completed completed, Bookkeeping bookkeeping = {});
    ~CViewEventRelay() override;
    CViewEventRelay(const CViewEventRelay&) = delete;
    CViewEventRelay& operator=(const CViewEventRelay&) = delete;

    // A login attempt or a successful login ends the waits of the widget's busy state for requests
    // of an older session generation (their replies reach no one), keeping those sent since, then
    // `ended` runs so that the widget enables its commands again. Both run on the user-interface
    // thread; `busy` belongs to the widget.
    void EndBusyOnLogin(CBusyState* busy, std::function<void()> ended);
    // As EndBusyOnLogin, and from now on the widget is handed only the completions `busy` awaits,
    // each taken from it before the call; `ended` runs after every completion taken, whatever its
    // outcome, so that the widget's commands follow its busy state.
    void TakeOnlyAwaited(CBusyState* busy, std::function<void()> ended);

    int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2) override;

private:
    void EndBusyAfterLogin();

    QObject* widget_;
    std::set<int> kinds_;
    Completed completed_;
    Bookkeeping bookkeeping_;
    std::mutex loginLock_;  // the relay is already registered when the widget names its busy state
    CBusyState* loginEndsBusy_ = nullptr;
    std::function<void()> busyEnded_;
    bool onlyAwaited_ = false;
};
