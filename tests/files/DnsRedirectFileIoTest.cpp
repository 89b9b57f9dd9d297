#include "features/config/DnsRedirectFile.h"
#include "files/ScratchDirectory.h"

#include <gtest/gtest.h>

using morvix::test::ReadBytes;
using morvix::test::ScratchDirectory;
using morvix::test::WriteBytes;

TEST(DnsRedirectFileIo, EntriesGoThroughAFileAndGb18030NotesComeBack)
{
    ScratchDirectory scratch;
    DnsRedirectEntry entry;
    entry.Name = "a.com";
    entry.IP = "1.2.3.4";
    entry.Enable = 0;
    entry.Note = "x";
    std::string error;
    ASSERT_TRUE(WriteDnsRedirectFile(scratch / "dns.txt", {entry}, &error)) << error;
    EXPECT_EQ(ReadBytes(scratch / "dns.txt"), "refuse=/a.com/1.2.3.4" + std::string(39, ' ') + "#x\r\n");

    WriteBytes(scratch / "gb.txt", "address=/b.com/ #\xD6\xD0\xCE\xC4\r\n");  // the note "中文" in GB18030
    const auto read = ReadDnsRedirectFile(scratch / "gb.txt", &error);
    ASSERT_TRUE(read && read->entries.size() == 1);
    EXPECT_EQ(read->entries[0].Name, "b.com");
    EXPECT_EQ(read->entries[0].Note, "中文");
    EXPECT_FALSE(ReadDnsRedirectFile(scratch / "missing.txt", &error));
    EXPECT_FALSE(error.empty());
}
