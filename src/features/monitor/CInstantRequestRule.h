#pragma once

#include <cstdint>
#include <string>

// What a live request stream asks for: the URL pattern and the fields each line should carry.
// Texts are UTF-8.
struct CInstantRequestRule {
    std::string name;  // at most 127 characters
    std::string url;   // at most 1023 characters
    bool icase = true;
    std::int32_t rules = 0;  // 0 wildcard, 1 regular expression, 2 exact
    bool location = false;
    bool dateTime = false;
    bool hitCache = true;
    bool userAgent = false;
    bool invalidRequest = false;
    bool hitMemberCache = false;
};
