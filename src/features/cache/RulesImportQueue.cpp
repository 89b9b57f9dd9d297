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
    const auto numbered = [](int completionEvent, std::string rule, const auto& send) {
        return Step{completionEvent, nsMoxHttp::SentRequestNumber(send), std::move(rule)};
    };
    switch (place.family) {
    case eFCache: {
        const FCacheRule& rule = rules_.fcache[place.index];
        return numbered(eMoxCacheEvent_FCacheAdd, "fcache Url=" + rule.Url, [&] { return CacheManager_FCacheAdd(rule); });
    }
    case eRCache: {
        const RCacheRule& rule = rules_.rcache[place.index];
        return numbered(eMoxCacheEvent_RCacheAdd, "rcache Url=" + rule.Url, [&] { return CacheManager_RCacheAdd(rule); });
    }
    case eSCache: {
        const SCacheRule& rule = rules_.scache[place.index];
        return numbered(eMoxCacheEvent_SCacheAdd, "scache ActionUrl=" + rule.ActionUrl,
                        [&] { return CacheManager_SCacheAdd(rule); });
    }
    case eRewrite:
        break;
    }
    const RewriteRule& rule = rules_.rewrite.at(place.index);
    return numbered(eMoxCacheEvent_RewriteAdd, "rewrite SourceUrl=" + rule.SourceUrl,
                    [&] { return RewriteManager_Add(rule); });
}
