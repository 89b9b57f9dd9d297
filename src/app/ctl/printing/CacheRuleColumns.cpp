#include "RecordColumns.h"
#include "features/cache/FCacheRule.h"
#include "features/cache/RCacheRule.h"
#include "features/cache/SCacheRule.h"

template <>
const std::vector<Column<FCacheRule>>& ColumnsOf<FCacheRule>()
{
    using R = FCacheRule;
    static const std::vector<Column<R>> columns = {
        Field("No", &R::No),           Field("Wid", &R::Wid),       Field("Url", &R::Url),
        Field("Icase", &R::Icase),     Field("Rules", &R::Rules),   Field("Expire", &R::Expire),
        Field("Unit", &R::Unit),       Field("Icookie", &R::Icookie), Field("Olimit", &R::Olimit),
        Field("IsDiskCache", &R::IsDiskCache), Field("Note", &R::Note),
    };
    return columns;
}

template <>
const std::vector<Column<RCacheRule>>& ColumnsOf<RCacheRule>()
{
    using R = RCacheRule;
    static const std::vector<Column<R>> columns = {
        Field("No", &R::No),       Field("Wid", &R::Wid),       Field("Url", &R::Url),
        Field("Icase", &R::Icase), Field("Rules", &R::Rules),   Field("Olimit", &R::Olimit),
        Field("CacheLocation", &R::CacheLocation), Field("Note", &R::Note),
    };
    return columns;
}

template <>
const std::vector<Column<SCacheRule>>& ColumnsOf<SCacheRule>()
{
    using R = SCacheRule;
    static const std::vector<Column<R>> columns = {
        Field("No", &R::No),
        Field("Wid", &R::Wid),
        Field("ActionUrl", &R::ActionUrl),
        Field("Icase", &R::Icase),
        Field("Rules", &R::Rules),
        Field("SetCookieSessionID", &R::SetCookieSessionID),
        Field("SessionExpire", &R::SessionExpire),
        Field("Note", &R::Note),
    };
    return columns;
}
