#include "Ipv4.h"

namespace morvix::sim {

std::optional<uint32_t> parseIpv4(std::string_view text)
{
    uint32_t address = 0;
    int parts = 0;
    size_t at = 0;
    while (parts < 4) {
        size_t end = at;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
        const size_t digits = end - at;
        if (digits == 0 || digits > 3 || (digits > 1 && text[at] == '0'))
            return std::nullopt;
        const int value = std::stoi(std::string(text.substr(at, digits)));
        if (value > 255)
            return std::nullopt;
        address = (address << 8) | static_cast<uint32_t>(value);
        ++parts;
        if (parts < 4) {
            if (end >= text.size() || text[end] != '.')
                return std::nullopt;
            at = end + 1;
        } else if (end != text.size()) {
            return std::nullopt;
        }
    }
    return address;
}

std::string formatIpv4(uint32_t address)
{
    return std::to_string(address >> 24) + '.' + std::to_string((address >> 16) & 0xFF) + '.' +
           std::to_string((address >> 8) & 0xFF) + '.' + std::to_string(address & 0xFF);
}

}  // namespace morvix::sim
