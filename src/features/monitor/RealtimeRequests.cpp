#include "features/monitor/RealtimeRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/CMoxHttpCallback.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

bool MonitorManager_RealtimeList()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RealtimeList, {});
}

bool MonitorManager_RealtimeTotalStat()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RealtimeTotalStat, {});
}

RequestValues InstantRequestRuleValues(const CInstantRequestRule& rule)
{
    return RequestValues()
        .Set("RequestUrl", rule.url)
        .Set("Icase", rule.icase ? 1 : 0)
        .Set("Rules", rule.rules)
        .Set("Location", rule.location ? 1 : 0)
        .Set("DateTime", rule.dateTime ? 1 : 0)
        .Set("HitCache", rule.hitCache ? 1 : 0)
        .Set("UserAgent", rule.userAgent ? 1 : 0)
        .Set("InvalidRequest", rule.invalidRequest ? 1 : 0)
        .Set("HitMemberCache", rule.hitMemberCache ? 1 : 0);
}

nsMoxHttp::CMoxStoppableRequest MonitorManager_InstantRequest(const CInstantRequestRule& rule, const std::string& ipLow,
                                   const std::string& ipHigh, int runNumber)
{
    const nsMoxHttp::CatalogueRow* row = nsMoxHttp::FindCatalogueRow(eReq_InstantRequest);
    if (!row)
        return {};
    RequestValues values = InstantRequestRuleValues(rule);
    if (!ipLow.empty())
        values.Set("IPLow", ipLow);
    if (!ipHigh.empty())
        values.Set("IPHigh", ipHigh);
    auto callback = std::make_unique<nsMoxHttp::CMoxHttpCallback>();
    callback->SetPassThrough(runNumber);
    return CMoxCacheProtocol::GetProtocol().SendStoppable(*row, values, std::move(callback));
}
