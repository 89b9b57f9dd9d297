// The value shapes the three exchanged files share, each written and read back: quotes and blanks
// at a value's ends, NULs, line ends, encodings decided line by line, and the targets an export
// may and may not replace.
#include "features/access/BlackListFile.h"
#include "features/cache/RulesFile.h"
#include "features/config/DnsRedirectFile.h"
#include "files/ScratchDirectory.h"
#include "shell/ExchangeFileText.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace morvix::test;
using namespace std::string_literals;

TEST(ExchangedValueShapes, RulesValuesWithQuotesBlanksAndNulsReadBackAsTheyWere)
{
    RuleSet rules;
    rules.rewrite.push_back({0, "", "\"^/a\"", "\"/x/*\"", 1, 0, "  two blanks each side  "});
    rules.scache.push_back({0, "", "/login", 1, 0, "\"\"", 60, "\""});
    rules.fcache.push_back({0, "", " /lead", 1, 0, 30, 2, 1, "before\0after"s, 0, 1});
    rules.rcache.push_back({0, "", "/r\"", 1, 0, "\ttab", 0, 0});
    const ExchangeFileText::Written file = RulesFileText(rules, eRulesBlock_All);
    EXPECT_EQ(file.flattenedValues, 1u) << "the NUL";
    EXPECT_EQ(file.text.find('\0'), std::string::npos);

    ExchangeFileText::ReadNotes notes;
    const RuleSet read = ReadRulesFile(file.text, eRulesBlock_All, &notes);
    EXPECT_FALSE(notes.Any());
    ASSERT_EQ(read.Size(), 4u);
    EXPECT_EQ(read.rewrite[0].SourceUrl, "\"^/a\"");
    EXPECT_EQ(read.rewrite[0].DestinationUrl, "\"/x/*\"");
    EXPECT_EQ(read.rewrite[0].Note, "  two blanks each side  ");
    EXPECT_EQ(read.scache[0].SetCookieSessionID, "\"\"");
    EXPECT_EQ(read.scache[0].Note, "\"");
    EXPECT_EQ(read.fcache[0].Url, " /lead");
    EXPECT_EQ(read.fcache[0].Note, "before after");
    EXPECT_EQ(read.rcache[0].Url, "/r\"");
    EXPECT_EQ(read.rcache[0].Note, "\ttab");
}

// What a second console may have put in a file: nothing after a NUL or a byte-order mark is lost.
TEST(ExchangedValueShapes, ANulOrAMarkInMidFileHidesNothingAfterIt)
{
    const std::string text = "[FCache]\r\nFCacheCount=1\r\nUrl_1=/a\r\nNote_1=x\0y\r\n"s
                              "\xEF\xBB\xBF[RCache]\r\nRCacheCount=1\r\nUrl_1=/r\r\n";
    const std::optional<std::string> decoded = ExchangeFileText::Decode(text);
    ASSERT_TRUE(decoded);
    ExchangeFileText::ReadNotes notes;
    const RuleSet read = ReadRulesFile(*decoded, eRulesBlock_All, &notes);
    ASSERT_EQ(read.fcache.size(), 1u);
    EXPECT_EQ(read.fcache[0].Note, "x y");
    ASSERT_EQ(read.rcache.size(), 1u) << "the section behind the mark";
    EXPECT_EQ(notes.changed.first, std::vector<std::size_t>{4});

    const BlackListFileRead black = ReadBlackListFile("1.1.1.1-1.1.1.2/2030-01-01 00:00:00/a\0b\n2.2.2.2-2.2.2.3/e/n\n"s);
    ASSERT_EQ(black.entries.size(), 2u);
    EXPECT_EQ(black.entries[0].Note, "a b");
    EXPECT_EQ(black.notes.changed.first, std::vector<std::size_t>{1});
}

TEST(ExchangedValueShapes, EachLineIsUtf8OrGb18030OnItsOwn)
{
    // "备注" in UTF-8, then in GB18030.
    const std::optional<std::string> mixed = ExchangeFileText::Decode("a/备注\r\nb/\xB1\xB8\xD7\xA2\r\n");
    EXPECT_EQ(mixed, "a/备注\r\nb/备注\r\n");
    std::size_t badLine = 0;
    EXPECT_FALSE(ExchangeFileText::Decode("fine\r\nfine\r\n\xB9\r\n", &badLine));
    EXPECT_EQ(badLine, 3u);
}

