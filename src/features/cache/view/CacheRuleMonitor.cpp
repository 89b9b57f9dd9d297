#include "features/cache/view/CacheRuleMonitor.h"

#include "features/cache/InstantRequestPageUrl.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"

#include <QDateTime>

std::string CacheRuleMonitorAddress(const std::string& pattern, int rules, int icase)
{
    CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    if (!instance)
        return {};
    return InstantRequestPageUrl(instance->Host(), instance->SessionId(), pattern, rules, icase,
                                 QDateTime::currentSecsSinceEpoch());
}
