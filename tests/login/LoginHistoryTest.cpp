#include "files/ScratchDirectory.h"
#include "shell/AppPaths.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/IniProfile.h"
#include "shell/LoginHistory.h"
#include "shell/SavedPasswordCipher.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <optional>
#include <sys/stat.h>

using morvix::test::ReadBytes;
using morvix::test::ScopedEnvironment;
using morvix::test::ScratchDirectory;
using morvix::test::WriteBytes;

namespace {

class LoginHistoryFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(AppPaths::CreateUserDataDirectories()); }

    static std::string Key(const std::filesystem::path& file, std::string_view key)
    {
        return IniProfile(file).ReadString("LoginHost", key, "(missing)", 512);
    }

    static mode_t ModeOf(const std::filesystem::path& file)
    {
        struct stat info {};
        EXPECT_EQ(::stat(file.c_str(), &info), 0) << file;
        return info.st_mode & 07777;
    }

    LoginHistoryRecord Office()
    {
        LoginHistoryRecord record;
        record.host = "10.0.0.5:6780";
        record.adminPassword = "Adm1n!23";
        record.saveAdmin = true;
        record.keeperPassword = "not kept";
        record.name = "北京机房";
        record.lastTime = 1700000000;
        return record;
    }

    ScratchDirectory scratch_;
    ScopedEnvironment dataHome_{"XDG_DATA_HOME", scratch_.Path().c_str()};
    LoginHistory history_;  // made after the data home is set
};

}  // namespace

TEST_F(LoginHistoryFiles, ARecordIsWrittenWithEveryKeyOwnerOnly)
{
    ASSERT_TRUE(history_.Save(Office()));
    const std::filesystem::path file = AppPaths::LoginHistoryDirectory() / "10.0.0.5&6780.ini";
    EXPECT_EQ(history_.FileOf("10.0.0.5:6780"), file);
    EXPECT_EQ(ModeOf(file), 0600u);

    EXPECT_EQ(Key(file, "host"), "10.0.0.5:6780");
    EXPECT_EQ(Key(file, "is_save_admin"), "1");
    EXPECT_EQ(Key(file, "is_save_keeper"), "0");
    EXPECT_EQ(Key(file, "name"), "北京机房");
    EXPECT_EQ(Key(file, "is_del"), "0");
    EXPECT_EQ(Key(file, "admin_passwd").size(), 32u);
    EXPECT_EQ(SavedPasswordCipher::Decode(Key(file, "admin_passwd")), "Adm1n!23");
    EXPECT_EQ(Key(file, "keeper_passwd"), "");
    EXPECT_EQ(Key(file, "last_time"), "1700000000");
    EXPECT_EQ(ReadBytes(file).find("Adm1n"), std::string::npos);

    const std::vector<LoginHistoryRecord> loaded = history_.Load();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].host, "10.0.0.5:6780");
    EXPECT_EQ(loaded[0].adminPassword, "Adm1n!23");
    EXPECT_TRUE(loaded[0].saveAdmin);
    EXPECT_EQ(loaded[0].keeperPassword, "");
    EXPECT_FALSE(loaded[0].saveKeeper);
    EXPECT_EQ(loaded[0].name, "北京机房");
    EXPECT_EQ(loaded[0].lastTime, 1700000000);
}

TEST_F(LoginHistoryFiles, AFileOthersCouldReadIsNarrowedBeforeAPasswordGoesIn)
{
    const std::filesystem::path file = history_.FileOf("10.0.0.5:6780");
    WriteBytes(file, "[LoginHost]\nhost=10.0.0.5:6780\n");
    ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
    ASSERT_TRUE(history_.Save(Office()));
    EXPECT_EQ(ModeOf(file), 0600u);

    ASSERT_TRUE(history_.Delete("10.0.0.5:81"));
    EXPECT_EQ(ModeOf(history_.FileOf("10.0.0.5:81")), 0600u);
}

TEST_F(LoginHistoryFiles, DeletedAndHostlessRecordsAreSkipped)
{
    LoginHistoryRecord second = Office();
    second.host = "cache.example:81";
    second.lastTime = 1800000000;
    ASSERT_TRUE(history_.Save(Office()));
    ASSERT_TRUE(history_.Save(second));
    WriteBytes(AppPaths::LoginHistoryDirectory() / "nohost.ini", "[LoginHost]\nname=x\n");
    WriteBytes(AppPaths::LoginHistoryDirectory() / "10.0.0.9&6780.ini",
               "[LoginHost]\nhost=10.0.0.9:6780\nis_del=1\n");
    WriteBytes(AppPaths::LoginHistoryDirectory() / "notes.txt", "[LoginHost]\nhost=10.0.0.7:1\n");

    std::vector<LoginHistoryRecord> loaded = history_.Load();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0].host, "cache.example:81");  // the latest login first
    EXPECT_EQ(loaded[1].host, "10.0.0.5:6780");

    ASSERT_TRUE(history_.Delete("cache.example:81"));
    EXPECT_EQ(Key(history_.FileOf("cache.example:81"), "is_del"), "1");
    loaded = history_.Load();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].host, "10.0.0.5:6780");
    EXPECT_FALSE(history_.Find("cache.example:81"));
}

