#pragma once

#include <cstdint>
#include <string>

// One cache server that takes a share of the redirected traffic.
struct DnsBalanceHost {
    std::string IP;
    std::int32_t Enable = 0;    // 1 in use, 0 paused
    std::int32_t Checking = 0;  // 1 the server checks whether the host is down
    std::int32_t IsDown = 0;
    std::string DownTime;
    std::int32_t THC = 0;  // answers that pointed to this host
    std::string Note;

    static constexpr int kIpLimit = 64;
    static constexpr int kNoteLimit = 399;
};
