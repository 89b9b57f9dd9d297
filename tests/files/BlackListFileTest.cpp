#include "features/access/BlackListFile.h"

#include <gtest/gtest.h>

TEST(BlackListFile, OneLinePerEntry)
{
    EXPECT_EQ(BlackListFileText({{0, "b1", "10.0.0.1", "10.0.0.9", "2030-01-01 00:00:00", "abc"}}).text,
              "10.0.0.1-10.0.0.9/2030-01-01 00:00:00/abc\r\n");
}

// Lines end in CR LF, LF alone (a version-control checkout) or a mix; a last line without an end
// counts too.
TEST(BlackListFile, ReadsWellFormedLinesWhateverTheirEnds)
{
    const BlackListFileRead read = ReadBlackListFile("10.0.0.1/2030-01-01 00:00:00/x\r\n"
                                                     "1.1.1.1-1.1.1.2/2030-01-01\n"
                                                     "/2030-01-01 00:00:00/empty range\r\n"
                                                     "2.2.2.1-2.2.2.9/2029-12-31 23:59:59/a/b\n"
                                                     "\r\n"
                                                     "3.3.3.1-3.3.3.9/2030-01-01 00:00:00/no line end");
    ASSERT_EQ(read.entries.size(), 3u);
    EXPECT_EQ(read.notes.unreadable.first, (std::vector<std::size_t>{2, 3})) << "the empty line is no entry to miss";
    EXPECT_EQ(read.entries[2].Note, "no line end");
    EXPECT_EQ(read.entries[0].Low, "10.0.0.1");
    EXPECT_EQ(read.entries[0].High, "10.0.0.1");
    EXPECT_EQ(read.entries[0].Note, "x");
    EXPECT_EQ(read.singleAddressRanges, std::vector<std::string>{"10.0.0.1"});
    EXPECT_EQ(read.entries[1].Low, "2.2.2.1");
    EXPECT_EQ(read.entries[1].High, "2.2.2.9");
    EXPECT_EQ(read.entries[1].Expire, "2029-12-31 23:59:59");
    EXPECT_EQ(read.entries[1].Note, "a/b");
}
