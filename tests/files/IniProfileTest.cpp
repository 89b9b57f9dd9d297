#include "ScratchDirectory.h"
#include "shell/IniProfile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using morvix::test::ReadBytes;
using morvix::test::ScratchDirectory;
using morvix::test::WriteBytes;

using namespace std::string_literals;

namespace {

constexpr std::size_t kWide = 1024;

class IniProfileTest : public ::testing::Test {
protected:
    ScratchDirectory dir;
    std::filesystem::path file = dir / "settings.ini";
    IniProfile profile{file};
};

TEST_F(IniProfileTest, FilesWithoutTheKeyGiveTheDefaultAndAreNotTouched)
{
    EXPECT_EQ(profile.ReadString("Login", "host", "127.0.0.1", kWide), "127.0.0.1");
    EXPECT_FALSE(std::filesystem::exists(file)) << "a read must not create the file";

    WriteBytes(file, "");
    EXPECT_EQ(profile.ReadString("Login", "host", "127.0.0.1", kWide), "127.0.0.1");

    const std::string garbage = "\x7f" "ELF\x02\x01\x00\x00[Lo\xff\xfe gin\n\x00\x01=\r\r\n]]]==\n\xc3"s;
    WriteBytes(file, garbage);
    EXPECT_EQ(profile.ReadString("Login", "host", "127.0.0.1", kWide), "127.0.0.1");
    EXPECT_EQ(ReadBytes(file), garbage);

    WriteBytes(file, "[Login]\nport=6780\n");
    EXPECT_EQ(profile.ReadString("Login", "host", "127.0.0.1", kWide), "127.0.0.1");
    EXPECT_EQ(profile.ReadString("Gui", "port", "none", kWide), "none") << "keys belong to their section";
}

TEST_F(IniProfileTest, PathThatCannotBeReadGivesDefaultsAndIsNotReplaced)
{
    std::filesystem::create_directory(file);
    EXPECT_EQ(profile.ReadString("Login", "host", "127.0.0.1", kWide), "127.0.0.1");
    EXPECT_FALSE(profile.WriteString("Login", "host", "10.0.0.1"));
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(IniProfileTest, UnreadableFileGivesDefaultsAndIsNotReplacedByAWrite)
{
    WriteBytes(file, "[Login]\nhost=10.0.0.9\n");
    ::chmod(file.c_str(), 0);
    if (::access(file.c_str(), R_OK) == 0)
        GTEST_SKIP() << "running with privileges that read any file";

    EXPECT_EQ(profile.ReadString("Login", "host", "127.0.0.1", kWide), "127.0.0.1");
    EXPECT_FALSE(profile.WriteString("Login", "user", "1"));
    ::chmod(file.c_str(), 0600);
    EXPECT_EQ(ReadBytes(file), "[Login]\nhost=10.0.0.9\n");
}

TEST_F(IniProfileTest, SectionAndKeyNamesIgnoreCase)
{
    WriteBytes(file, "[LOGIN]\nHoSt=10.0.0.5\n");
    EXPECT_EQ(profile.ReadString("login", "HOST", "", kWide), "10.0.0.5");

    ASSERT_TRUE(profile.WriteString("Login", "host", "10.0.0.6"));
    EXPECT_EQ(ReadBytes(file), "[LOGIN]\nHoSt=10.0.0.6\n") << "the existing line is rewritten, not duplicated";
}

TEST_F(IniProfileTest, ValuesWithSpacesAndChineseRoundTrip)
{
    const std::string values[] = {"远程 监控端 1", "a  b", "  leading and trailing  ", "\"quoted\"", "\"", "x=y;#z", ""};
    for (const std::string& value : values) {
        ASSERT_TRUE(profile.WriteString("Morvix", "name", value)) << value;
        EXPECT_EQ(profile.ReadString("Morvix", "name", "default", kWide), value);
    }

    WriteBytes(file, "[Morvix]\nname =   Morvix 远程监控端   \n");
    EXPECT_EQ(profile.ReadString("Morvix", "name", "", kWide), "Morvix 远程监控端") << "blanks around a value are not part of it";
}

TEST_F(IniProfileTest, WritesKeepEverythingElseByteForByte)
{
    WriteBytes(file, "; settings\r\n\r\n[Login]\r\nhost = 10.0.0.1\r\nnot a key line\r\nport=6780\r\n\r\n"
                     "; gui switches\r\n[Gui]\r\nshow_webadmin=1\r\n; trailing comment\r\n");

    ASSERT_TRUE(profile.WriteString("Login", "HOST", "10.0.0.5"));
    ASSERT_TRUE(profile.WriteString("Login", "user", "1"));
    ASSERT_TRUE(profile.WriteString("Url", "system_setting", "http://help.invalid/x"));
    ASSERT_TRUE(profile.WriteString("gui", "is_oem", "1"));

    EXPECT_EQ(ReadBytes(file), "; settings\r\n\r\n[Login]\r\nhost = 10.0.0.5\r\nnot a key line\r\nport=6780\r\nuser=1\r\n\r\n"
                               "; gui switches\r\n[Gui]\r\nshow_webadmin=1\r\nis_oem=1\r\n; trailing comment\r\n"
                               "\r\n[Url]\r\nsystem_setting=http://help.invalid/x\r\n");
    EXPECT_EQ(profile.ReadString("Gui", "is_oem", "0", kWide), "1");
}

TEST_F(IniProfileTest, WriteCreatesTheFileAndAddsToAnUnterminatedLastLine)
{
    ASSERT_TRUE(profile.WriteStrings("LoginHost", {{"host", "10.0.0.5:6780"}, {"is_del", "0"}}));
    EXPECT_EQ(ReadBytes(file), "[LoginHost]\nhost=10.0.0.5:6780\nis_del=0\n");

    WriteBytes(file, "[A]\nx=1");
    ASSERT_TRUE(profile.WriteString("A", "y", "2"));
    ASSERT_TRUE(profile.WriteString("B", "z", "3"));
    EXPECT_EQ(ReadBytes(file), "[A]\nx=1\ny=2\n\n[B]\nz=3\n");
}

TEST_F(IniProfileTest, DuplicateKeysReadAndWriteTheSameLine)
{
    WriteBytes(file, "[A]\nk=first\n[B]\nk=other\n[a]\nK=second\n");
    EXPECT_EQ(profile.ReadString("A", "k", "", kWide), "second");
    ASSERT_TRUE(profile.WriteString("A", "k", "third"));
    EXPECT_EQ(ReadBytes(file), "[A]\nk=first\n[B]\nk=other\n[a]\nK=third\n");
    EXPECT_EQ(profile.ReadString("B", "k", "", kWide), "other");
}

TEST_F(IniProfileTest, RefusesWritesThatWouldBreakTheLayout)
{
    WriteBytes(file, "[Login]\nhost=10.0.0.1\n");
    EXPECT_FALSE(profile.WriteString("Login", "host", "x\n[Gui]\nshow_webadmin=0")) << "a value must not inject lines";
    EXPECT_FALSE(profile.WriteString("Login", "host", "x\ry"));
    EXPECT_FALSE(profile.WriteString("Login", "ho=st", "x"));
    EXPECT_FALSE(profile.WriteString("Log]in", "host", "x"));
    EXPECT_FALSE(profile.WriteString("", "host", "x"));
    EXPECT_FALSE(profile.WriteString("Login", "", "x"));
    EXPECT_FALSE(profile.WriteString("Login", "host", "a\0b"s));
    EXPECT_EQ(ReadBytes(file), "[Login]\nhost=10.0.0.1\n");

    // A stray NUL hides the rest of the file from the reader; the new key would be lost there.
    const std::string hidden = "[Login]\nhost=1\n\0[Gui]\n"s;
    WriteBytes(file, hidden);
    EXPECT_FALSE(profile.WriteString("Gui", "is_oem", "1"));
    EXPECT_EQ(ReadBytes(file), hidden);

    EXPECT_FALSE(IniProfile(dir / "missing-dir" / "x.ini").WriteString("A", "b", "c"));
}

TEST_F(IniProfileTest, ReadsAreCutToOneCharacterLessThanTheBuffer)
{
    WriteBytes(file, "[Morvix]\nname=中文字符测试\nmixed=a中b\n");
    EXPECT_EQ(profile.ReadString("Morvix", "name", "", 4), "中文字");
    EXPECT_EQ(profile.ReadString("Morvix", "mixed", "", 3), "a中");
    EXPECT_EQ(profile.ReadString("Morvix", "name", "", 1), "");
    EXPECT_EQ(profile.ReadString("Morvix", "name", "", 0), "");
    EXPECT_EQ(profile.ReadString("Morvix", "absent", "默认值很长", 3), "默认") << "the default is cut the same way";
}

TEST_F(IniProfileTest, WriteIsAtomicAndKeepsThePermissions)
{
    WriteBytes(file, "[LoginHost]\nadmin_passwd=\n");
    ::chmod(file.c_str(), 0600);
    const std::filesystem::path link = dir / "link.ini";
    std::filesystem::create_symlink(file, link);

    ASSERT_TRUE(IniProfile(link).WriteString("LoginHost", "admin_passwd", "A1B2"));

    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_TRUE(std::filesystem::is_symlink(link)) << "the link keeps pointing at the file";
    EXPECT_EQ(ReadBytes(file), "[LoginHost]\nadmin_passwd=A1B2\n");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 2u) << "no temporary file is left behind";
}

TEST_F(IniProfileTest, ConcurrentWritersKeepEachOthersKeys)
{
    const auto key = [](char prefix, int i) { return std::string(1, prefix).append(std::to_string(i)); };
    const auto writeKeys = [this, key](char prefix) {
        for (int i = 0; i < 25; ++i)
            ASSERT_TRUE(profile.WriteString("Keys", key(prefix, i), std::to_string(i)));
    };
    std::thread first(writeKeys, 'a');
    std::thread second(writeKeys, 'b');
    first.join();
    second.join();
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(profile.ReadString("Keys", key('a', i), "", kWide), std::to_string(i));
        EXPECT_EQ(profile.ReadString("Keys", key('b', i), "", kWide), std::to_string(i));
    }
}

}  // namespace
