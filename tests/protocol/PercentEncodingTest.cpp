#include "protocol/PercentEncoding.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string_view>

using namespace nsMoxHttp;
using namespace std::string_literals;

namespace {

bool PassesUnchanged(unsigned char byte)
{
    return (byte < 0x80 && std::isalnum(byte)) || std::string_view("-_.!~*'()").find(static_cast<char>(byte)) != std::string_view::npos;
}

// Only unreserved bytes and %XX escapes with upper-case digits: nothing that could end a field.
bool SafeInAFormBody(std::string_view encoded)
{
    for (std::size_t pos = 0; pos < encoded.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(encoded[pos]);
        if (PassesUnchanged(byte))
            continue;
        if (byte != '%' || pos + 2 >= encoded.size() || !std::isxdigit(encoded[pos + 1]) ||
            !std::isxdigit(encoded[pos + 2]) || std::islower(encoded[pos + 1]) || std::islower(encoded[pos + 2]))
            return false;
        pos += 2;
    }
    return true;
}

TEST(PercentEncodingTest, EncodesANoteAsTheServerExpects)
{
    EXPECT_EQ(PercentEncode("a b&c/中"), "a%20b%26c%2F%E4%B8%AD");
    EXPECT_EQ(PercentEncode("pass word&1+2=3"), "pass%20word%261%2B2%3D3");
    EXPECT_EQ(PercentEncode(""), "");
}

TEST(PercentEncodingTest, EveryByteFollowsTheRule)
{
    for (int value = 0; value < 256; ++value) {
        const auto byte = static_cast<unsigned char>(value);
        const std::string encoded = PercentEncode(std::string(1, static_cast<char>(byte)));
        if (PassesUnchanged(byte)) {
            EXPECT_EQ(encoded, std::string(1, static_cast<char>(byte))) << value;
        } else {
            char expected[4];
            std::snprintf(expected, sizeof expected, "%%%02X", value);
            EXPECT_EQ(encoded, expected) << value;
        }
        EXPECT_EQ(PercentDecode(encoded), std::string(1, static_cast<char>(byte))) << value;
    }
}

TEST(PercentEncodingTest, DecodesEscapesAndCopiesEverythingElse)
{
    EXPECT_EQ(PercentDecode("a%20b%26c%2F%E4%B8%AD"), "a b&c/中");
    EXPECT_EQ(PercentDecode("%e4%b8%ad"), "中") << "lower-case digits are hexadecimal too";
    EXPECT_EQ(PercentDecode("a+b"), "a+b") << "'+' is not a space here";
    EXPECT_EQ(PercentDecode("%00x"), "\0x"s);
    EXPECT_EQ(PercentDecode("100%zz ok"), "100%zz ok");
    EXPECT_EQ(PercentDecode("%4g%41"), "%4gA");
    EXPECT_EQ(PercentDecode("%%41"), "%A");
}

TEST(PercentEncodingTest, TruncatedEscapeEndsTheText)
{
    EXPECT_EQ(PercentDecode("note%"), "note");
    EXPECT_EQ(PercentDecode("note%4"), "note");
    EXPECT_EQ(PercentDecode("%E4%B8%A"), "\xE4\xB8");
    EXPECT_EQ(PercentDecode("%"), "");
}

TEST(PercentEncodingTest, EncodedTextRoundTrips)
{
    std::string everyByte;
    for (int value = 255; value >= 0; --value)
        everyByte += static_cast<char>(value);
    for (const std::string& text : {"Morvix 远程监控端 (备注) ~!*'"s, "%41 is not decoded twice"s, everyByte}) {
        const std::string encoded = PercentEncode(text);
        EXPECT_TRUE(SafeInAFormBody(encoded)) << encoded;
        EXPECT_EQ(PercentDecode(encoded), text);
    }
}

TEST(PercentEncodingTest, IdentifiersPassUnchangedUnlessTheyCouldForgeFields)
{
    EXPECT_EQ(EncodeIdentifier("2f9c-11_a.b!~*'()"), "2f9c-11_a.b!~*'()");
    EXPECT_EQ(EncodeIdentifier(""), "");
    EXPECT_EQ(EncodeIdentifier("42&SessionID=stolen"), "42%26SessionID%3Dstolen");
    EXPECT_EQ(EncodeIdentifier("a b"), "a%20b");
    EXPECT_EQ(EncodeIdentifier("%41"), "%2541");
}

}  // namespace

TEST(PercentEncodingTest, AddressesGoAsTypedUnlessTheyCouldForgeFields)
{
    EXPECT_EQ(EncodeAsTyped("1.2.3.4:7780"), "1.2.3.4:7780");
    EXPECT_EQ(EncodeAsTyped("[::1]:53/x@y"), "[::1]:53/x@y");
    EXPECT_EQ(EncodeAsTyped("1.2.3.4&Role=0"), "1.2.3.4%26Role%3D0");
    EXPECT_EQ(EncodeAsTyped("a b:1"), "a%20b%3A1") << "once encoded, the whole value is";
    EXPECT_EQ(EncodeAsTyped("主:1"), "%E4%B8%BB%3A1");
}
