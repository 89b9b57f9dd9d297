#pragma once

#include "controls/CViewEventRelay.h"
#include "messaging/CMoxEventParam.h"
#include "shell/view/CMoxContentView.h"

#include <set>

// Hands a page the records the main window would, for tests that make the page alone.
class HandedOverRelay {
public:
    HandedOverRelay(CMoxContentView* page, std::set<int> kinds)
        : relay_(page, std::move(kinds),
                 [page](int kind, int status, std::uintptr_t record, unsigned long requestNumber) {
                     page->OnRecordHandedOver(kind, status, CMoxEventParam::FromParam(record), requestNumber);
                 })
    {
    }

private:
    CViewEventRelay relay_;
};
