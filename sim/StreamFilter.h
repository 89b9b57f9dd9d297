#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace morvix::sim {

// What a client asked the live request stream for: which requests, which fields, which form.
struct StreamFilter {
    std::string pattern;
    bool ignoreCase = false;
    int matchKind = 0;  // 0 wildcard, 1 regular expression, 2 exact
    bool location = false;
    bool dateTime = false;
    bool hitCache = false;
    bool userAgent = false;
    bool invalidRequest = false;
    bool hitMemberCache = false;
    std::optional<uint32_t> ipLow;
    std::optional<uint32_t> ipHigh;
    bool html = false;
};

}  // namespace morvix::sim
