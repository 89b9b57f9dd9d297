#include "features/cache/CacheRuleTexts.h"

#include <array>
#include "shell/MoxText.h"

namespace {

template <std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& texts, int code)
{
    return code >= 0 && static_cast<std::size_t>(code) < N ? texts[static_cast<std::size_t>(code)]
                                                            : std::string_view();
}

constexpr std::array<std::string_view, kMatchKindCount> kMatchKinds = {MoxText::Noop("通配符"), MoxText::Noop("正则表达式"), MoxText::Noop("精确匹配")};
constexpr std::array<std::string_view, 2> kIgnore = {MoxText::Noop("不忽略"), MoxText::Noop("忽略")};
constexpr std::array<std::string_view, 2> kAllow = {MoxText::Noop("不允许"), MoxText::Noop("允许")};
constexpr std::array<std::string_view, kExpireUnitCount> kUnits = {MoxText::Noop("天"), MoxText::Noop("小时"), MoxText::Noop("分钟"), MoxText::Noop("秒")};
constexpr std::array<std::string_view, kOpenLimitCount> kOpenLimits = {MoxText::Noop("所有用户"), MoxText::Noop("登录用户"), MoxText::Noop("游客用户")};
constexpr std::array<std::string_view, kCacheLocationCount> kCacheLocations = {MoxText::Noop("拒绝双缓存"), MoxText::Noop("只拒绝硬盘缓存")};

}  // namespace

std::string_view MatchKindText(int rules)
{
    return Pick(kMatchKinds, rules);
}

std::string_view IgnoreText(int flag)
{
    return Pick(kIgnore, flag);
}

std::string_view AllowText(int flag)
{
    return Pick(kAllow, flag);
}

std::string_view ExpireUnitText(int unit)
{
    return Pick(kUnits, unit);
}

std::string_view OpenLimitText(int olimit)
{
    return Pick(kOpenLimits, olimit);
}

std::string_view CacheLocationText(int location)
{
    return Pick(kCacheLocations, location);
}

std::string MatchColumnText(int rules, int icase)
{
    return MoxText::tr(MatchKindText(rules)) + "(" + MoxText::tr(IgnoreText(icase)) + MoxText::tr("大小写)");
}
