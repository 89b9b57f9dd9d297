#pragma once

#include "messaging/RecordHandle.h"

#include <cstdint>

// Posts an event to the event manager, making the manager if needed. True when it was queued;
// otherwise the event has already been ended (its record released by the end handler).
bool PostCacheEvent(int kind, std::uintptr_t param1, std::uintptr_t param2);

// The same for an event that carries a record, in param1 or in param2 as its kind says. The
// handle is taken: the poster keeps nothing it could read after the record has changed hands.
bool PostCacheEvent(int kind, RecordHandle<CMoxEventParam> record, std::uintptr_t param2);
bool PostCacheEvent(int kind, std::uintptr_t param1, RecordHandle<CMoxEventParam> record);

// The completion of an exchange: the event carries the request number that exchange sent and the
// session generation it was sent in, so that whatever waits for it tells it from the completions of
// other requests and of other sessions.
struct ExchangeStamp {
    unsigned long requestNumber = 0;
    unsigned long generation = 0;  // 0: the current one
};
bool PostExchangeEvent(ExchangeStamp stamp, int kind, std::uintptr_t param1, std::uintptr_t param2);
bool PostExchangeEvent(ExchangeStamp stamp, int kind, std::uintptr_t param1, RecordHandle<CMoxEventParam> record);
