#include "messaging/PostCacheEvent.h"

#include "messaging/CZebEventManager.h"

bool PostCacheEvent(int kind, std::uintptr_t param1, std::uintptr_t param2)
{
    return CZebEventManager::Post(kind, param1, param2);
}
