#pragma once

#include <cstdint>
#include <string>

// One origin server of a proxied host, with its counters for the current period. Texts are UTF-8.
struct UpstreamHost {
    std::int32_t No = 0;
    std::string UpstreamID;  // the server's identifier
    std::string Host;        // origin name or address
    std::string StartTime;
    std::string EndTime;
    std::int64_t RequestCount = 0;
    std::int64_t UploadCount = 0;
    std::int64_t DownloadCount = 0;
    std::int32_t IpCount = 0;
    std::int32_t UserConnections = 0;
    std::int32_t UpstreamConnections = 0;
    std::int32_t IsDown = 0;
    std::string DownTime;
    std::int64_t CurrentTickCount = 0;
    std::string Note;  // at most 600 characters

    static constexpr std::size_t kNoteLimit = 600;
};
