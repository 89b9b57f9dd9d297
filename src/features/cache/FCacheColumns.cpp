#include "features/cache/FCacheColumns.h"

#include "features/cache/CacheRuleTexts.h"
#include "shell/MoxText.h"

std::string FCacheColumnText(const FCacheRule& rule, int column)
{
    switch (column) {
    case 0:
        return std::to_string(rule.No);
    case 1:
        return rule.Url;
    case 2:
        return MatchColumnText(rule.Rules, rule.Icase);
    case 3:
        return std::to_string(rule.Expire) + " " + MoxText::tr(ExpireUnitText(rule.Unit));
    case 4:
        return MoxText::tr(IgnoreText(rule.Icookie));
    case 5:
        return MoxText::tr(OpenLimitText(rule.Olimit));
    case 6:
        return MoxText::tr(AllowText(rule.IsDiskCache));
    case 7:
        return rule.Note;
    default:
        return {};
    }
}
