#include "features/cache/CleanCacheRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

namespace {
bool SendClean(int kind, bool withCluster)
{
    return CMoxCacheProtocol::GetProtocol().Send(kind, RequestValues().Set("WithCluster", withCluster ? 1 : 0));
}
}  // namespace

bool CacheManager_CleanSmartCache(bool withCluster)
{
    return SendClean(eReq_CleanSmartCache, withCluster);
}

bool CacheManager_CleanPageCache(bool withCluster)
{
    return SendClean(eReq_CleanPageCache, withCluster);
}

bool CacheManager_CleanAllCache(bool withCluster)
{
    return SendClean(eReq_CleanAllCache, withCluster);
}

bool CacheManager_CleanThisCache(const std::string& url, bool icase, int rules, bool withCluster)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_CleanThisCache, RequestValues()
                                                                          .Set("Url", url)
                                                                          .Set("Icase", icase ? 1 : 0)
                                                                          .Set("Rules", rules)
                                                                          .Set("WithCluster", withCluster ? 1 : 0));
}

bool CacheManager_CleanSessionCache(bool withCluster)
{
    return SendClean(eReq_CleanSessionCache, withCluster);
}
