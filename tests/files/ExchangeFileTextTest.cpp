#include "files/ScratchDirectory.h"
#include "shell/ExchangeFileText.h"

#include <gtest/gtest.h>

using namespace morvix::test;

namespace {

// "#规则 备注" in GB18030.
constexpr char kGb18030Note[] = "#\xB9\xE6\xD4\xF2 \xB1\xB8\xD7\xA2";
constexpr char kUtf8Note[] = "#规则 备注";

}  // namespace

TEST(ExchangeFileText, DecodesUtf8WithOrWithoutMarkAndFallsBackToGb18030)
{
    struct Case {
        std::string bytes;
        std::string text;
    } cases[] = {
        {kUtf8Note, kUtf8Note},
        {std::string("\xEF\xBB\xBF") + kUtf8Note, kUtf8Note},
        {kGb18030Note, kUtf8Note},
        {"plain ascii\r\n", "plain ascii\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExchangeFileText::Decode(c.bytes), c.text) << c.text;
    EXPECT_FALSE(ExchangeFileText::Decode("\xB9")) << "a GB18030 sequence cut short is no text";
}

TEST(ExchangeFileText, WritesTheTextAsIsAndReadsItBack)
{
    ScratchDirectory scratch;
    std::string text;
    ExchangeFileText::AppendLine(text, kUtf8Note);
    ExchangeFileText::AppendLine(text, "");
    ASSERT_TRUE(ExchangeFileText::Write(scratch / "rules.txt", text, nullptr));
    EXPECT_EQ(ReadBytes(scratch / "rules.txt"), std::string(kUtf8Note) + "\r\n\r\n") << "no byte-order mark";
    EXPECT_EQ(ExchangeFileText::Read(scratch / "rules.txt", nullptr), text);
}

TEST(ExchangeFileText, SaysWhyAFileCannotBeWrittenOrRead)
{
    ScratchDirectory scratch;
    std::string error;
    EXPECT_FALSE(ExchangeFileText::Write(scratch / "missing" / "rules.txt", "x", &error));
    EXPECT_NE(error.find("rules.txt"), std::string::npos);
    error.clear();
    EXPECT_FALSE(ExchangeFileText::Read(scratch / "absent.txt", &error));
    EXPECT_NE(error.find("absent.txt"), std::string::npos);
}

TEST(ExchangeFileText, RefusesAFileLargerThanTheBoundNamingItsSize)
{
    ScratchDirectory scratch;
    std::string error;
    WriteBytes(scratch / "large.txt", "x");
    std::filesystem::resize_file(scratch / "large.txt", ExchangeFileText::kMostBytes + 1);
    EXPECT_FALSE(ExchangeFileText::Read(scratch / "large.txt", &error));
    EXPECT_NE(error.find("16.0 MiB（16777217 字节）"), std::string::npos) << error;
}