TEST_F(LoginHistoryFiles, ASuccessfulLoginKeepsTheOtherRolesPassword)
{
    ASSERT_TRUE(history_.Save(Office()));
    ASSERT_TRUE(history_.SaveLogin(HostText{"10.0.0.5:6780", ""}, eMoxRole_Keeper, "watch me", true, 1750000000));
    std::optional<LoginHistoryRecord> record = history_.Find("10.0.0.5:6780");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->keeperPassword, "watch me");
    EXPECT_TRUE(record->saveKeeper);
    EXPECT_EQ(record->adminPassword, "Adm1n!23");
    EXPECT_TRUE(record->saveAdmin);
    EXPECT_EQ(record->name, "北京机房");
    EXPECT_EQ(record->lastTime, 1750000000);

    // Not remembering forgets what was kept for that role.
    ASSERT_TRUE(history_.SaveLogin(HostText{"10.0.0.5:6780", "上海"}, eMoxRole_Admin, "new", false, 1760000000));
    record = history_.Find("10.0.0.5:6780");
    ASSERT_TRUE(record);
    EXPECT_FALSE(record->saveAdmin);
    EXPECT_EQ(record->adminPassword, "");
    EXPECT_EQ(Key(history_.FileOf("10.0.0.5:6780"), "admin_passwd"), "");
    EXPECT_EQ(record->keeperPassword, "watch me");
    EXPECT_EQ(record->name, "上海");
}

TEST_F(LoginHistoryFiles, TheLegacyFileIsImportedOnce)
{
    const std::string adminHex = SavedPasswordCipher::Encode("old-admin");
    const std::string keeperHex = SavedPasswordCipher::Encode("old-keeper");
    WriteBytes(AppPaths::UserDataDirectory() / "LoginHistroy.xml",
               "<?xml version=\"1.0\"?>\n<History>\n"
               "  <User ip=\"10.1.1.1:6780\" AdminSavePasswd=\"1\" KeeperSavePasswd=\"1\" Name=\"旧机房\""
               " AdminPassword=\"" + adminHex + "\" KeeperPassword=\"" + keeperHex + "\"/>\n"
               "  <user ip=\"10.1.1.2:6780\" AdminSavePasswd=\"0\" KeeperSavePasswd=\"0\" Name=\"\"/>\n"
               "  <USER ip=\"../../escape:1\" AdminSavePasswd=\"0\"/>\n"
               "  <Other ip=\"10.1.1.3:6780\"/>\n"
               "</History>\n");

    std::vector<LoginHistoryRecord> loaded = history_.Load();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0].host, "10.1.1.1:6780");
    EXPECT_EQ(loaded[0].adminPassword, "old-admin");
    EXPECT_EQ(loaded[0].keeperPassword, "old-keeper");
    EXPECT_TRUE(loaded[0].saveAdmin && loaded[0].saveKeeper);
    EXPECT_EQ(loaded[0].name, "旧机房");
    EXPECT_EQ(loaded[1].host, "10.1.1.2:6780");
    EXPECT_FALSE(loaded[1].saveAdmin);
    EXPECT_EQ(ModeOf(history_.FileOf("10.1.1.1:6780")), 0600u);
    EXPECT_EQ(Key(history_.FileOf("10.1.1.1:6780"), "admin_passwd"), adminHex);
    EXPECT_FALSE(std::filesystem::exists(scratch_.Path() / "escape&1.ini"));
    EXPECT_FALSE(std::filesystem::exists(scratch_.Path() / "morvix" / "escape&1.ini"));

    // What the operator changes or deletes later is not undone by the old file.
    ASSERT_TRUE(history_.Delete("10.1.1.2:6780"));
    ASSERT_TRUE(history_.SaveLogin(HostText{"10.1.1.1:6780", ""}, eMoxRole_Admin, "newer", true, 1700000000));
    loaded = history_.Load();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].adminPassword, "newer");
    EXPECT_EQ(loaded[0].keeperPassword, "old-keeper");
}

TEST_F(LoginHistoryFiles, AnUnreadableLegacyFileIsIgnored)
{
    WriteBytes(AppPaths::UserDataDirectory() / "LoginHistroy.xml", "<History><User ip=\"10.1.1.1:1\"");
    ASSERT_TRUE(history_.Save(Office()));
    const std::vector<LoginHistoryRecord> loaded = history_.Load();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].host, "10.0.0.5:6780");
}

TEST_F(LoginHistoryFiles, HostsThatCannotNameAFileAreRefused)
{
    LoginHistoryRecord hostile = Office();
    hostile.host = "../x:1";
    EXPECT_FALSE(history_.Save(hostile));
    EXPECT_FALSE(history_.Delete("a/b:1"));
    EXPECT_TRUE(history_.Load().empty());

    // A label that would break the line is stored on one line.
    LoginHistoryRecord labelled = Office();
    labelled.name = "one\ntwo\r\nthree";
    ASSERT_TRUE(history_.Save(labelled));
    EXPECT_EQ(history_.Find(labelled.host)->name, "one two  three");
}

TEST_F(LoginHistoryFiles, ALegacyFileCutInsideAUtf8SequenceIsReadWithinItsBytes)
{
    // A lead byte that announces four bytes as the last byte of the file: a reader that skips the
    // whole sequence by its lead byte jumps over the end of its buffer.
    WriteBytes(AppPaths::UserDataDirectory() / "LoginHistroy.xml", "<?xml version=\"1.0\"?>\n<User b=\"\xF1");
    ASSERT_TRUE(history_.Save(Office()));
    const std::vector<LoginHistoryRecord> loaded = history_.Load();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].host, "10.0.0.5:6780");
}
