#pragma once

#include <cstdint>
#include <string_view>

// The number that numeric text starts with, the way the server's numbers and the settings files
// are read: leading blanks, an optional sign, then decimal digits up to the first other byte.
// Text without digits gives 0; values beyond the type's range are clamped instead of wrapping.
std::int64_t LeadingDecimal(std::string_view text);

int LeadingDecimalInt(std::string_view text);
