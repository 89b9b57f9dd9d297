#pragma once

#include <cstdint>
#include <string>

// One refuse-cache rule: a URL pattern whose pages the server must not cache. Texts are UTF-8.
struct RCacheRule {
    std::int32_t No = 0;  // 1-based position in the server's list
    std::string Wid;      // the server's identifier
    std::string Url;      // at most 1024 characters
    std::int32_t Icase = 0;
    std::int32_t Rules = 0;  // 0 wildcard, 1 regular expression, 2 exact
    std::string Note;        // at most 601 characters
    std::int32_t Olimit = 0;  // 0 all users, 1 logged-in users, 2 guests
    // 0 refuse the memory and the disk cache, 1 refuse only the disk cache. A list reply
    // without the key means 1 (servers that only knew disk refusal); a new rule starts at 0.
    std::int32_t CacheLocation = 0;

    static constexpr int kUrlLimit = 1024;
    static constexpr int kNoteLimit = 601;
};
