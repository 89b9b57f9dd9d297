#include "features/cache/FCacheRequests.h"

#include "protocol/RequestKinds.h"
#include "protocol/RuleListRequests.h"

using nsMoxHttp::RequestValues;

namespace {
constexpr nsMoxHttp::RuleListRequests kRequests({eReq_FCacheList, eReq_FCacheAdd, eReq_FCacheModify,
                                                   eReq_FCacheDel, eReq_FCacheUp, eReq_FCacheDown},
                                                  "Wid");
}  // namespace

RequestValues FCacheRuleValues(const FCacheRule& rule)
{
    RequestValues values = kRequests.Keyed(rule.Wid);
    values.Set("Url", rule.Url)
        .Set("Icase", rule.Icase)
        .Set("Rules", rule.Rules)
        .Set("Expire", rule.Expire)
        .Set("Unit", rule.Unit)
        .Set("Icookie", rule.Icookie)
        .Set("Olimit", rule.Olimit)
        .Set("IsDiskCache", rule.IsDiskCache)
        .Set("Note", rule.Note);
    return values;
}

FCacheRule FCacheRuleFromValues(const RequestValues& values)
{
    FCacheRule rule;
    rule.Wid = values.Text("Wid");
    rule.Url = values.Text("Url");
    rule.Icase = values.Number("Icase", rule.Icase);
    rule.Rules = values.Number("Rules", rule.Rules);
    rule.Expire = values.Number("Expire", rule.Expire);
    rule.Unit = values.Number("Unit", rule.Unit);
    rule.Icookie = values.Number("Icookie", rule.Icookie);
    rule.Olimit = values.Number("Olimit", rule.Olimit);
    rule.IsDiskCache = values.Number("IsDiskCache", rule.IsDiskCache);
    rule.Note = values.Text("Note");
    return rule;
}

bool CacheManager_FCacheList()
{
    return kRequests.List();
}

bool CacheManager_FCacheAdd(const FCacheRule& rule)
{
    return kRequests.Add(FCacheRuleValues(rule));
}

bool CacheManager_FCacheModify(const FCacheRule& rule)
{
    return kRequests.Modify(FCacheRuleValues(rule));
}

bool CacheManager_FCacheDel(const std::string& wid)
{
    return kRequests.Delete(wid);
}

bool CacheManager_FCacheUp(const std::string& wid)
{
    return kRequests.Up(wid);
}

bool CacheManager_FCacheDown(const std::string& wid)
{
    return kRequests.Down(wid);
}
