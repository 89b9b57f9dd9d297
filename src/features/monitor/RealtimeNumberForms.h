#pragma once

#include <cstdint>
#include <string>

// The two ways the monitor shows an amount given in KB.

// "1023 KB", "1.00 MB", "1.00 GB": one text, GB the largest unit.
std::string FormatKbText(std::int64_t kb);

// The figure and its unit apart, for the large figure boxes: up to TB.
struct KbValueUnit {
    std::string value;
    std::string unit;
};
KbValueUnit FormatKbValueUnit(std::int64_t kb);
