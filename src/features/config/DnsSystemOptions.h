#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The server's DNS service settings.
struct DnsSystemOptions {
    std::int32_t EnableDNSCacheService = 0;
    std::int32_t DNSType = 0;  // the console always writes 1
    std::int32_t MaxNumOfDNSCache = 0;
    std::int32_t MinTTLOfDNSCache = 0;  // seconds
    std::int32_t MaxRetryingTimes = 0;
    std::array<std::string, 8> UpstreamDNS;  // UpstreamDNS1 to UpstreamDNS8, in order of use
    std::string DefaultRedirectIP;           // where redirected names resolve to: the cache server
    std::int32_t DNSRedirectBalanceType = 0;
    std::int32_t EnableRedirect = 0;

    static constexpr int kAddressLimit = 63;
};

// Sets the option a reply key or request pair names from its text; false for a key of no option.
bool SetDnsSystemOption(DnsSystemOptions& options, std::string_view key, std::string_view text);
