#include "shell/SavedPasswordCipher.h"

#include <gtest/gtest.h>

#include <cctype>
#include <regex>
#include <vector>

TEST(SavedPasswordCipher, EightCharactersTakeTwoBlocks)
{
    const std::string hex = SavedPasswordCipher::Encode("Adm1n!23");
    EXPECT_EQ(hex.size(), 32u);
    EXPECT_TRUE(std::regex_match(hex, std::regex("[0-9A-F]+"))) << hex;
    EXPECT_NE(hex.find_first_not_of('0'), std::string::npos);
    EXPECT_EQ(SavedPasswordCipher::Decode(hex), "Adm1n!23");
}

TEST(SavedPasswordCipher, EveryLengthAddsAtLeastOneZeroByte)
{
    EXPECT_EQ(SavedPasswordCipher::Encode("").size(), 16u);
    EXPECT_EQ(SavedPasswordCipher::Encode("1234567").size(), 16u);
    EXPECT_EQ(SavedPasswordCipher::Encode("123456789").size(), 32u);
    EXPECT_EQ(SavedPasswordCipher::Encode(std::string(16, 'x')).size(), 48u);
    const std::vector<std::string> passwords = {"", "a", "1234567", "密码 & space", std::string(64, 'p')};
    for (const std::string& password : passwords)
        EXPECT_EQ(SavedPasswordCipher::Decode(SavedPasswordCipher::Encode(password)), password);
}

TEST(SavedPasswordCipher, BlocksAreEncryptedIndependently)
{
    const std::string hex = SavedPasswordCipher::Encode("samesamesamesame");
    EXPECT_EQ(hex.substr(0, 16), hex.substr(16, 16));
    EXPECT_NE(hex.substr(0, 16), hex.substr(32, 16));
}

TEST(SavedPasswordCipher, DamagedTextDecodesOnlyItsWholeBlocks)
{
    const std::string hex = SavedPasswordCipher::Encode("password1234");
    EXPECT_EQ(SavedPasswordCipher::Decode(hex.substr(0, 16) + "Z"), "password");
    EXPECT_EQ(SavedPasswordCipher::Decode(hex.substr(0, 14)), "");
    EXPECT_EQ(SavedPasswordCipher::Decode(""), "");
    // Lowercase digits are not part of the form: the password does not come back.
    std::string lower = hex;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(SavedPasswordCipher::Decode(lower), "password1234");
}
