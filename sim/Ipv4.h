#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvix::sim {

// Dotted-quad IPv4 addresses: four decimal numbers 0-255 without leading zeros.
std::optional<uint32_t> parseIpv4(std::string_view text);
std::string formatIpv4(uint32_t address);

}  // namespace morvix::sim
