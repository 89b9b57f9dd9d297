#include "features/monitor/RealtimeReportParse.h"
#include "features/monitor/RealtimeReplyReader.h"

#include <gtest/gtest.h>
#include <json/json.h>

namespace {

TEST(ParseRealtimeReport, SkipsTheHeaderAndSplitsAtRunsOfBlanks)
{
    const std::vector<RealtimeStatRow> rows = ParseRealtimeReport(
        "省份    总请求量TR    独立访问IP量    人均请求数量    流量百分比\r\n"
        "广东          12345       678     18.21      12.50%\r\n"
        "北京\t\t200\t10\t20.00\t1.00%\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Name, "广东");
    EXPECT_EQ(rows[0].TotalRequests, 12345);
    EXPECT_EQ(rows[0].DistinctAddresses, 678);
    EXPECT_EQ(rows[0].RequestsPerAddress, "18.21");
    EXPECT_EQ(rows[0].TrafficShare, "12.50%");
    EXPECT_EQ(rows[1].Name, "北京");
    EXPECT_EQ(rows[1].TrafficShare, "1.00%");
}

TEST(ParseRealtimeReport, DropsShortLinesAndCutsOverlongFields)
{
    const std::string longName(200, 'x');
    const std::vector<RealtimeStatRow> rows = ParseRealtimeReport("header\r\n"
                                                                  "上海 1 2 3\r\n"
                                                                  "\r\n" +
                                                                  longName + " 1 2 1234567890123456789 0.5%");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Name.size(), RealtimeStatRow::kNameLimit);
    EXPECT_EQ(rows[0].RequestsPerAddress, "123456789012345");
}

TEST(ParseRealtimeReport, HeaderAloneOrNothingGivesNoRows)
{
    EXPECT_TRUE(ParseRealtimeReport("").empty());
    EXPECT_TRUE(ParseRealtimeReport("广东 1 2 3 4").empty());
}

Json::Value Parse(const std::string& text)
{
    Json::Value root;
    Json::Reader().parse(text, root);
    return root;
}

TEST(ReadRealtimeInfo, MissingKeysKeepTheirValuesButTheClockBecomesZero)
{
    RealtimeInfo info;
    info.TotalSendKB = 111;
    info.NumOfCaches = 5;
    info.CurrentTickCount = 999;
    info.StartTime = "2012-07-16 13:14:34";
    ReadRealtimeInfo(Parse(R"({"Return":"True","TotalSendKB":"5000000000","NumOfCaches":7})"), info);
    EXPECT_EQ(info.TotalSendKB, 5000000000LL);
    EXPECT_EQ(info.NumOfCaches, 5);  // not a string: ignored
    EXPECT_EQ(info.CurrentTickCount, 0);
    EXPECT_EQ(info.StartTime, "2012-07-16 13:14:34");
}

TEST(ReadRealtimeInfo, ReadsTimesCutToThirtyCharacters)
{
    RealtimeInfo info;
    ReadRealtimeInfo(Parse(R"({"CurrentTickCount":"86400123","CurrentTime":"2024-05-01 10:00:00 and far too much more"})"),
                     info);
    EXPECT_EQ(info.CurrentTickCount, 86400123);
    EXPECT_EQ(info.CurrentTime, "2024-05-01 10:00:00 and far to");
}

}  // namespace
