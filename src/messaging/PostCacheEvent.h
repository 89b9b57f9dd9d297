#pragma once

#include <cstdint>

// Posts an event to the event manager, making the manager if needed. True when it was queued;
// otherwise the event has already been ended (its record released by the end handler).
bool PostCacheEvent(int kind, std::uintptr_t param1, std::uintptr_t param2);
