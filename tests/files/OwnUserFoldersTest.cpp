#include "support/RunShell.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace {

// A test that finds the operator's real home here would read and write the operator's files.
TEST(OwnUserFolders, HomeAndXdgFoldersAreFreshOwnerOnlyFoldersOfThisProcess)
{
    const char* home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    const std::filesystem::path root = std::filesystem::path(home).parent_path();
    EXPECT_EQ(root.parent_path(), std::filesystem::temp_directory_path());
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                                 "XDG_RUNTIME_DIR"}) {
        const char* value = std::getenv(variable);
        ASSERT_NE(value, nullptr) << variable;
        EXPECT_EQ(std::filesystem::path(value).parent_path(), root) << variable;
        struct stat info {};
        ASSERT_EQ(::stat(value, &info), 0) << variable;
        EXPECT_TRUE(S_ISDIR(info.st_mode)) << variable;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << variable;
    }

    std::string childHome;
    ASSERT_EQ(morvix::test::RunShell("printf %s \"$HOME\"", &childHome), 0);
    EXPECT_EQ(childHome, home) << "a program the test starts shares its folders";
}

}  // namespace
