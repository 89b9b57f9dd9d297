#include "features/monitor/ClientFilter.h"
#include "features/monitor/InstantRequestRules.h"
#include "features/monitor/StreamReconnectDelay.h"
#include "files/ScratchDirectory.h"

#include <gtest/gtest.h>

namespace {

using morvix::test::ScratchDirectory;
using morvix::test::WriteBytes;
using std::chrono::milliseconds;

TEST(InstantRequestRules, EntriesWithoutNameOrUrlAreSkippedAndDefaultsApply)
{
    ScratchDirectory scratch;
    WriteBytes(scratch / "InstantRequest.ini",
               "[InstantRequest]\r\n"
               "request_name_1=one\r\nrequest_url_1=http://a/*\r\n"
               "request_name_2=two\r\nrequest_url_2=^/b$\r\nrequest_rules_2=1\r\nrequest_icase_2=0\r\n"
               "request_hit_cache_2=0\r\nrequest_user_agent_2=1\r\n"
               "request_name_3=three without url\r\n"
               "request_name_4=four\r\nrequest_url_4=http://d/\r\n"
               "request_url_5=no name\r\n"
               "request_name_26=beyond the last\r\nrequest_url_26=http://z/\r\n");
    const auto rules = LoadInstantRequestRules(scratch / "InstantRequest.ini");
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_EQ(rules[0].name, "one");
    EXPECT_EQ(rules[1].name, "two");
    EXPECT_EQ(rules[2].name, "four");
    EXPECT_TRUE(rules[0].icase && rules[0].hitCache && !rules[0].userAgent && rules[0].rules == 0);
    EXPECT_TRUE(!rules[1].icase && !rules[1].hitCache && rules[1].userAgent && rules[1].rules == 1);
    EXPECT_TRUE(LoadInstantRequestRules(scratch / "missing.ini").empty());
}

TEST(ClientFilter, TextsBecomeAddressRanges)
{
    struct Case {
        std::string text, low, high;
    };
    const Case cases[] = {{"", "", ""},
                          {"监控所有用户", "", ""},
                          {"默认监控所有用户", "", ""},
                          {"192.168.1.10-192.168.1.20", "192.168.1.10", "192.168.1.20"},
                          {" 10.0.0.1 - 10.0.0.9-x ", "10.0.0.1", "10.0.0.9-x"},
                          {"172.16.3.4", "172.16.3.4", "172.16.3.4"}};
    for (const Case& c : cases) {
        const ClientRange range = ParseClientFilter(c.text);
        EXPECT_EQ(range.low, c.low) << c.text;
        EXPECT_EQ(range.high, c.high) << c.text;
    }
}

TEST(ClientFilter, TheMemoryKeepsTheThreeNewestOwnFiltersAndTheLatest)
{
    ScratchDirectory scratch;
    ClientFilterMemory memory(scratch.Path(), "127.0.0.1:6780");
    EXPECT_EQ(memory.File(), scratch / "127.0.0.1.ini");
    for (const char* filter : {"1.1.1.1", "2.2.2.2", "10.0.0.0-10.255.255.255", "3.3.3.3", "4.4.4.4", "2.2.2.2"})
        ASSERT_TRUE(memory.Use(filter));
    EXPECT_EQ(memory.OwnFilters(), (std::vector<std::string>{"4.4.4.4", "3.3.3.3", "2.2.2.2"}));
    EXPECT_EQ(memory.Latest(), "2.2.2.2");
}

TEST(StreamReconnectDelay, WaitsGrowWhileNoLineArrivesAndADeliveredLineResetsThem)
{
    StreamReconnectDelay delay;
    EXPECT_EQ(delay.NextWait(), milliseconds(0));
    for (int expected : {500, 1000, 2000, 4000, 8000, 16000, 30000, 30000})
        EXPECT_EQ(delay.NextWait(), milliseconds(expected));
    delay.LineDelivered();
    EXPECT_EQ(delay.NextWait(), milliseconds(0));
    EXPECT_EQ(delay.NextWait(), milliseconds(500));
}

}  // namespace
