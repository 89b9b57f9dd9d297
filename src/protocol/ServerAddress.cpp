#include "protocol/ServerAddress.h"

#include <strings.h>

namespace nsMoxHttp {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && strncasecmp(text.data(), prefix.data(), prefix.size()) == 0;
}

// The host part of "host:port", "[v6]:port" or a bare v6 address.
std::string_view HostPart(std::string_view address)
{
    if (!address.empty() && address.front() == '[') {
        const std::size_t close = address.find(']');
        return address.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
    }
    const std::size_t colon = address.find(':');
    if (colon != std::string_view::npos && address.find(':', colon + 1) != std::string_view::npos)
        return address;  // several colons: an IPv6 address without brackets
    return address.substr(0, colon);
}

}  // namespace

bool IsHttpsAddress(std::string_view address)
{
    return StartsWithNoCase(address, kHttpsPrefix);
}

std::string_view AddressWithoutScheme(std::string_view address)
{
    if (IsHttpsAddress(address))
        return address.substr(kHttpsPrefix.size());
    if (StartsWithNoCase(address, kHttpPrefix))
        return address.substr(kHttpPrefix.size());
    return address;
}

std::string ServerUrlBase(std::string_view address)
{
    std::string url(IsHttpsAddress(address) ? kHttpsPrefix : kHttpPrefix);
    url.append(AddressWithoutScheme(address));
    return url;
}

bool IsPlainHttpToDistant(std::string_view address)
{
    if (IsHttpsAddress(address))
        return false;
    const std::string_view host = HostPart(AddressWithoutScheme(address));
    const bool loopback = StartsWithNoCase(host, "127.") || host == "::1" ||
                          (host.size() == 9 && StartsWithNoCase(host, "localhost"));
    return !host.empty() && !loopback;
}

}  // namespace nsMoxHttp
