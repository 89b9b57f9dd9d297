#pragma once

#include <cstdint>
#include <string>

// The server's running counters, as the last realtime reply left them. Memory and traffic in KB.
struct RealtimeInfo {
    std::int32_t CurrentUserConnections = 0;
    std::int32_t CurrentUpstreamConnections = 0;
    std::int64_t AllUsedMemSize = 0;
    std::int64_t CacheUsedMemSize = 0;
    std::int32_t NumOfCaches = 0;
    std::int64_t TotalSendKB = 0;
    std::int64_t TotalRecvKB = 0;
    std::int32_t NumOfCachedSessions = 0;
    std::int32_t NumOfPublicCaches = 0;
    std::int32_t NumOfMemberCaches = 0;
    std::int32_t NumOfVisitorCaches = 0;
    std::int64_t PublicCacheUsedMemSize = 0;
    std::int64_t MemberCacheUsedMemSize = 0;
    std::int64_t VisitorCacheUsedMemSize = 0;
    std::int64_t TotalSendToResponseKB = 0;
    std::int64_t TotalRecvFromResponseKB = 0;
    std::int32_t CountOfAFRWR = 0;
    std::int64_t NumOfDiskCaches = 0;
    std::int64_t SizeOfDiskCachesIndex = 0;
    std::int64_t NumOfDNSCaches = 0;
    std::int64_t TotalPhyMemSizeKB = 0;
    std::int64_t FreePhyMemSizeKB = 0;
    std::int64_t MoxPeakUsedMemSizeKB = 0;
    std::int64_t MoxUsedMemSizeKB = 0;
    std::int64_t CurrentTickCount = 0;  // the server's millisecond clock; 0 when the reply lacks it
    std::string StartTime;              // "YYYY-MM-DD HH:MM:SS"
    std::string CurrentTime;
};
