#pragma once

#include <string>
#include <string_view>

// A server address as the console keeps it: "host:port" for plain http, "https://host:port" when
// the operator chose https. Everything that forms a URL starts from ServerUrlBase, so that a
// connection chosen encrypted is never sent in clear by one of them.
namespace nsMoxHttp {

inline constexpr std::string_view kHttpsPrefix = "https://";
inline constexpr std::string_view kHttpPrefix = "http://";

bool IsHttpsAddress(std::string_view address);
// "host:port" without the scheme.
std::string_view AddressWithoutScheme(std::string_view address);
// "http://host:port" or "https://host:port".
std::string ServerUrlBase(std::string_view address);
// True for plain http to anything but this machine: the password and the session cross a network in clear.
bool IsPlainHttpToDistant(std::string_view address);

}  // namespace nsMoxHttp
