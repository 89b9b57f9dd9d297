#include "features/access/RewriteColumns.h"

#include "features/cache/CacheRuleTexts.h"

#include <array>
#include "shell/MoxText.h"

std::string_view RewriteFlagText(int flag)
{
    constexpr std::array<std::string_view, kRewriteFlagCount> kFlags = {"Last", "Return", "Round", "Continue"};
    return flag >= 0 && flag < kRewriteFlagCount ? kFlags[static_cast<std::size_t>(flag)] : std::string_view();
}

std::string RewriteColumnText(const RewriteRule& rule, int column)
{
    switch (column) {
    case 0:
        return std::to_string(rule.No);
    case 1:
        return rule.SourceUrl;
    case 2:
        return rule.DestinationUrl;
    case 3:
        return MoxText::tr(IgnoreText(rule.Icase));
    case 4:
        return MoxText::tr(RewriteFlagText(rule.Flag));
    case 5:
        return rule.Note;
    default:
        return {};
    }
}
