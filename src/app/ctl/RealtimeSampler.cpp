#include "RealtimeSampler.h"

#include "features/monitor/RealtimeFigures.h"
#include "shell/CMoxInstanceManager.h"

RealtimeSampler::RealtimeSampler() : hits_(CMoxInstanceManager::GetInstanceManager()->Options().CacheHitsMinutes())
{
}

RealtimeFigures RealtimeSampler::Sample(const RealtimeInfo& info)
{
    // The server's clock times both rates; without it the local tick does.
    internal_.Update(info.TotalSendKB, info.CurrentTickCount);
    external_.Update(info.TotalRecvFromResponseKB, info.CurrentTickCount);
    hits_.Update(info.TotalSendKB, info.TotalRecvKB, info.TotalSendToResponseKB, info.TotalRecvFromResponseKB);
    return {RealtimeBandwidthShown(internal_.Rate()), RealtimeBandwidthShown(external_.Rate()), hits_.HitRate(),
            RealtimeSavingPercent(info.TotalSendKB, info.TotalRecvFromResponseKB), info};
}
