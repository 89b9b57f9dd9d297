#include "protocol/PercentEncoding.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<bool, 256> MakeUnreservedTable()
{
    std::array<bool, 256> table{};
    for (int c = '0'; c <= '9'; ++c)
        table[c] = true;
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = true;
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = true;
    for (char c : std::string_view("-_.!~*'()"))
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

constexpr std::array<bool, 256> kUnreserved = MakeUnreservedTable();

constexpr std::array<bool, 256> MakeAsTypedTable()
{
    std::array<bool, 256> table = MakeUnreservedTable();
    for (char c : std::string_view(":[]/@"))
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

constexpr std::array<bool, 256> kAsTyped = MakeAsTypedTable();
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool IsUnreserved(char c)
{
    return kUnreserved[static_cast<unsigned char>(c)];
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

namespace nsMoxHttp {

std::string PercentEncode(std::string_view bytes)
{
    std::string encoded(bytes.size() * 3, '\0');
    char* out = encoded.data();
    for (const char c : bytes) {
        if (IsUnreserved(c)) {
            *out++ = c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            *out++ = '%';
            *out++ = kHexDigits[byte >> 4];
            *out++ = kHexDigits[byte & 0x0F];
        }
    }
    encoded.resize(static_cast<std::size_t>(out - encoded.data()));
    return encoded;
}

std::string PercentDecode(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '%') {
            decoded += text[pos];
            continue;
        }
        if (text.size() - pos < 3)
            break;
        const int high = HexValue(text[pos + 1]);
        const int low = HexValue(text[pos + 2]);
        if (high < 0 || low < 0) {
            decoded += '%';
            continue;
        }
        decoded += static_cast<char>(high * 16 + low);
        pos += 2;
    }
    return decoded;
}

std::string EncodeIdentifier(std::string_view identifier)
{
    if (std::all_of(identifier.begin(), identifier.end(), IsUnreserved))
        return std::string(identifier);
    return PercentEncode(identifier);
}

std::string EncodeAsTyped(std::string_view value)
{
    if (std::all_of(value.begin(), value.end(), [](char c) { return kAsTyped[static_cast<unsigned char>(c)]; }))
        return std::string(value);
    return PercentEncode(value);
}

}  // namespace nsMoxHttp
