#include "shell/Utf8Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8TextTest, CountsAndCutsByCharacters)
{
    const std::string text = "a中b😀c";  // 1 + 3 + 1 + 4 + 1 bytes
    EXPECT_EQ(Utf8Text::CountCharacters(text), 5u);
    EXPECT_EQ(Utf8Text::CutToCharacters(text, 2), "a中");
    EXPECT_EQ(Utf8Text::CutToCharacters(text, 4), "a中b😀");
    EXPECT_EQ(Utf8Text::CutToCharacters(text, 0), "");
    EXPECT_EQ(Utf8Text::CutToCharacters(text, 99), text);
}

TEST(Utf8TextTest, DamagedTextIsMeasuredPerByteAndNeverOverrun)
{
    const std::string truncated = "ab\xE4\xB8";  // the first two bytes of 中 at the very end
    EXPECT_EQ(Utf8Text::CountCharacters(truncated), 4u);
    EXPECT_EQ(Utf8Text::CutToCharacters(truncated, 3), "ab\xE4");
    EXPECT_FALSE(Utf8Text::IsValid(truncated));

    for (const std::string bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF", "\x80"})
        EXPECT_FALSE(Utf8Text::IsValid(bad)) << "overlong, surrogate, beyond U+10FFFF or stray bytes";
    EXPECT_TRUE(Utf8Text::IsValid("中文 \xF4\x8F\xBF\xBF"));
}

TEST(Utf8TextTest, SanitizeReplacesEachBadByte)
{
    EXPECT_EQ(Utf8Text::Sanitize("ok 中"), "ok 中");
    EXPECT_EQ(Utf8Text::Sanitize("a\xFF" "b\xE4\xB8"), "a\uFFFD" "b\uFFFD\uFFFD");
}

}  // namespace
