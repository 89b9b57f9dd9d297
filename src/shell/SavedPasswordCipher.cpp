#include "shell/SavedPasswordCipher.h"

#include <nettle/blowfish.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The console's own key. Changing it makes every saved password unreadable.
constexpr std::uint8_t kKey[BLOWFISH128_KEY_SIZE] = {0x4D, 0x6F, 0x72, 0x76, 0x69, 0x78, 0x1F, 0x8B,
                                                     0x3C, 0x52, 0xA7, 0x19, 0x64, 0xE2, 0x0D, 0x95};

blowfish_ctx KeyedContext()
{
    blowfish_ctx context{};
    blowfish128_set_key(&context, kKey);
    return context;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

namespace SavedPasswordCipher {

std::string Encode(std::string_view password)
{
    const std::size_t padded = (password.size() / BLOWFISH_BLOCK_SIZE + 1) * BLOWFISH_BLOCK_SIZE;
    std::vector<std::uint8_t> plain(padded, 0);
    std::copy(password.begin(), password.end(), plain.begin());
    std::vector<std::uint8_t> cipher(padded);
    const blowfish_ctx context = KeyedContext();
    blowfish_encrypt(&context, padded, cipher.data(), plain.data());

    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(padded * 2);
    for (std::uint8_t byte : cipher) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

std::string Decode(std::string_view hex)
{
    std::vector<std::uint8_t> cipher;
    for (std::size_t pair = 0; pair < hex.size(); pair += 2) {
        int byte = 0;
        for (std::size_t i = pair; i < pair + 2 && i < hex.size(); ++i) {
            const int digit = HexValue(hex[i]);
            if (digit < 0)
                break;
            byte = byte * 16 + digit;
        }
        cipher.push_back(static_cast<std::uint8_t>(byte));
    }
    const std::size_t whole = cipher.size() / BLOWFISH_BLOCK_SIZE * BLOWFISH_BLOCK_SIZE;
    std::vector<std::uint8_t> plain(whole);
    const blowfish_ctx context = KeyedContext();
    blowfish_decrypt(&context, whole, plain.data(), cipher.data());

    std::string password;
    for (std::uint8_t byte : plain) {
        if (byte == 0)
            break;
        password += static_cast<char>(byte);
    }
    return password;
}

}  // namespace SavedPasswordCipher
