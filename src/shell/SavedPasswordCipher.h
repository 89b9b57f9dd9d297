#pragma once

#include <string>
#include <string_view>

// How the login history keeps a saved password: zero-padded to whole 8-byte blocks (always at
// least one zero byte), each block encrypted on its own with Blowfish under the console's fixed
// key, written as uppercase hexadecimal. Files written by a build with another key do not decode.
namespace SavedPasswordCipher {

std::string Encode(std::string_view password);

// Pairs of uppercase hex digits to bytes (a character that is not 0-9 or A-F ends its byte early),
// whole blocks decrypted, the text up to the first zero byte.
std::string Decode(std::string_view hex);

}  // namespace SavedPasswordCipher
