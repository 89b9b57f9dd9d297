#pragma once

#include <cstdint>
#include <string>

// One domain of the DNS redirect list. Texts are UTF-8.
struct DnsRedirectEntry {
    std::string Name;
    std::string IP;  // empty: the cache server's own address
    std::int32_t TTL = 0;  // custom entries only
    std::int32_t Enable = 1;  // 1 redirect, 0 do not redirect
    std::string Note;
    std::int32_t THC = 0;  // resolutions answered for this domain
    bool IsSystem = false;  // built in by the server, or added by the operator

    static constexpr int kNameLimit = 128;
    static constexpr int kIpLimit = 64;
    static constexpr int kNoteLimit = 499;
};
