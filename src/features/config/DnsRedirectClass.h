#pragma once

#include <cstdint>
#include <string>

// A named group of domains (a video site) that is redirected as a whole.
struct DnsRedirectClass {
    std::string Name;
    std::int32_t Enable = 1;

    static constexpr int kNameLimit = 499;
};
