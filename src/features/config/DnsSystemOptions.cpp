#include "features/config/DnsSystemOptions.h"

#include "shell/LeadingDecimal.h"
#include "shell/Utf8Text.h"

#include <string>

namespace {

struct NumberKey {
    std::string_view key;
    std::int32_t DnsSystemOptions::*value;
};

constexpr NumberKey kNumberKeys[] = {
    {"EnableDNSCacheService", &DnsSystemOptions::EnableDNSCacheService},
    {"DNSType", &DnsSystemOptions::DNSType},
    {"MaxNumOfDNSCache", &DnsSystemOptions::MaxNumOfDNSCache},
    {"MinTTLOfDNSCache", &DnsSystemOptions::MinTTLOfDNSCache},
    {"MaxRetryingTimes", &DnsSystemOptions::MaxRetryingTimes},
    {"DNSRedirectBalanceType", &DnsSystemOptions::DNSRedirectBalanceType},
    {"EnableRedirect", &DnsSystemOptions::EnableRedirect},
};

std::string Address(std::string_view text)
{
    return std::string(Utf8Text::CutToCharacters(Utf8Text::Sanitize(text), DnsSystemOptions::kAddressLimit));
}

}  // namespace

bool SetDnsSystemOption(DnsSystemOptions& options, std::string_view key, std::string_view text)
{
    for (const NumberKey& number : kNumberKeys) {
        if (number.key == key) {
            options.*number.value = LeadingDecimalInt(text);
            return true;
        }
    }
    if (key == "DefaultRedirectIP") {
        options.DefaultRedirectIP = Address(text);
        return true;
    }
    constexpr std::string_view kUpstream = "UpstreamDNS";
    if (key.size() == kUpstream.size() + 1 && key.starts_with(kUpstream) && key.back() >= '1' && key.back() <= '8') {
        options.UpstreamDNS[static_cast<std::size_t>(key.back() - '1')] = Address(text);
        return true;
    }
    return false;
}
