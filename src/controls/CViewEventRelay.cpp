#include "controls/CViewEventRelay.h"

#include "controls/CEventHandOver.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"

namespace {

CEventHandOver::RecordIn RecordSlot(int kind)
{
    switch (EndReleaseOf(kind)) {
    case eMoxEventRecordSlot::Param1:
        return CEventHandOver::RecordIn::Param1;
    case eMoxEventRecordSlot::Param2:
        return CEventHandOver::RecordIn::Param2;
    default:
        return CEventHandOver::RecordIn::None;
    }
}

}  // namespace

CViewEventRelay::CViewEventRelay(QObject* widget, std::set<int> kinds, Shown shown, Bookkeeping bookkeeping)
    : widget_(widget), kinds_(std::move(kinds)), shown_(std::move(shown)), bookkeeping_(std::move(bookkeeping))
{
    CZebEventManager::Instance()->Register(this);
}

CViewEventRelay::~CViewEventRelay()
{
    // Returns only once a dispatch in progress has finished, so no call reaches a dead relay.
    if (CZebEventManager* manager = CZebEventManager::Existing())
        manager->Unregister(this);
}

int CViewEventRelay::OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2)
{
    if (!kinds_.contains(kind))
        return 0;
    if (bookkeeping_)
        bookkeeping_(kind, static_cast<int>(param1), param2);
    CEventHandOver::Post(widget_, kind, param1, param2, RecordSlot(kind),
                         [shown = shown_](int shownKind, std::uintptr_t status, std::uintptr_t value) {
                             shown(shownKind, static_cast<int>(status), value);
                         });
    return 0;
}
