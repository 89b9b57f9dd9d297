#include "features/cache/RCacheRequests.h"

#include "protocol/RequestKinds.h"
#include "protocol/RuleListRequests.h"

using nsMoxHttp::RequestValues;

namespace {
constexpr nsMoxHttp::RuleListRequests kRCacheRequests({eReq_RCacheList, eReq_RCacheAdd, eReq_RCacheModify,
                                                   eReq_RCacheDel, eReq_RCacheUp, eReq_RCacheDown},
                                                  "Wid");
}  // namespace

RequestValues RCacheRuleValues(const RCacheRule& rule)
{
    RequestValues values = kRCacheRequests.Keyed(rule.Wid);
    values.Set("Url", rule.Url)
        .Set("Icase", rule.Icase)
        .Set("Rules", rule.Rules)
        .Set("Olimit", rule.Olimit)
        .Set("CacheLocation", rule.CacheLocation)
        .Set("Note", rule.Note);
    return values;
}

RCacheRule RCacheRuleFromValues(const RequestValues& values)
{
    RCacheRule rule;
    rule.Wid = values.Text("Wid");
    rule.Url = values.Text("Url");
    rule.Icase = values.Number("Icase", rule.Icase);
    rule.Rules = values.Number("Rules", rule.Rules);
    rule.Olimit = values.Number("Olimit", rule.Olimit);
    rule.CacheLocation = values.Number("CacheLocation", rule.CacheLocation);
    rule.Note = values.Text("Note");
    return rule;
}

bool CacheManager_RCacheList()
{
    return kRCacheRequests.List();
}

bool CacheManager_RCacheAdd(const RCacheRule& rule)
{
    return kRCacheRequests.Add(RCacheRuleValues(rule));
}

bool CacheManager_RCacheModify(const RCacheRule& rule)
{
    return kRCacheRequests.Modify(RCacheRuleValues(rule));
}

bool CacheManager_RCacheDel(const std::string& wid)
{
    return kRCacheRequests.Delete(wid);
}

bool CacheManager_RCacheUp(const std::string& wid)
{
    return kRCacheRequests.Up(wid);
}

bool CacheManager_RCacheDown(const std::string& wid)
{
    return kRCacheRequests.Down(wid);
}
