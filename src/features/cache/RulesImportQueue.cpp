#include "features/cache/RulesImportQueue.h"

#include "features/access/RewriteRequests.h"
#include "features/cache/FCacheRequests.h"
#include "features/cache/RCacheRequests.h"
#include "features/cache/SCacheRequests.h"
#include "messaging/EventKinds.h"

RulesImportQueue::Step RulesImportQueue::SendNext()
{
    std::size_t index = next_++;
    if (index < rules_.fcache.size())
        return {eMoxCacheEvent_FCacheAdd, CacheManager_FCacheAdd(rules_.fcache[index])};
    index -= rules_.fcache.size();
    if (index < rules_.rcache.size())
        return {eMoxCacheEvent_RCacheAdd, CacheManager_RCacheAdd(rules_.rcache[index])};
    index -= rules_.rcache.size();
    if (index < rules_.scache.size())
        return {eMoxCacheEvent_SCacheAdd, CacheManager_SCacheAdd(rules_.scache[index])};
    index -= rules_.scache.size();
    return {eMoxCacheEvent_RewriteAdd, RewriteManager_Add(rules_.rewrite.at(index))};
}

bool RulesImportQueue::IsAddCompletion(int kind)
{
    return kind == eMoxCacheEvent_FCacheAdd || kind == eMoxCacheEvent_RCacheAdd || kind == eMoxCacheEvent_SCacheAdd ||
           kind == eMoxCacheEvent_RewriteAdd;
}
