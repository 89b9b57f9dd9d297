#include "messaging/GlobalFunc_UpdateStatusBar.h"

#include "messaging/CMoxUpdateStatusBarEventParam.h"
#include "messaging/EventKinds.h"
#include "messaging/PostCacheEvent.h"

#include <new>

bool GlobalFunc_UpdateStatusBar(const std::string& text)
{
    RecordHandle<CMoxUpdateStatusBarEventParam> record;
    try {
        record = RecordHandle<CMoxUpdateStatusBarEventParam>::Make(text);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return PostCacheEvent(eMoxCacheEvent_UpdateStatusBar, std::move(record), 0);
}
