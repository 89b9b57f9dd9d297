#include "features/cache/CacheRuleTexts.h"

#include <array>

namespace {

template <std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& texts, int code)
{
    return code >= 0 && static_cast<std::size_t>(code) < N ? texts[static_cast<std::size_t>(code)]
                                                            : std::string_view();
}

constexpr std::array<std::string_view, kMatchKindCount> kMatchKinds = {"通配符", "正则表达式", "精确匹配"};
constexpr std::array<std::string_view, 2> kIgnore = {"不忽略", "忽略"};
constexpr std::array<std::string_view, 2> kAllow = {"不允许", "允许"};
constexpr std::array<std::string_view, kExpireUnitCount> kUnits = {"天", "小时", "分钟", "秒"};
constexpr std::array<std::string_view, kOpenLimitCount> kOpenLimits = {"所有用户", "登录用户", "游客用户"};
constexpr std::array<std::string_view, kCacheLocationCount> kCacheLocations = {"拒绝双缓存", "只拒绝硬盘缓存"};

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
    return std::string(MatchKindText(rules)) + "(" + std::string(IgnoreText(icase)) + "大小写)";
}
