#include "shell/CMoxLineParse.h"
#include "shell/CZebLineParse.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

std::vector<std::string> AllLines(CZebLineParse& parser)
{
    std::vector<std::string> lines;
    std::string line;
    for (int count; (count = parser.ReadLine(line)) > 0;) {
        EXPECT_EQ(static_cast<std::size_t>(count), line.size());
        lines.push_back(line);
    }
    return lines;
}

TEST(CZebLineParseTest, RunsOfLineBreaksSeparateLines)
{
    CZebLineParse parser;
    std::string line;
    EXPECT_EQ(parser.ReadLine(line), -1) << "nothing loaded yet";
    EXPECT_EQ(parser.Load(""), 0);
    EXPECT_EQ(parser.ReadLine(line), -1);

    ASSERT_EQ(parser.Load("a\r\n\r\nb"), 1);
    EXPECT_EQ(AllLines(parser), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(parser.ReadLine(line), 0);
    EXPECT_EQ(parser.ReadLine(line), 0);

    ASSERT_EQ(parser.Load("\n\r\nfirst\rsecond\n\n"), 1);
    EXPECT_EQ(AllLines(parser), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(parser.Load(""), 0);
    EXPECT_EQ(parser.ReadLine(line), 0) << "an empty load keeps the text read before";
}

TEST(CZebLineParseTest, LongLinesComeInPiecesOf256Bytes)
{
    CZebLineParse parser;
    ASSERT_EQ(parser.Load(std::string(600, 'x') + "\r\n" + std::string(256, 'y') + "\nz"), 1);
    const std::vector<std::string> expected = {std::string(256, 'x'), std::string(256, 'x'), std::string(88, 'x'),
                                               std::string(256, 'y'), "z"};
    EXPECT_EQ(AllLines(parser), expected);
}

TEST(CZebLineParseTest, ReadsOnlyTheLoadedBytes)
{
    const std::string text("one\0two\r\nthree", 14);
    CZebLineParse parser;
    ASSERT_EQ(parser.Load(std::string_view(text).substr(0, 9)), 1);
    EXPECT_EQ(AllLines(parser), (std::vector<std::string>{std::string("one\0two", 7)}));
}

TEST(CMoxLineParseTest, IncompleteLinesWaitForTheirEnd)
{
    CMoxLineParse parser;
    EXPECT_FALSE(parser.NextLine());
    ASSERT_TRUE(parser.Append("ab"));
    EXPECT_FALSE(parser.NextLine());
    ASSERT_TRUE(parser.Append("c\r\nd"));
    EXPECT_EQ(parser.NextLine(), "abc");
    EXPECT_FALSE(parser.NextLine()) << "d waits for its CR LF";
    ASSERT_TRUE(parser.Append("\r"));
    EXPECT_FALSE(parser.NextLine());
    ASSERT_TRUE(parser.Append("\n\r\nlone\nfeed\r\n"));
    EXPECT_EQ(parser.NextLine(), "d");
    EXPECT_EQ(parser.NextLine(), "");
    EXPECT_EQ(parser.NextLine(), "lone\nfeed") << "only CR LF ends a line";
    EXPECT_FALSE(parser.NextLine());
}

TEST(CMoxLineParseTest, TakingAllCompleteLinesLeavesTheUnfinishedOne)
{
    // Each piece appended, then what one take hands out.
    const std::pair<const char*, const char*> steps[] = {
        {"ab", ""},
        {"c\r\nd", "abc\r\n"},
        {"\r", ""},
        {"\n\r\nlone\nfeed\r\ntail", "d\r\n\r\nlone\nfeed\r\n"},
        {"\r\n", "tail\r\n"},
    };
    CMoxLineParse parser;
    for (const auto& [piece, taken] : steps) {
        ASSERT_TRUE(parser.Append(piece));
        EXPECT_EQ(parser.TakeCompleteLines(), taken) << "after " << piece;
    }
    EXPECT_FALSE(parser.NextLine());
}

TEST(CMoxLineParseTest, GrowsForLongLinesAndReusesSpaceForShortOnes)
{
    CMoxLineParse parser;
    std::string longLine;
    for (int piece = 0; piece < 300; ++piece) {
        const std::string text(100, static_cast<char>('a' + piece % 26));
        longLine += text;
        ASSERT_TRUE(parser.Append(text));
        ASSERT_FALSE(parser.NextLine());
    }
    ASSERT_TRUE(parser.Append("\r\n"));
    EXPECT_EQ(parser.NextLine(), longLine);

    for (int i = 0; i < 10000; ++i) {
        ASSERT_TRUE(parser.Append("line " + std::to_string(i) + "\r\n"));
        ASSERT_EQ(parser.NextLine(), "line " + std::to_string(i));
    }
}

TEST(CMoxLineParseTest, AFailedGrowthLeavesTheBufferUnchanged)
{
    CMoxLineParse parser(4096);
    ASSERT_TRUE(parser.Append("kept\r\npartial"));
    EXPECT_FALSE(parser.Append(std::string(5000, 'x')));
    ASSERT_TRUE(parser.Append(" line\r\n"));
    EXPECT_EQ(parser.NextLine(), "kept");
    EXPECT_EQ(parser.NextLine(), "partial line");

    ASSERT_TRUE(parser.Append(std::string(4090, 'y')));
    EXPECT_FALSE(parser.Append(std::string(7, 'z'))) << "the limit counts unread bytes";
    ASSERT_TRUE(parser.Append("\r\n"));
    EXPECT_EQ(parser.NextLine(), std::string(4090, 'y'));
}

TEST(CMoxLineParseTest, OneThreadAppendsWhileAnotherTakesLines)
{
    constexpr int kLines = 20000;
    CMoxLineParse parser;
    std::vector<std::string> received;
    std::atomic<bool> writerDone{false};

    std::thread writer([&] {
        std::string stream;
        for (int i = 0; i < kLines; ++i)
            stream += "request " + std::to_string(i) + " GET /path/" + std::to_string(i * 7) + "\r\n";
        // Pieces of varying size, so lines and even CR LF pairs are split across appends.
        for (std::size_t pos = 0, size = 1; pos < stream.size(); pos += size, size = size % 97 + 1)
            EXPECT_TRUE(parser.Append(std::string_view(stream).substr(pos, size)));
        writerDone = true;
    });
    const bool complete = morvix::test::WaitUntil([&] {
        while (auto line = parser.NextLine())
            received.push_back(std::move(*line));
        return writerDone && received.size() >= kLines;
    });
    writer.join();

    ASSERT_TRUE(complete);
    ASSERT_EQ(received.size(), static_cast<std::size_t>(kLines));
    for (int i = 0; i < kLines; ++i)
        ASSERT_EQ(received[i], "request " + std::to_string(i) + " GET /path/" + std::to_string(i * 7));
}

}  // namespace
