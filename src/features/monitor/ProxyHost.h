#pragma once

#include <cstdint>
#include <string>

// One proxied host (domain) with its counters for the current counting period. Texts are UTF-8.
struct ProxyHost {
    std::int32_t No = 0;
    std::string ProxyID;  // the server's identifier
    std::string Host;
    std::int32_t Balance = 0;  // 0 round robin, 1 client-address hash, 2 URL hash
    std::string StartTime;
    std::string EndTime;
    std::int64_t RequestCount = 0;
    std::int64_t UploadCount = 0;    // bytes received from users
    std::int64_t DownloadCount = 0;  // bytes sent to users
    std::int32_t IpCount = 0;
    std::int32_t UserConnections = 0;
    std::int32_t UpstreamConnections = 0;
    std::int64_t CurrentTickCount = 0;  // the server's clock; 0 when the reply lacks it
    std::string Note;                   // at most 600 characters

    static constexpr std::size_t kNoteLimit = 600;
};
