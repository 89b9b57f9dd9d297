#include "shell/LeadingDecimal.h"

#include <algorithm>
#include <limits>

std::int64_t LeadingDecimal(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';

    // Accumulate towards the negative side, which holds one value more than the positive one.
    constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        const int digit = text[pos] - '0';
        if (value < (lowest + digit) / 10) {
            value = lowest;
            break;
        }
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == lowest ? std::numeric_limits<std::int64_t>::max() : -value;
}

int LeadingDecimalInt(std::string_view text)
{
    return static_cast<int>(std::clamp<std::int64_t>(LeadingDecimal(text), std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}
