#pragma once

#include <string>
#include <string_view>
#include <variant>

// One server as the command line or a servers file names it: [http://|https://]HOST[:PORT], where
// HOST is a name, an IPv4 address or an IPv6 address in brackets, and PORT is 1 to 65535 (6780
// when left out).
struct ServerAddress {
    std::string scheme = "http";
    std::string host;  // an IPv6 address keeps its brackets
    unsigned port = 6780;

    // HOST:PORT, as the sign-in takes it.
    std::string HostPort() const { return host + ":" + std::to_string(port); }
    // What names the server to the operator and to a run of its own: HOST:PORT, with the scheme
    // only when it is not the default.
    std::string Text() const { return scheme == "http" ? HostPort() : scheme + "://" + HostPort(); }
};

// The address, or why the text is not one.
std::variant<ServerAddress, std::string> ParseServerAddress(std::string_view text);
