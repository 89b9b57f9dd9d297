#include "controls/CViewEventRelay.h"

#include "controls/CBusyState.h"
#include "controls/CEventHandOver.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"

CViewEventRelay::CViewEventRelay(QObject* widget, std::set<int> kinds, Shown shown, Bookkeeping bookkeeping)
    : CViewEventRelay(
          widget, std::move(kinds),
          Completed([shown = std::move(shown)](int kind, int status, std::uintptr_t param2, unsigned long) {
              shown(kind, status, param2);
          }),
          std::move(bookkeeping))
{
}

CViewEventRelay::CViewEventRelay(QObject* widget, std::set<int> kinds, Completed completed, Bookkeeping bookkeeping)
    : widget_(widget), kinds_(std::move(kinds)), completed_(std::move(completed)), bookkeeping_(std::move(bookkeeping))
{
    CZebEventManager::Instance()->Register(this);
}

CViewEventRelay::~CViewEventRelay()
{
    // Returns only once a dispatch in progress has finished, so no call reaches a dead relay.
    if (CZebEventManager* manager = CZebEventManager::Existing())
        manager->Unregister(this);
}

void CViewEventRelay::EndBusyOnLogin(CBusyState* busy, std::function<void()> ended)
{
    std::lock_guard guard(loginLock_);
    loginEndsBusy_ = busy;
    busyEnded_ = std::move(ended);
}

void CViewEventRelay::TakeOnlyAwaited(CBusyState* busy, std::function<void()> ended)
{
    EndBusyOnLogin(busy, std::move(ended));
    std::lock_guard guard(loginLock_);
    onlyAwaited_ = true;
}

void CViewEventRelay::EndBusyAfterLogin()
{
    std::lock_guard guard(loginLock_);
    if (!loginEndsBusy_)
        return;
    CEventHandOver::Post(widget_, eMoxCacheEvent_LoginOk, 0, 0, CEventHandOver::RecordIn::None,
                         [busy = loginEndsBusy_, ended = busyEnded_](int, std::uintptr_t, std::uintptr_t) {
                             busy->EndOlderSessions();
                             if (ended)
                                 ended();
                         });
}

int CViewEventRelay::OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2)
{
    if (kind == eMoxCacheEvent_LoginStart || kind == eMoxCacheEvent_LoginOk)
        EndBusyAfterLogin();
    if (!kinds_.contains(kind))
        return 0;
    if (bookkeeping_)
        bookkeeping_(kind, static_cast<int>(param1), param2);
    const unsigned long requestNumber = CZebEventManager::DispatchedRequestNumber();
    CBusyState* awaiting = nullptr;
    std::function<void()> ended;
    {
        std::lock_guard guard(loginLock_);
        if (onlyAwaited_) {
            awaiting = loginEndsBusy_;
            ended = busyEnded_;
        }
    }
    CEventHandOver::Post(widget_, kind, param1, param2, CEventHandOver::RecordSlotOfKind(kind),
                         [completed = completed_, requestNumber, awaiting, ended](
                             int shownKind, std::uintptr_t status, std::uintptr_t value) {
                             if (awaiting && !awaiting->Take(requestNumber))
                                 return;
                             completed(shownKind, static_cast<int>(status), value, requestNumber);
                             if (ended)
                                 ended();
                         });
    return 0;
}
