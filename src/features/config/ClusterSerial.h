#pragma once

#include <array>
#include <cstdint>
#include <string>

// A fresh cluster serial from a random 128-bit identifier: 32 hexadecimal digits, the third group
// in lower case and all others in upper case, the form every server of a cluster already holds.
std::string FormatClusterSerial(const std::array<std::uint8_t, 16>& identifier);
std::string NewClusterSerial();
