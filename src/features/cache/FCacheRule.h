#pragma once

#include <cstdint>
#include <string>

// One page-cache rule. Texts are UTF-8.
struct FCacheRule {
    std::int32_t No = 0;  // 1-based position in the server's list
    std::string Wid;      // the server's identifier
    std::string Url;      // at most 1024 characters
    std::int32_t Icase = 0;
    std::int32_t Rules = 0;  // 0 wildcard, 1 regular expression, 2 exact
    std::int32_t Expire = 0;
    std::int32_t Unit = 1;  // 0 days, 1 hours, 2 minutes, 3 seconds
    std::int32_t Icookie = 1;
    std::string Note;  // as the server holds it; the form lets 300 characters be typed
    std::int32_t Olimit = 0;  // 0 all users, 1 logged-in users, 2 guests
    std::int32_t IsDiskCache = 1;

    static constexpr int kUrlLimit = 1024;
    static constexpr int kNoteLimit = 601;
};
