#include "features/config/CachedUrlLines.h"
#include "features/config/ClusterSerial.h"
#include "features/config/ToolsResultTexts.h"
#include "shell/ProductText.h"

#include <gtest/gtest.h>

#include <regex>

TEST(ClusterSerial, ThirtyTwoDigitsWithTheThirdGroupInLowerCase)
{
    const std::array<std::uint8_t, 16> id = {0x3F, 0x25, 0x04, 0xE0, 0x4F, 0x89, 0xAB, 0xCD,
                                             0x9A, 0x0C, 0x03, 0x05, 0xE8, 0x2C, 0x33, 0x01};
    EXPECT_EQ(FormatClusterSerial(id), "3F2504E04F89abcd9A0C0305E82C3301");
    const std::string fresh = NewClusterSerial();
    EXPECT_TRUE(std::regex_match(fresh, std::regex("[0-9A-F]{12}4[0-9a-f]{3}[89AB][0-9A-F]{15}"))) << fresh;
    EXPECT_NE(fresh, NewClusterSerial());
}

TEST(ToolsResultTexts, CacheFlagsAndLocations)
{
    EXPECT_EQ(CacheFlagText(12), "测试结果: 此 Url 被拒绝缓存.");
    EXPECT_EQ(CacheFlagText(10), "测试结果: 此 Url 允许但还无被页面缓存.");
    EXPECT_EQ(CacheFlagText(9), "");
    EXPECT_EQ(CacheFlagText(15), "");
    EXPECT_EQ(IpLookupText("1.2.3.4", "NULL"), "1.2.3.4\n无此记录或IP地址格式错误");
    EXPECT_EQ(IpLookupText("1.2.3.4", ""), "1.2.3.4\n无此记录或IP地址格式错误");
    EXPECT_EQ(IpLookupText("1.2.3.4", "北京 电信"), "1.2.3.4\n北京 电信");
}

TEST(CachedUrlLines, CutsAtCrLfInBatchesAndSkipsEmptyLines)
{
    const std::string text = "http://a/1\r\n\r\nhttp://b/2\r\nhttp://c/3\nx\r\nlast";
    std::vector<CachedUrlSpan> spans;
    std::size_t at = CutCachedUrlLines(text, 0, 5, spans);
    ASSERT_EQ(spans.size(), 1u) << "a batch ends with the line under way";
    at = CutCachedUrlLines(text, at, text.size(), spans);
    EXPECT_EQ(at, text.size());
    std::vector<std::string> lines;
    for (const CachedUrlSpan& span : spans)
        lines.emplace_back(text.substr(span.offset, span.length));
    EXPECT_EQ(lines, (std::vector<std::string>{"http://a/1", "http://b/2", "http://c/3\nx", "last"}));
    spans.clear();
    EXPECT_EQ(CutCachedUrlLines("", 0, 10, spans), 0u);
    EXPECT_TRUE(spans.empty());
}

TEST(ProductText, OemBuildsNameTheCacheServer)
{
    EXPECT_EQ(ProductText("Morvix 服务器 IP 地址：", true), "缓存服务器 IP 地址：");
    EXPECT_EQ(ProductText("必填，注意：要求用户机能连接到 Morvix", true), "必填，注意：要求用户机能连接到缓存服务器");
    EXPECT_EQ(ProductText("劫持到 Morvix 上并完成", true), "劫持到缓存服务器上并完成");
    EXPECT_EQ(ProductText("劫持到 Morvix 上并完成", false), "劫持到 Morvix 上并完成");
}
