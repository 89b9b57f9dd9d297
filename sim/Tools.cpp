#include "Tools.h"

#include "AdminError.h"
#include "CachedPages.h"
#include "CommandTable.h"
#include "Ipv4.h"
#include "RuleList.h"
#include "SeededRandom.h"
#include "TrafficModel.h"
#include "UrlPattern.h"

namespace morvix::sim {

namespace {

enum CacheFlag { AllowedNotCached = 10, AllowedCached = 11, Refused = 12, LoginAddress = 13, ServerDecides = 14 };

bool anyRuleMatches(const RuleList& rules, const std::string& patternKey, const std::string& url)
{
    for (const auto& rule : rules.entries().entries()) {
        long long kind = 0;
        parseDecimal(rule.fields.get("Rules"), kind);
        const auto pattern =
            UrlPattern::compile(rule.fields.get(patternKey), static_cast<int>(kind), rule.fields.get("Icase") == "1");
        if (pattern && pattern->matches(url))
            return true;
    }
    return false;
}

}  // namespace

std::string locationOf(const std::string& address)
{
    const auto parsed = parseIpv4(address);
    if (!parsed)
        return "NULL";
    const uint32_t ip = *parsed;
    if ((ip >> 24) == 127)
        return "本机地址";
    if ((ip >> 24) == 10 || (ip >> 20) == 0xAC1 || (ip >> 16) == 0xC0A8)
        return "局域网";
    if ((ip >> 24) == 0 || (ip >> 28) >= 0xE)
        return "保留地址";
    static const char* const carriers[] = {"电信", "联通", "移动", "教育网"};
    const uint64_t mixed = mixBits(ip >> 16, 2024);
    const auto& provinces = TrafficModel::provinces();
    return provinces[mixed % provinces.size()] + " " + carriers[(mixed >> 8) % 4];
}

Tools::Tools(const RuleList& pageRules, const RuleList& refuseRules, const RuleList& sessionRules, CachedPages& pages)
    : pageRules_(pageRules), refuseRules_(refuseRules), sessionRules_(sessionRules), pages_(pages)
{
}

void Tools::registerCommands(CommandTable& table)
{
    table.add("tools", "testcache", Access::Read, [this](const FormFields& fields) { return testCache(fields); });
    table.add("tools", "testregex", Access::Read, [this](const FormFields& fields) { return testRegex(fields); });
    table.add("tools", "iplook", Access::Read, [this](const FormFields& fields) { return lookUp(fields); });
    table.add("tools", "allcachelist", Access::Read, [this](const FormFields&) { return pages_.urlList(); });
}

Reply Tools::testCache(const FormFields& fields)
{
    const std::string url = fields.text("Url", 1024, true);
    int flag = ServerDecides;
    if (anyRuleMatches(refuseRules_, "Url", url))
        flag = Refused;
    else if (anyRuleMatches(sessionRules_, "ActionUrl", url))
        flag = LoginAddress;
    else if (anyRuleMatches(pageRules_, "Url", url))
        flag = pages_.contains(url) ? AllowedCached : AllowedNotCached;
    return Reply::accepted().set("CacheFlag", std::to_string(flag));
}

Reply Tools::testRegex(const FormFields& fields) const
{
    if (!UrlPattern::isValidRegex(fields.text("Regex", 1024, true), false))
        throw AdminError(BadField, "regular expression does not compile");
    return Reply::accepted();
}

Reply Tools::lookUp(const FormFields& fields) const
{
    const std::string& address = fields.text("IP");
    return Reply::accepted().set("IP", address).set("Location", locationOf(address));
}

}  // namespace morvix::sim
