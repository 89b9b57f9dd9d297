#include "features/cache/SCacheRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

RequestValues SCacheRuleValues(const SCacheRule& rule)
{
    RequestValues values;
    if (!rule.Wid.empty())
        values.Set("Wid", rule.Wid);
    values.Set("ActionUrl", rule.ActionUrl)
        .Set("Icase", rule.Icase)
        .Set("Rules", rule.Rules)
        .Set("SetCookieSessionID", rule.SetCookieSessionID)
        .Set("SessionExpire", rule.SessionExpire)
        .Set("Note", rule.Note);
    return values;
}

SCacheRule SCacheRuleFromValues(const RequestValues& values)
{
    SCacheRule rule;
    rule.Wid = values.Text("Wid");
    rule.ActionUrl = values.Text("ActionUrl");
    rule.Icase = values.Number("Icase", rule.Icase);
    rule.Rules = values.Number("Rules", rule.Rules);
    rule.SetCookieSessionID = values.Text("SetCookieSessionID");
    rule.SessionExpire = values.Number("SessionExpire", rule.SessionExpire);
    rule.Note = values.Text("Note");
    return rule;
}

bool CacheManager_SCacheList()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_SCacheList, {});
}

bool CacheManager_SCacheAdd(const SCacheRule& rule)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_SCacheAdd, SCacheRuleValues(rule));
}

bool CacheManager_SCacheModify(const SCacheRule& rule)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_SCacheModify, SCacheRuleValues(rule));
}

bool CacheManager_SCacheDel(const std::string& wid)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_SCacheDel, RequestValues().Set("Wid", wid));
}

bool CacheManager_SCacheUp(const std::string& wid)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_SCacheUp, RequestValues().Set("Wid", wid));
}

bool CacheManager_SCacheDown(const std::string& wid)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_SCacheDown, RequestValues().Set("Wid", wid));
}
