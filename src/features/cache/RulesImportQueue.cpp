#include "features/cache/RulesImportQueue.h"

#include "features/access/RewriteEvents.h"
#include "features/access/RewriteRequests.h"
#include "features/cache/FCacheEvents.h"
#include "features/cache/FCacheRequests.h"
#include "features/cache/RCacheEvents.h"
#include "features/cache/RCacheRequests.h"
#include "features/cache/SCacheEvents.h"
#include "features/cache/SCacheRequests.h"
#include "messaging/EventKinds.h"

namespace {

// True when the record of a completed add names a rule other than `sent`. Refusals and failures
// name none.
template <class Rule>
bool NamesAnotherRule(const CMoxEventParam* record, const Rule& sent, std::string Rule::*key)
{
    const auto* completed = dynamic_cast<const CMoxItemEventParamT<Rule>*>(record);
    return completed && !(completed->item.*key).empty() && completed->item.*key != sent.*key;
}

}  // namespace

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
    switch (place.family) {
    case eFCache:
        return {eMoxCacheEvent_FCacheAdd, CacheManager_FCacheAdd(rules_.fcache[place.index])};
    case eRCache:
        return {eMoxCacheEvent_RCacheAdd, CacheManager_RCacheAdd(rules_.rcache[place.index])};
    case eSCache:
        return {eMoxCacheEvent_SCacheAdd, CacheManager_SCacheAdd(rules_.scache[place.index])};
    case eRewrite:
        break;
    }
    return {eMoxCacheEvent_RewriteAdd, RewriteManager_Add(rules_.rewrite.at(place.index))};
}

bool RulesImportQueue::IsCompletionOfLast(const CMoxEventParam* record) const
{
    if (next_ == 0)
        return false;
    const Place place = PlaceOf(next_ - 1);
    switch (place.family) {
    case eFCache:
        return !NamesAnotherRule(record, rules_.fcache[place.index], &FCacheRule::Url);
    case eRCache:
        return !NamesAnotherRule(record, rules_.rcache[place.index], &RCacheRule::Url);
    case eSCache:
        return !NamesAnotherRule(record, rules_.scache[place.index], &SCacheRule::ActionUrl);
    case eRewrite:
        break;
    }
    return !NamesAnotherRule(record, rules_.rewrite.at(place.index), &RewriteRule::SourceUrl);
}
