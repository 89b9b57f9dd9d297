#include "features/config/NewestSystemOptions.h"

#include "features/config/SystemOptionsChangeSet.h"
#include "features/config/SystemOptionsReader.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/LeadingDecimal.h"
#include "shell/NewestReplyCopy.h"

namespace {

NewestReplyCopy optionsCopy;

}  // namespace

bool MergeNewerSystemOptions(CMoxCacheInstance& instance, unsigned long requestNumber, const Json::Value& root,
                             SystemOptions& options)
{
    return optionsCopy.MergeIfNewer(
        requestNumber,
        [&] {
            options = instance.Options();
            ReadSystemOptions(root, options);
        },
        [&] { instance.SetOptions(options); });
}

void ApplyAcceptedSystemOptions(CMoxCacheInstance& instance, unsigned long requestNumber,
                                const std::vector<nsMoxHttp::RequestValues::Pair>& changes)
{
    optionsCopy.Accepted(requestNumber, [&] {
        SystemOptions options = instance.Options();
        for (const auto& [key, value] : changes)
            ApplySystemOptionChange(options, key, LeadingDecimalInt(value));
        instance.SetOptions(options);
    });
}
