#include "features/config/NewestSystemOptions.h"

#include "features/config/SystemOptionsChangeSet.h"
#include "features/config/SystemOptionsReader.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/LeadingDecimal.h"

#include <algorithm>
#include <mutex>

namespace {

// Request numbers never repeat within a run, so one number serves every instance in turn.
std::mutex optionsLock;
unsigned long newestRequestNumber = 0;

}  // namespace

bool MergeNewerSystemOptions(CMoxCacheInstance& instance, unsigned long requestNumber, const Json::Value& root,
                             SystemOptions& options)
{
    std::lock_guard guard(optionsLock);
    options = instance.Options();
    ReadSystemOptions(root, options);
    if (requestNumber <= newestRequestNumber)
        return false;
    instance.SetOptions(options);
    newestRequestNumber = requestNumber;
    return true;
}

void ApplyAcceptedSystemOptions(CMoxCacheInstance& instance, unsigned long requestNumber,
                                const std::vector<nsMoxHttp::RequestValues::Pair>& changes)
{
    std::lock_guard guard(optionsLock);
    SystemOptions options = instance.Options();
    for (const auto& [key, value] : changes)
        ApplySystemOptionChange(options, key, LeadingDecimalInt(value));
    instance.SetOptions(options);
    newestRequestNumber = std::max(newestRequestNumber, requestNumber);
}
