#include "protocol/CMoxHttpCallback.h"

#include "protocol/RequestKinds.h"

namespace nsMoxHttp {

void CMoxHttpCallback::OnData(const char* data, std::size_t size, std::size_t count)
{
    switch (Kind()) {
    case eReq_ToolsAllCacheList:
        cachedUrlText_.append(data, size * count);
        break;
    case eReq_InstantRequest:
        OnInstantRequestData(std::string_view(data, size * count));
        break;
    default:
        break;
    }
}

void CMoxHttpCallback::HandleReply(bool failed)
{
    switch (Kind()) {
    case eReq_SignIn:
        OnSignIn(failed);
        break;
    case eReq_SystemList:
        OnSystemList(failed);
        break;
    case eReq_SystemModify:
        OnSystemModify(failed);
        break;
    case eReq_ToolsIpLook:
        OnToolsIpLook(failed);
        break;
    case eReq_ToolsTestRegex:
        OnToolsTestRegex(failed);
        break;
    case eReq_ToolsTestCache:
        OnToolsTestCache(failed);
        break;
    case eReq_ToolsAllCacheList:
        OnToolsCachedUrlList(failed);
        break;
    case eReq_RealtimeList:
        OnRealtimeList(failed);
        break;
    case eReq_RealtimeTotalStat:
        OnRealtimeTotalStat(failed);
        break;
    case eReq_InstantRequest:
        OnInstantRequestEnd();
        break;
    default:
        break;
    }
}

}  // namespace nsMoxHttp
