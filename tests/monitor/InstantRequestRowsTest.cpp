#include "features/monitor/InstantRequestRows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Lines(std::size_t count, const std::string& stem = "line ")
{
    std::string text;
    for (std::size_t i = 1; i <= count; ++i)
        text += stem + std::to_string(i) + "\r\n";
    return text;
}

TEST(InstantRequestRows, AnUnfinishedLineWaitsForItsRest)
{
    InstantRequestRows rows;
    EXPECT_EQ(rows.Append("10.0.0.1 http://a/1\r\n10.0.0.2 http://").count, 1u);
    EXPECT_EQ(rows.Append("b/2\r").count, 0u);
    EXPECT_EQ(rows.Append("\n").count, 1u);
    ASSERT_EQ(rows.Size(), 2u);
    EXPECT_EQ(rows.Line(0), "10.0.0.1 http://a/1");
    EXPECT_EQ(rows.Line(1), "10.0.0.2 http://b/2");
}

TEST(InstantRequestRows, TheRowBeyondTheLimitEmptiesTheRowsAndNumberingRestarts)
{
    InstantRequestRows rows;
    rows.Append(Lines(InstantRequestRows::kMostRows));
    EXPECT_EQ(rows.Size(), InstantRequestRows::kMostRows);

    bool announced = false;
    const auto appended = rows.Append("row 120001\r\nnext\r\n", [&](const InstantRequestRows::Appended& coming) {
        announced = coming.emptied && coming.firstRow == 0 && coming.count == 1;
    });
    EXPECT_TRUE(announced);
    EXPECT_TRUE(appended.emptied);
    ASSERT_EQ(rows.Size(), 1u);
    EXPECT_EQ(rows.Line(0), "next");  // numbered 1 again
}

TEST(InstantRequestRows, FindGoesToTheNextRowHoldingTheTextIgnoringCaseAndWraps)
{
    InstantRequestRows rows;
    rows.Append("192.168.1.7 GET /a\r\n10.0.0.9 GET /B\r\n192.168.1.7 GET /c\r\n");
    struct Case {
        std::string needle;
        std::optional<std::size_t> after;
        std::optional<std::size_t> found;
    };
    const Case cases[] = {
        {"192.168.1.7", std::nullopt, 0}, {"192.168.1.7", 0, 2}, {"192.168.1.7", 2, 0},
        {"get /b", std::nullopt, 1},      {"/a10.0", std::nullopt, std::nullopt},  // never across two rows
        {"172.16", std::nullopt, std::nullopt}, {"", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rows.Find(c.needle, c.after), c.found) << c.needle;
}

}  // namespace
