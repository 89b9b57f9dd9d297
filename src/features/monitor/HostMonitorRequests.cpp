#include "features/monitor/HostMonitorRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;

bool MonitorManager_ProxyList()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_ProxyList, {});
}

bool MonitorManager_UpstreamList(const std::string& proxyId)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_UpstreamList,
                                                 nsMoxHttp::RequestValues().Set("ProxyID", proxyId));
}
