#include "features/config/DnsRedirectFile.h"
#include "files/ScratchDirectory.h"
#include "shell/ExchangeFileText.h"

#include <gtest/gtest.h>

using morvix::test::ReadBytes;
using morvix::test::ScratchDirectory;
using morvix::test::WriteBytes;

TEST(ExchangeFileText, WritesUtf8WithCrLfAndReadsUtf8OrGb18030)
{
    ScratchDirectory scratch;
    ASSERT_TRUE(WriteExchangeFile(scratch / "out.txt", "一\nb\r\nc\r"));
    EXPECT_EQ(ReadBytes(scratch / "out.txt"), "一\r\nb\r\nc\r\n");

    WriteBytes(scratch / "bom.txt", "\xEF\xBB\xBF" "address=/中.cn/");
    EXPECT_EQ(ReadExchangeFile(scratch / "bom.txt"), "address=/中.cn/");
    WriteBytes(scratch / "gb.txt", "#\xD6\xD0\xCE\xC4");  // "#中文" in GB18030
    EXPECT_EQ(ReadExchangeFile(scratch / "gb.txt"), "#中文");
    EXPECT_EQ(ReadExchangeFile(scratch / "missing.txt"), std::nullopt);
}

TEST(ExchangeFileText, RedirectEntriesGoThroughAFile)
{
    ScratchDirectory scratch;
    DnsRedirectEntry entry;
    entry.Name = "a.com";
    entry.IP = "1.2.3.4";
    entry.Enable = 0;
    entry.Note = "x";
    ASSERT_TRUE(WriteDnsRedirectFile(scratch / "dns.txt", {entry}));
    EXPECT_EQ(ReadBytes(scratch / "dns.txt"), "refuse=/a.com/1.2.3.4" + std::string(39, ' ') + "#x\r\n");
    const auto read = ReadDnsRedirectFile(scratch / "dns.txt");
    ASSERT_TRUE(read && read->size() == 1);
    EXPECT_EQ((*read)[0].IP, "1.2.3.4");
    EXPECT_EQ(ReadDnsRedirectFile(scratch / "missing.txt"), std::nullopt);
}
