#include "features/monitor/HostMonitorRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;

bool MonitorManager_ProxyList()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_ProxyList, {});
}

nsMoxHttp::CMoxStoppableRequest MonitorManager_ProxyListStoppable()
{
    const nsMoxHttp::CatalogueRow* row = nsMoxHttp::FindCatalogueRow(eReq_ProxyList);
    return row ? CMoxCacheProtocol::GetProtocol().SendStoppable(*row, {}) : nsMoxHttp::CMoxStoppableRequest();
}

bool MonitorManager_UpstreamList(const std::string& proxyId)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_UpstreamList,
                                                 nsMoxHttp::RequestValues().Set("ProxyID", proxyId));
}
