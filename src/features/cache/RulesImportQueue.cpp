#include "features/cache/RulesImportQueue.h"

#include "features/access/RewriteRequests.h"
#include "features/cache/FCacheRequests.h"
#include "features/cache/RCacheRequests.h"
#include "features/cache/SCacheRequests.h"
#include "messaging/EventKinds.h"
#include "protocol/SentRequestNumber.h"

RulesImportQueue::Place RulesImportQueue::PlaceOf(std::size_t index) const
{
    const std::size_t sizes[] = {rules_.fcache.size(), rules_.rcache.size(), rules_.scache.size()};
    int family = eFCache;
    for (const std::size_t size : sizes) {
        if (index < size)
            break;
        index -= size;
        ++family;
    }
    return {static_cast<Family>(family), index};
}

RulesImportQueue::Step RulesImportQueue::SendNext()
{
    const Place place = PlaceOf(next_++);
    const auto numbered = [](int completionEvent, const auto& send) {
        return Step{completionEvent, nsMoxHttp::SentRequestNumber(send)};
    };
    switch (place.family) {
    case eFCache:
        return numbered(eMoxCacheEvent_FCacheAdd, [&] { return CacheManager_FCacheAdd(rules_.fcache[place.index]); });
    case eRCache:
        return numbered(eMoxCacheEvent_RCacheAdd, [&] { return CacheManager_RCacheAdd(rules_.rcache[place.index]); });
    case eSCache:
        return numbered(eMoxCacheEvent_SCacheAdd, [&] { return CacheManager_SCacheAdd(rules_.scache[place.index]); });
    case eRewrite:
        break;
    }
    return numbered(eMoxCacheEvent_RewriteAdd, [&] { return RewriteManager_Add(rules_.rewrite.at(place.index)); });
}
