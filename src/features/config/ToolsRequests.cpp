#include "features/config/ToolsRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

bool ToolsManager_TestCache(const std::string& url)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_ToolsTestCache, RequestValues().Set("Url", url));
}

bool ToolsManager_TestRegex(const std::string& regex)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_ToolsTestRegex, RequestValues().Set("Regex", regex));
}

bool ToolsManager_IpLook(const std::string& ip)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_ToolsIpLook, RequestValues().Set("IP", ip));
}

bool ToolsManager_CachedUrlList()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_ToolsAllCacheList, {});
}
