#include "messaging/PostCacheEvent.h"

#include "messaging/CZebEventManager.h"

bool PostCacheEvent(int kind, std::uintptr_t param1, std::uintptr_t param2)
{
    return CZebEventManager::Post(kind, param1, param2);
}

bool PostCacheEvent(int kind, RecordHandle<CMoxEventParam> record, std::uintptr_t param2)
{
    return CZebEventManager::Post(kind, record.TakeForPosting()->AsParam(), param2);
}

bool PostCacheEvent(int kind, std::uintptr_t param1, RecordHandle<CMoxEventParam> record)
{
    return CZebEventManager::Post(kind, param1, record.TakeForPosting()->AsParam());
}

bool PostExchangeEvent(ExchangeStamp stamp, int kind, std::uintptr_t param1, std::uintptr_t param2)
{
    return CZebEventManager::Post(kind, param1, param2, stamp.requestNumber, stamp.generation);
}

bool PostExchangeEvent(ExchangeStamp stamp, int kind, std::uintptr_t param1, RecordHandle<CMoxEventParam> record)
{
    return CZebEventManager::Post(kind, param1, record.TakeForPosting()->AsParam(), stamp.requestNumber,
                                  stamp.generation);
}