TEST(ExchangedValueShapes, DnsAddressesThatWouldReadBackOtherwiseAreLeftOutAndCounted)
{
    const struct {
        const char* ip;
        bool written;
    } cases[] = {{"1.2.3.4", true}, {"", true}, {"1.2.3.4#x", false}, {"1.2.3.4 ", false},
                 {"1.2.3.4/", false}, {"1.2 3", false}, {"a/b", true}};
    for (const auto& c : cases) {
        const DnsRedirectEntry entry{"a.com", c.ip, 0, 1, "note", 0, false};
        const ExchangeFileText::Written file = FormatDnsRedirectLines({entry});
        EXPECT_EQ(file.leftOutEntries, c.written ? 0u : 1u) << c.ip;
        if (c.written) {
            const std::vector<DnsRedirectEntry> read = ParseDnsRedirectLines(file.text);
            ASSERT_EQ(read.size(), 1u) << c.ip;
            EXPECT_EQ(read[0].IP, c.ip);
        }
    }
}

TEST(ExchangedValueShapes, AnExportReplacesOnlyARegularFileItMayWriteAndSaysWhyNot)
{
    ScratchDirectory scratch;
    std::string error;
    ASSERT_EQ(::mkfifo((scratch / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(ExchangeFileText::Write(scratch / "fifo", "x", &error));
    EXPECT_NE(error.find("不是普通文件"), std::string::npos) << error;

    std::filesystem::create_directory(scratch / "folder");
    EXPECT_FALSE(ExchangeFileText::Write(scratch / "folder", "x", &error));
    EXPECT_NE(error.find("directory"), std::string::npos) << error;

    const std::string longName(244, 'n');
    EXPECT_TRUE(ExchangeFileText::Write(scratch / longName, "whole", &error)) << error;
    EXPECT_EQ(ReadBytes(scratch / longName), "whole");

    const bool superuser = ::geteuid() == 0;
    if (!superuser) {  // the superuser may truncate anything
        WriteBytes(scratch / "read-only.txt", "kept");
        ::chmod((scratch / "read-only.txt").c_str(), 0444);
        EXPECT_FALSE(ExchangeFileText::Write(scratch / "read-only.txt", "x", &error));
        EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
        EXPECT_EQ(ReadBytes(scratch / "read-only.txt"), "kept");
    }
    // Replaced, another's file stays theirs: the superuser hands the new file over, anyone else
    // writes it in place.
    WriteBytes(scratch / "theirs.txt", "old");
    ASSERT_EQ(::chown((scratch / "theirs.txt").c_str(), superuser ? 65534 : ::geteuid(), superuser ? 65534 : ::getegid()), 0);
    struct stat before {}, after {};
    ::stat((scratch / "theirs.txt").c_str(), &before);
    EXPECT_TRUE(ExchangeFileText::Write(scratch / "theirs.txt", "new", &error)) << error;
    ::stat((scratch / "theirs.txt").c_str(), &after);
    EXPECT_EQ(std::tie(after.st_uid, after.st_gid), std::tie(before.st_uid, before.st_gid));
    EXPECT_EQ(ReadBytes(scratch / "theirs.txt"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.Path()), {}), superuser ? 4 : 5)
        << "no temporary file is left behind";
}

TEST(ExchangedValueShapes, AFileOrPipeThatCannotBeReadSaysWhyAndHoldsNothingUp)
{
    ScratchDirectory scratch;
    std::string error;
    EXPECT_FALSE(ExchangeFileText::Read(scratch.Path(), &error));
    EXPECT_NE(error.find("directory"), std::string::npos) << error;
    ASSERT_EQ(::mkfifo((scratch / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(ExchangeFileText::Read(scratch / "fifo", &error)) << "nobody ever writes to it";
    EXPECT_NE(error.find("没有送来数据"), std::string::npos) << error;
}
