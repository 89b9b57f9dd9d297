#include "features/config/SystemOptionFields.h"

namespace {

using S = SystemOptions;

constexpr SystemOptionField kFields[] = {
    {"MaxUsableMemSize", "MaxUsableMemSize", &S::MaxUsableMemSize, std::nullopt},
    {"MaxConnections", "MaxConnections", &S::MaxConnections, std::nullopt},
    {"IsUsedMemCache", "IsUsedMemCache", &S::IsUsedMemCache, std::nullopt},
    {"MaxClientSendBuffer", "MaxClientSendBuffer", &S::MaxClientSendBuffer, std::nullopt},
    {"MaxClientRecvBuffer", "MaxClientRecvBuffer", &S::MaxClientRecvBuffer, std::nullopt},
    {"MaxCacheBlockSize", "MaxCacheBlockSize", &S::MaxCacheBlockSize, std::nullopt},
    {"IsUsedXForwardedFor", "IsUsedXForwordedFor", &S::IsUsedXForwardedFor, std::nullopt},
    {"IsHitCacheForRefresh", "IsHitCacheWhenRefresh", &S::IsHitCacheForRefresh, std::nullopt},
    {"IsRunning", "IsRunning", &S::IsRunning, std::nullopt},
    {"ClientRequestTimeOut", "ClientRequstTimeOut", &S::ClientRequestTimeOut, std::nullopt},
    {"IsUsedPageViewStat", "IsUsedPageViewStat", &S::IsUsedPageViewStat, std::nullopt},
    {"PVRCreatingOption", "PVRCreatingOption", &S::PVRCreatingOption, std::nullopt},
    {"PVRCreatingThisTime", "PVRCreatingThisTime", &S::PVRCreatingThisTime, std::nullopt},
    {"PVRCreatingPeriodTime", "PVRCreatingPeriodTime", &S::PVRCreatingPeriodTime, std::nullopt},
    {"MaxUpstreamConnections", "MaxUpstreamConnections", &S::MaxUpstreamConnections, std::nullopt},
    {"MaxSessionCacheSize", "MaxSessionCacheSize", &S::MaxSessionCacheSize, std::nullopt},
    {"UnenableWebcacheBySpider", "UnenableWebcacheBySpider", &S::UnenableWebcacheBySpider, std::nullopt},
    {"UnenableStatBySpider", "UnenableStatBySpider", &S::UnenableStatBySpider, std::nullopt},
    {"UnenableAccessLog", "UnenableAccessLog", &S::UnenableAccessLog, std::nullopt},
    {"IsDiskCache", "IsDiskCache", &S::IsDiskCache, std::nullopt},
    {"MinSizeForActivePageByDiskCache", "MinSizeForActivePageByDiskCache", &S::MinSizeForActivePageByDiskCache, 32768},
    {"DiskCacheDirectoryDepth", "DiskCacheDirectoryDepth", &S::DiskCacheDirectoryDepth, 4},
    {"MinSizeForRSCPByDiskCache", "MinSizeForRSCPByDiskCache", &S::MinSizeForRSCPByDiskCache, 128},
    {"MaxOpenedFilesByDiskCache", "MaxOpenedFilesByDiskCache", &S::MaxOpenedFilesByDiskCache, 5000},
    {"RatioOfDCIMSAndMUMS", "RatioOfDCIMSAndMUMS", &S::RatioOfDCIMSAndMUMS, 30},
    {"MinDiskCacheContentSize", "MinDiskCacheContentSize", &S::MinDiskCacheContentSize, 32768},
    {"DNSRedirectBalanceType", "DNSRedirectBalanceType", &S::DNSRedirectBalanceType, 2},
    {"EnableWhiteList", "EnableWhiteList", &S::EnableWhiteList, 0},
};

constexpr SystemReadOnlyField kReadOnlyFields[] = {
    {"ReadOnly_TotalPhyMemSizeKB", &S::ReadOnly_TotalPhyMemSizeKB},
    {"ReadOnly_FreePhyMemSizeKB", &S::ReadOnly_FreePhyMemSizeKB},
    {"ReadOnly_MoxPeakUsedMemSizeKB", &S::ReadOnly_MoxPeakUsedMemSizeKB},
    {"ReadOnly_MoxUsedMemSizeKB", &S::ReadOnly_MoxUsedMemSizeKB},
};

}  // namespace

std::span<const SystemOptionField> SystemOptionFields()
{
    return kFields;
}

std::span<const SystemReadOnlyField> SystemReadOnlyFields()
{
    return kReadOnlyFields;
}

const SystemOptionField* FindSystemOptionByModifyKey(std::string_view modifyKey)
{
    for (const SystemOptionField& field : kFields)
        if (field.modifyKey == modifyKey)
            return &field;
    return nullptr;
}
