#include "messaging/GlobalFunc_UpdateStatusBar.h"

#include "messaging/CMoxUpdateStatusBarEventParam.h"
#include "messaging/EventKinds.h"
#include "messaging/PostCacheEvent.h"

#include <new>

bool GlobalFunc_UpdateStatusBar(const std::string& text)
{
    CMoxUpdateStatusBarEventParam* record;
    try {
        record = new CMoxUpdateStatusBarEventParam(text);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return PostCacheEvent(eMoxCacheEvent_UpdateStatusBar, record->AsParam(), 0);
}
