#include "protocol/ReplyCallbackFactory.h"

#include "features/cache/CMoxFCacheManager.h"
#include "features/cache/CMoxRCacheManager.h"
#include "features/cache/CMoxSCacheParse.h"
#include "features/cache/CCleanCache.h"
#include "features/access/CMoxRewriteManager.h"
#include "features/access/CMoxBlackParse.h"
#include "features/config/CMoxClusterParse.h"
#include "features/config/CMoxDiskCacheParse.h"
#include "features/config/CMoxDnsCallback.h"
#include "features/monitor/CMoxHostManagerParse.h"
#include "features/monitor/CMoxRTHParse.h"
#include "protocol/CMoxHttpCallback.h"

namespace nsMoxHttp {

std::unique_ptr<CMoxReplyCallback> MakeReplyCallback(CallbackFamily family)
{
    switch (family) {
    case CallbackFamily::Http:
        return std::make_unique<CMoxHttpCallback>();
    case CallbackFamily::FCache:
        return std::make_unique<CMoxFCacheManager>();
    case CallbackFamily::RCache:
        return std::make_unique<CMoxRCacheManager>();
    case CallbackFamily::SCache:
        return std::make_unique<CMoxSCacheParse>();
    case CallbackFamily::CleanCache:
        return std::make_unique<CCleanCache>();
    case CallbackFamily::Rewrite:
        return std::make_unique<CMoxRewriteManager>();
    case CallbackFamily::Black:
        return std::make_unique<CMoxBlackParse>();
    case CallbackFamily::Cluster:
        return std::make_unique<CMoxClusterParse>();
    case CallbackFamily::DiskCache:
        return std::make_unique<CMoxDiskCacheParse>();
    case CallbackFamily::Dns:
        return std::make_unique<CMoxDnsCallback>();
    case CallbackFamily::HostManager:
        return std::make_unique<CMoxHostManagerParse>();
    case CallbackFamily::Rth:
        return std::make_unique<CMoxRTHParse>();
    }
    return nullptr;
}

}  // namespace nsMoxHttp
