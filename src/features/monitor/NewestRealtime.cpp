#include "features/monitor/NewestRealtime.h"

#include "features/monitor/RealtimeReplyReader.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/NewestReplyCopy.h"

namespace {

NewestReplyCopy realtimeCopy;

}  // namespace

bool MergeNewerRealtime(CMoxCacheInstance& instance, unsigned long requestNumber, const Json::Value& root,
                        RealtimeInfo& info)
{
    return realtimeCopy.MergeIfNewer(
        requestNumber,
        [&] {
            info = instance.Realtime();
            ReadRealtimeInfo(root, info);
        },
        [&] { instance.SetRealtime(info); });
}
