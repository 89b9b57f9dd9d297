#include "features/config/DnsRedirectFile.h"

#include <gtest/gtest.h>

namespace {

DnsRedirectEntry Entry(std::string name, std::string ip, int enable, std::string note, bool system = false)
{
    DnsRedirectEntry entry;
    entry.Name = std::move(name);
    entry.IP = std::move(ip);
    entry.Enable = enable;
    entry.Note = std::move(note);
    entry.IsSystem = system;
    return entry;
}

}  // namespace

TEST(DnsRedirectFile, WritesOneRuleALineWithNotesPaddedToSixtyColumns)
{
    const std::string text = FormatDnsRedirectLines({Entry("a.com", "1.2.3.4", 0, "x"), Entry("b.com", "", 1, ""),
                                                     Entry("built.in", "", 1, "", true)}).text;
    EXPECT_EQ(text, "refuse=/a.com/1.2.3.4" + std::string(60 - 21, ' ') + "#x\r\naddress=/b.com/\r\n");
    EXPECT_EQ(DnsRedirectFileName("2024-05-01"), "Morvix-DNS-2024-05-01.txt");
}

TEST(DnsRedirectFile, ReadsEachRuleLineAndSkipsTheRest)
{
    struct Case {
        const char* line;
        const char* name;
        const char* ip;
        int enable;
        const char* note;
    };
    const Case cases[] = {
        {"address=/b.com/", "b.com", "", 1, ""},
        {"refuse=/c.com/5.6.7.8  ", "c.com", "5.6.7.8", 0, ""},
        {"  address=/d.com/1.1.1.1/", "d.com", "1.1.1.1", 1, ""},
        {"address=/e.com/2.2.2.2/        #视频 站", "e.com", "2.2.2.2", 1, "视频 站"},
        {"address=/f.com/   #only a note", "f.com", "", 1, "only a note"},
        // A rule as wide as the padding meets its note without a blank: the address still counts.
        {"address=/g.com/3.3.3.3#n", "g.com", "3.3.3.3", 1, "n"},
        {"address=/h.com", "h.com", "", 1, ""},
    };
    for (const Case& each : cases) {
        const std::vector<DnsRedirectEntry> entries = ParseDnsRedirectLines(each.line);
        ASSERT_EQ(entries.size(), 1u) << each.line;
        EXPECT_EQ(entries[0].Name, each.name) << each.line;
        EXPECT_EQ(entries[0].IP, each.ip) << each.line;
        EXPECT_EQ(entries[0].Enable, each.enable) << each.line;
        EXPECT_EQ(entries[0].Note, each.note) << each.line;
        EXPECT_FALSE(entries[0].IsSystem);
    }
    EXPECT_TRUE(ParseDnsRedirectLines("# comment\r\naddress=//1.2.3.4\r\nserver=/x/\r\n\r\n").empty());
    EXPECT_EQ(ParseDnsRedirectLines("address=/a/\nrefuse=/b/\r\naddress=/c/").size(), 3u)
        << "lines end at LF too, so a file edited elsewhere is read whole";
}
