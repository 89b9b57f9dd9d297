#pragma once

#include <cstdint>

// The server's flat option set, as the system list reply gives it.
struct SystemOptions {
    std::int32_t MaxUsableMemSize = 0;  // MB
    std::int32_t MaxConnections = 0;
    std::int32_t IsUsedMemCache = 0;
    std::int32_t MaxClientSendBuffer = 0;  // KB
    std::int32_t MaxClientRecvBuffer = 0;  // KB
    std::int32_t MaxCacheBlockSize = 0;    // KB
    std::int32_t IsUsedXForwardedFor = 0;
    std::int32_t IsHitCacheForRefresh = 0;
    std::int32_t IsRunning = 0;
    std::int32_t ClientRequestTimeOut = 0;  // seconds
    std::int32_t IsUsedPageViewStat = 0;
    std::int32_t PVRCreatingOption = 0;  // 1 daily at a fixed hour, 0 periodic
    std::int32_t PVRCreatingThisTime = 0;
    std::int32_t PVRCreatingPeriodTime = 0;  // hours
    std::int32_t MaxUpstreamConnections = 0;
    std::int32_t MaxSessionCacheSize = 0;  // MB
    std::int32_t UnenableWebcacheBySpider = 0;
    std::int32_t UnenableStatBySpider = 0;
    std::int32_t UnenableAccessLog = 0;
    std::int32_t IsDiskCache = 0;
    std::int32_t MinSizeForActivePageByDiskCache = 32768;  // bytes
    std::int32_t DiskCacheDirectoryDepth = 4;
    std::int32_t MinSizeForRSCPByDiskCache = 128;  // KB
    std::int32_t MaxOpenedFilesByDiskCache = 5000;
    std::int32_t RatioOfDCIMSAndMUMS = 30;           // percent
    std::int32_t MinDiskCacheContentSize = 32768;  // bytes
    std::int64_t ReadOnly_TotalPhyMemSizeKB = 0;
    std::int64_t ReadOnly_FreePhyMemSizeKB = 0;
    std::int64_t ReadOnly_MoxPeakUsedMemSizeKB = 0;
    std::int64_t ReadOnly_MoxUsedMemSizeKB = 0;
    std::int32_t DNSRedirectBalanceType = 2;
    std::int32_t EnableWhiteList = 0;

    bool operator==(const SystemOptions&) const = default;
};
