#include "ScratchDirectory.h"
#include "shell/AppPaths.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using morvix::test::ScopedEnvironment;
using morvix::test::ScratchDirectory;

namespace {

mode_t ModeOf(const std::filesystem::path& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST(AppPathsTest, ShippedDataSitsBesideTheProgram)
{
    const std::filesystem::path directory = AppPaths::ExecutableDirectory();
    EXPECT_TRUE(std::filesystem::exists(directory / "test_files"));
    EXPECT_EQ(AppPaths::ApplicationDataFile("String.ini"), directory / "Application" / "data" / "String.ini");
    EXPECT_EQ(AppPaths::ApplicationDataFile("/etc/morvix/String.ini"), "/etc/morvix/String.ini");
}

TEST(AppPathsTest, UserDataFollowsXdgDataHome)
{
    {
        ScopedEnvironment dataHome("XDG_DATA_HOME", "/srv/data");
        EXPECT_EQ(AppPaths::UserDataDirectory(), "/srv/data/morvix/MorvixAdmin");
        EXPECT_EQ(AppPaths::LoginHistoryDirectory(), "/srv/data/morvix/MorvixAdmin/LoginHistory");
    }
    ScopedEnvironment home("HOME", "/home/operator");
    for (const char* ignored : {static_cast<const char*>(nullptr), "", "relative/data"}) {
        ScopedEnvironment dataHome("XDG_DATA_HOME", ignored);
        EXPECT_EQ(AppPaths::UserDataDirectory(), "/home/operator/.local/share/morvix/MorvixAdmin");
    }
}

TEST(AppPathsTest, UserSettingsFollowXdgConfigHome)
{
    {
        ScopedEnvironment configHome("XDG_CONFIG_HOME", "/srv/config");
        EXPECT_EQ(AppPaths::UserConfigDirectory(), "/srv/config/morvix");
    }
    ScopedEnvironment home("HOME", "/home/operator");
    for (const char* ignored : {static_cast<const char*>(nullptr), "", "relative/config"}) {
        ScopedEnvironment configHome("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(AppPaths::UserConfigDirectory(), "/home/operator/.config/morvix");
    }
}

TEST(AppPathsTest, CreatesOwnerOnlyDirectories)
{
    ScratchDirectory dir;
    ScopedEnvironment dataHome("XDG_DATA_HOME", (dir / "missing" / "share").c_str());
    ASSERT_TRUE(AppPaths::CreateUserDataDirectories());
    EXPECT_TRUE(std::filesystem::is_directory(AppPaths::LoginHistoryDirectory()));
    for (const auto& created : {dir / "missing", dir / "missing" / "share", AppPaths::UserDataDirectory(),
                                AppPaths::LoginHistoryDirectory()})
        EXPECT_EQ(ModeOf(created), 0700u) << created;

    ::chmod(AppPaths::UserDataDirectory().c_str(), 0755);
    ::chmod(AppPaths::LoginHistoryDirectory().c_str(), 0777);
    ASSERT_TRUE(AppPaths::CreateUserDataDirectories()) << "existing directories are fine";
    EXPECT_EQ(ModeOf(AppPaths::UserDataDirectory()), 0700u);
    EXPECT_EQ(ModeOf(AppPaths::LoginHistoryDirectory()), 0700u);
}

}  // namespace
