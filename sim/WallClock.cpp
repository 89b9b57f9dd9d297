#include "WallClock.h"

#include <cstdio>

namespace morvix::sim {

std::string formatTime(std::time_t time)
{
    std::tm parts{};
    localtime_r(&time, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

std::string nowText()
{
    return formatTime(std::time(nullptr));
}

std::optional<std::time_t> parseTime(std::string_view text)
{
    if (text.size() != 19)
        return std::nullopt;
    static const char shape[] = "dddd-dd-dd dd:dd:dd";
    for (size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (shape[i] == 'd' ? !digit : text[i] != shape[i])
            return std::nullopt;
    }
    std::tm parts{};
    std::sscanf(std::string(text).c_str(), "%4d-%2d-%2d %2d:%2d:%2d", &parts.tm_year, &parts.tm_mon, &parts.tm_mday,
                &parts.tm_hour, &parts.tm_min, &parts.tm_sec);
    const std::tm given = parts;
    if (parts.tm_mon < 1 || parts.tm_mon > 12 || parts.tm_mday < 1 || parts.tm_hour > 23 || parts.tm_min > 59 ||
        parts.tm_sec > 59)
        return std::nullopt;
    parts.tm_year -= 1900;
    parts.tm_mon -= 1;
    parts.tm_isdst = -1;
    const std::time_t time = std::mktime(&parts);
    // mktime normalises 02-30 into March; such a date was not a real one.
    if (time == -1 || parts.tm_mday != given.tm_mday)
        return std::nullopt;
    return time;
}

}  // namespace morvix::sim
