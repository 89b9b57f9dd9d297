#pragma once

#include <cstdint>
#include <string>

// A saved monitoring record: a named URL pattern with the switches of its live stream.
// Texts are UTF-8 and kept whole: the URL is the record's key when it is deleted.
struct RthRecord {
    std::int32_t No = 0;
    std::string RequestUrl;
    std::string Title;
    std::int32_t Location = 0;
    std::int32_t DateTime = 0;
    std::int32_t HitCache = 0;
    std::int32_t UserAgent = 0;
    std::int32_t InvalidRequest = 0;
    std::int32_t HitMemberCache = 0;
    std::int32_t Icase = 1;
    std::int32_t Rules = 0;  // 0 wildcard, 1 regular expression, 2 exact
};
