#include "messaging/GlobalFunc_UpdateStatusBar.h"

#include "messaging/CMoxUpdateStatusBarEventParam.h"
#include "messaging/EventKinds.h"
#include "messaging/PostCacheEvent.h"
#include "shell/MoxText.h"

#include <new>

// A fixed text is translated whole here; a composed one was translated piece by piece where it was built.
bool GlobalFunc_UpdateStatusBar(const std::string& text)
{
    RecordHandle<CMoxUpdateStatusBarEventParam> record;
    try {
        record = RecordHandle<CMoxUpdateStatusBarEventParam>::Make(MoxText::tr(text));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return PostCacheEvent(eMoxCacheEvent_UpdateStatusBar, std::move(record), 0);
}
