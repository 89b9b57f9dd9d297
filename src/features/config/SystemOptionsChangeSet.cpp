#include "features/config/SystemOptionsChangeSet.h"

#include "features/config/SystemOptionFields.h"

#include <initializer_list>

namespace {

SystemOptionChangeSet Differences(const SystemOptions& edited, const SystemOptions& server,
                                  std::initializer_list<std::string_view> modifyKeysInOrder)
{
    SystemOptionChangeSet changes;
    for (std::string_view key : modifyKeysInOrder) {
        const SystemOptionField* field = FindSystemOptionByModifyKey(key);
        if (edited.*field->value != server.*field->value)
            changes.push_back({field->modifyKey, edited.*field->value});
    }
    return changes;
}

}  // namespace

SystemOptionChangeSet SystemViewChanges(const SystemOptions& edited, const SystemOptions& server)
{
    return Differences(edited, server,
                       {"MaxUsableMemSize", "MaxConnections", "MaxClientSendBuffer", "MaxClientRecvBuffer",
                        "MaxCacheBlockSize", "ClientRequstTimeOut", "MaxUpstreamConnections", "MaxSessionCacheSize",
                        "IsUsedXForwordedFor", "IsHitCacheWhenRefresh", "UnenableWebcacheBySpider",
                        "UnenableStatBySpider", "UnenableAccessLog"});
}

SystemOptionChangeSet DiskTuningChanges(const SystemOptions& edited, const SystemOptions& server)
{
    return Differences(edited, server,
                       {"MaxConnections", "MaxUpstreamConnections", "MaxUsableMemSize", "MinDiskCacheContentSize",
                        "MinSizeForActivePageByDiskCache", "DiskCacheDirectoryDepth", "MinSizeForRSCPByDiskCache",
                        "RatioOfDCIMSAndMUMS", "MaxOpenedFilesByDiskCache"});
}

SystemOptionChangeSet TrafficReportChanges(const SystemOptions& edited, const SystemOptions& server)
{
    return Differences(edited, server, {"PVRCreatingOption", "PVRCreatingThisTime", "PVRCreatingPeriodTime"});
}

std::optional<SystemOptionChange> SwitchChange(SystemModifyKind kind, std::int32_t newValue)
{
    switch (kind) {
    case eSystemModify_PageViewStatSwitch:
        return SystemOptionChange{"IsUsedPageViewStat", newValue};
    case eSystemModify_MemCacheSwitch:
        return SystemOptionChange{"IsUsedMemCache", newValue};
    case eSystemModify_RunningSwitch:
        return SystemOptionChange{"IsRunning", newValue};
    case eSystemModify_WhiteListSwitch:
        return SystemOptionChange{"EnableWhiteList", newValue};
    case eSystemModify_DiskCacheSwitch:
        return SystemOptionChange{"IsDiskCache", newValue};
    default:
        return std::nullopt;
    }
}

void ApplySystemOptionChange(SystemOptions& options, std::string_view modifyKey, std::int32_t value)
{
    if (const SystemOptionField* field = FindSystemOptionByModifyKey(modifyKey))
        options.*field->value = value;
}
