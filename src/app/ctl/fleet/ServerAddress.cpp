#include "ServerAddress.h"

#include <arpa/inet.h>
#include <charconv>

namespace {

bool IsNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_';
}

// A host name or an IPv4 address: labels of letters, digits, "-" and "_" between single dots.
bool IsHostName(std::string_view host)
{
    if (host.empty() || host.size() > 253 || host.front() == '.' || host.back() == '.' ||
        host.find("..") != std::string_view::npos)
        return false;
    for (const char c : host)
        if (!IsNameCharacter(c))
            return false;
    return true;
}

bool IsIpv6(std::string_view address)
{
    in6_addr parsed{};
    return ::inet_pton(AF_INET6, std::string(address).c_str(), &parsed) == 1;
}

}  // namespace

std::variant<ServerAddress, std::string> ParseServerAddress(std::string_view text)
{
    ServerAddress address;
    for (const std::string_view scheme : {"http", "https"})
        if (text.starts_with(std::string(scheme) + "://")) {
            address.scheme = scheme;
            text.remove_prefix(scheme.size() + 3);
        }
    if (text.find("://") != std::string_view::npos)
        return "the scheme is http:// or https://";
    std::string_view portText;
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos)
            return "an IPv6 address is closed by \"]\"";
        if (!IsIpv6(text.substr(1, close - 1)))
            return "\"" + std::string(text.substr(1, close - 1)) + "\" is no IPv6 address";
        address.host = text.substr(0, close + 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty() && !rest.starts_with(':'))
            return "after \"]\" only \":PORT\" may follow";
        portText = rest.empty() ? std::string_view() : rest.substr(1);
        if (rest.size() == 1)
            return "the port is missing after \":\"";
    } else {
        const std::size_t colon = text.find(':');
        if (colon != std::string_view::npos && text.find(':', colon + 1) != std::string_view::npos)
            return IsIpv6(text) ? "an IPv6 address is written in brackets: [" + std::string(text) + "]:PORT"
                                : "one \":\" separates HOST and PORT";
        const std::string_view host = text.substr(0, colon);
        if (!IsHostName(host))
            return "\"" + std::string(host) + "\" is no host name or address";
        address.host = host;
        if (colon != std::string_view::npos) {
            portText = text.substr(colon + 1);
            if (portText.empty())
                return "the port is missing after \":\"";
        }
    }
    if (!portText.empty()) {
        unsigned port = 0;
        const auto [end, error] = std::from_chars(portText.data(), portText.data() + portText.size(), port);
        if (error != std::errc() || end != portText.data() + portText.size() || port < 1 || port > 65535)
            return "the port is a number from 1 to 65535, not \"" + std::string(portText) + "\"";
        address.port = port;
    }
    return address;
}
