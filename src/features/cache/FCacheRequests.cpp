#include "features/cache/FCacheRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

namespace {
bool SendWid(int kind, const std::string& wid)
{
    return CMoxCacheProtocol::GetProtocol().Send(kind, RequestValues().Set("Wid", wid));
}
}  // namespace

RequestValues FCacheRuleValues(const FCacheRule& rule)
{
    RequestValues values;
    if (!rule.Wid.empty())
        values.Set("Wid", rule.Wid);
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
    return CMoxCacheProtocol::GetProtocol().Send(eReq_FCacheList, {});
}

bool CacheManager_FCacheAdd(const FCacheRule& rule)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_FCacheAdd, FCacheRuleValues(rule));
}

bool CacheManager_FCacheModify(const FCacheRule& rule)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_FCacheModify, FCacheRuleValues(rule));
}

bool CacheManager_FCacheDel(const std::string& wid)
{
    return SendWid(eReq_FCacheDel, wid);
}

bool CacheManager_FCacheUp(const std::string& wid)
{
    return SendWid(eReq_FCacheUp, wid);
}

bool CacheManager_FCacheDown(const std::string& wid)
{
    return SendWid(eReq_FCacheDown, wid);
}
