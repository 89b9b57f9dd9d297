#include "features/monitor/InstantRequestRules.h"

#include "shell/AppPaths.h"
#include "shell/IniProfile.h"
#include "shell/LeadingDecimal.h"

#include <string>

namespace {

constexpr std::string_view kSection = "InstantRequest";
constexpr std::size_t kNameBuffer = 128;
constexpr std::size_t kUrlBuffer = 1024;
constexpr std::size_t kNumberBuffer = 32;

std::string Key(std::string_view stem, int n)
{
    return std::string(stem) + std::to_string(n);
}

}  // namespace

std::filesystem::path InstantRequestRulesFile()
{
    return AppPaths::ApplicationDataFile("InstantRequest.ini");
}

std::vector<CInstantRequestRule> LoadInstantRequestRules(const std::filesystem::path& file)
{
    const IniProfile ini(file);
    std::vector<CInstantRequestRule> rules;
    for (int n = 1; n <= kMostInstantRequestRules; ++n) {
        CInstantRequestRule rule;
        rule.name = ini.ReadString(kSection, Key("request_name_", n), "", kNameBuffer);
        rule.url = ini.ReadString(kSection, Key("request_url_", n), "", kUrlBuffer);
        if (rule.name.empty() || rule.url.empty())
            continue;
        const auto number = [&](std::string_view stem, std::string_view fallback) {
            return LeadingDecimalInt(ini.ReadString(kSection, Key(stem, n), fallback, kNumberBuffer));
        };
        rule.icase = number("request_icase_", "1") != 0;
        rule.rules = number("request_rules_", "0");
        rule.location = number("request_location_", "0") != 0;
        rule.dateTime = number("request_dateTime_", "0") != 0;
        rule.hitCache = number("request_hit_cache_", "1") != 0;
        rule.userAgent = number("request_user_agent_", "0") != 0;
        rule.invalidRequest = number("request_invalid_request_", "0") != 0;
        rule.hitMemberCache = number("request_hit_member_cache_", "0") != 0;
        rules.push_back(std::move(rule));
    }
    return rules;
}

CInstantRequestRule InstantRequestRuleOf(const RthRecord& record)
{
    CInstantRequestRule rule;
    rule.name = record.Title;
    rule.url = record.RequestUrl;
    rule.icase = record.Icase != 0;
    rule.rules = record.Rules;
    rule.location = record.Location != 0;
    rule.dateTime = record.DateTime != 0;
    rule.hitCache = record.HitCache != 0;
    rule.userAgent = record.UserAgent != 0;
    rule.invalidRequest = record.InvalidRequest != 0;
    rule.hitMemberCache = record.HitMemberCache != 0;
    return rule;
}
