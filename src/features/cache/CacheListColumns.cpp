#include "features/cache/CacheListColumns.h"

#include "features/cache/CacheRuleTexts.h"
#include "shell/MoxText.h"

std::string RCacheColumnText(const RCacheRule& rule, int column)
{
    switch (column) {
    case 0:
        return std::to_string(rule.No);
    case 1:
        return rule.Url;
    case 2:
        return MatchColumnText(rule.Rules, rule.Icase);
    case 3:
        return MoxText::tr(OpenLimitText(rule.Olimit));
    case 4:
        return MoxText::tr(CacheLocationText(rule.CacheLocation));
    case 5:
        return rule.Note;
    default:
        return {};
    }
}

std::string SCacheColumnText(const SCacheRule& rule, int column)
{
    switch (column) {
    case 0:
        return std::to_string(rule.No);
    case 1:
        return rule.ActionUrl;
    case 2:
        return MatchColumnText(rule.Rules, rule.Icase);
    case 3:
        return rule.SetCookieSessionID;
    case 4:
        return std::to_string(rule.SessionExpire) + MoxText::tr(" 秒");
    case 5:
        return rule.Note;
    default:
        return {};
    }
}
