#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvix::sim {

// Percent-encoding as the administration interface uses it: letters, digits and - _ . ! ~ * ' ( )
// stay, every other byte becomes %XX (upper-case), a space too.
std::string percentEncode(std::string_view bytes);

// Form decoding of one name or value: %XX becomes its byte and + a space. A malformed escape
// yields nothing, so that the caller can refuse the field.
std::optional<std::string> formDecode(std::string_view text);

}  // namespace morvix::sim
