#pragma once

#include "controls/CBusyState.h"
#include "controls/CViewEventRelay.h"
#include "messaging/CMoxEventParam.h"
#include "shell/view/CMoxContentView.h"

#include <set>

// Hands a page the records the main window would, and tells it of a new login as the main window
// does, for tests that make the page alone.
class HandedOverRelay {
public:
    HandedOverRelay(CMoxContentView* page, std::set<int> kinds)
        : relay_(page, std::move(kinds),
                 [page](int kind, int status, std::uintptr_t record, unsigned long requestNumber) {
                     page->OnRecordHandedOver(kind, status, CMoxEventParam::FromParam(record), requestNumber);
                 })
    {
        relay_.EndBusyOnLogin(&loggedIn_, [page] { page->OnServerChanged(ServerPlatform()); });
    }

private:
    CBusyState loggedIn_;  // waits for nothing: the login's call is what the page needs
    CViewEventRelay relay_;
};
