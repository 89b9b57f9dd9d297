#include "features/monitor/NewestRealtime.h"

#include "features/monitor/RealtimeReplyReader.h"
#include "shell/CMoxCacheInstance.h"

#include <mutex>

namespace {

// Request numbers never repeat within a run, so one number serves every instance in turn.
std::mutex realtimeLock;
unsigned long mergedRequestNumber = 0;

}  // namespace

bool MergeNewerRealtime(CMoxCacheInstance& instance, unsigned long requestNumber, const Json::Value& root,
                        RealtimeInfo& info)
{
    std::lock_guard guard(realtimeLock);
    info = instance.Realtime();
    ReadRealtimeInfo(root, info);
    if (requestNumber <= mergedRequestNumber)
        return false;
    instance.SetRealtime(info);
    mergedRequestNumber = requestNumber;
    return true;
}
