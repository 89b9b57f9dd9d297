#include "features/config/ClusterSerial.h"

#include <cstdio>
#include <fstream>
#include <random>

std::string FormatClusterSerial(const std::array<std::uint8_t, 16>& id)
{
    const unsigned long group1 = (static_cast<unsigned long>(id[0]) << 24) | (id[1] << 16) | (id[2] << 8) | id[3];
    const unsigned group2 = (id[4] << 8) | id[5];
    const unsigned group3 = (id[6] << 8) | id[7];
    char text[33];
    std::snprintf(text, sizeof text, "%08lX%04X%04x%02X%02X%02X%02X%02X%02X%02X%02X", group1, group2, group3, id[8],
                  id[9], id[10], id[11], id[12], id[13], id[14], id[15]);
    return text;
}

std::string NewClusterSerial()
{
    std::array<std::uint8_t, 16> id{};
    std::ifstream random("/dev/urandom", std::ios::binary);
    if (!random.read(reinterpret_cast<char*>(id.data()), id.size())) {
        std::random_device device;
        for (std::uint8_t& byte : id)
            byte = static_cast<std::uint8_t>(device());
    }
    // Version 4, variant 1: the identifier is a random GUID like any other.
    id[6] = static_cast<std::uint8_t>((id[6] & 0x0F) | 0x40);
    id[8] = static_cast<std::uint8_t>((id[8] & 0x3F) | 0x80);
    return FormatClusterSerial(id);
}
