#pragma once

#include <string>

namespace nsMoxHttp {

// Proxy through which an exchange connects; the default goes direct.
struct CMoxProxySettings {
    enum class Type { None = 0, Http = 1, Socks4 = 2, Socks5 = 3 };

    Type type = Type::None;
    std::string host;
    int port = 0;
    std::string userName;  // empty: no proxy authentication
    std::string password;
};

}  // namespace nsMoxHttp
