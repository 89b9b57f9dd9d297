#pragma once

#include <cstdint>
#include <string>

// One disk-cache area of the server. Texts are UTF-8.
struct DiskCacheEntry {
    std::int32_t DiskNo = 0;  // 1 to 14
    std::string Path;         // empty: the area is not configured
    std::int32_t Enable = 0;  // 1 in use, 0 paused
    std::int32_t Status = 0;  // 0 off or paused, 1 in use, 2 and 3 full and being cleaned
    std::string Note;

    static constexpr int kPathLimit = 511;
    static constexpr int kNoteLimit = 511;
};
