#include "features/cache/RCacheRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

RequestValues RCacheRuleValues(const RCacheRule& rule)
{
    RequestValues values;
    if (!rule.Wid.empty())
        values.Set("Wid", rule.Wid);
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
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RCacheList, {});
}

bool CacheManager_RCacheAdd(const RCacheRule& rule)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RCacheAdd, RCacheRuleValues(rule));
}

bool CacheManager_RCacheModify(const RCacheRule& rule)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RCacheModify, RCacheRuleValues(rule));
}

bool CacheManager_RCacheDel(const std::string& wid)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RCacheDel, RequestValues().Set("Wid", wid));
}

bool CacheManager_RCacheUp(const std::string& wid)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RCacheUp, RequestValues().Set("Wid", wid));
}

bool CacheManager_RCacheDown(const std::string& wid)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RCacheDown, RequestValues().Set("Wid", wid));
}
