#pragma once

#include <cstdio>
#include <string>
#include <type_traits>

namespace detail {
inline const char* FormatArg(const std::string& text) { return text.c_str(); }
template <class T>
T FormatArg(T value) requires std::is_arithmetic_v<T> || std::is_pointer_v<T>
{
    return value;
}
}  // namespace detail

// printf-style formatting of the console's UTF-8 message texts, with std::string arguments for %s.
template <class... Args>
std::string FormatText(const char* format, const Args&... args)
{
    const int length = std::snprintf(nullptr, 0, format, detail::FormatArg(args)...);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, detail::FormatArg(args)...);
    return text;
}

// The same over a translated format.
template <class... Args>
std::string FormatText(const std::string& format, const Args&... args)
{
    return FormatText(format.c_str(), args...);
}
