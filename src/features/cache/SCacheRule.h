#pragma once

#include <cstdint>
#include <string>

// One session-cache rule: the login URL whose reply sets a session cookie, and the cookie's name.
// Texts are UTF-8; a new rule is all zero and empty.
struct SCacheRule {
    std::int32_t No = 0;  // 1-based position in the server's list
    std::string Wid;      // the server's identifier
    std::string ActionUrl;  // at most 1024 characters
    std::int32_t Icase = 0;
    std::int32_t Rules = 0;  // 0 wildcard, 1 regular expression, 2 exact
    std::string SetCookieSessionID;  // at most 64 characters
    std::int32_t SessionExpire = 0;  // seconds
    std::string Note;                // at most 250 characters as typed

    static constexpr int kActionUrlLimit = 1024;
    static constexpr int kCookieNameLimit = 64;
    static constexpr int kNoteLimit = 250;
};
