#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace morvix::fuzz {

// The bytes libFuzzer hands to a target, with the first byte taken as a choice when a target
// needs one (which request, which match kind) and the rest as the text.
struct FuzzInput {
    FuzzInput(const std::uint8_t* data, std::size_t size) : bytes(reinterpret_cast<const char*>(data), size) {}

    std::string_view bytes;

    bool Empty() const { return bytes.empty(); }
    unsigned char Choice() const { return static_cast<unsigned char>(bytes.front()); }
    std::string_view Rest() const { return bytes.substr(1); }
    // The text split at the first NUL byte: two texts from one input.
    std::pair<std::string_view, std::string_view> Split(std::string_view text) const
    {
        const std::size_t mark = text.find('\0');
        if (mark == std::string_view::npos)
            return {text, {}};
        return {text.substr(0, mark), text.substr(mark + 1)};
    }
};

}  // namespace morvix::fuzz
