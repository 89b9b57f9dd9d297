#include "ScratchDirectory.h"
#include "shell/AppPaths.h"
#include "shell/CIniOptionFile.h"

#include <gtest/gtest.h>

using morvix::test::ReadBytes;
using morvix::test::ScratchDirectory;
using morvix::test::WriteBytes;
using Gui = CIniOptionFile::GuiSwitch;

namespace {

class CIniOptionFileTest : public ::testing::Test {
protected:
    CIniOptionFileTest() { options.Init(file); }

    void WriteSetting(const std::string& section, const std::string& key, const std::string& value)
    {
        WriteBytes(file, "[" + section + "]\n" + key + "=" + value + "\n");
    }

    ScratchDirectory dir;
    std::filesystem::path file = dir / "MorvixAdmin.ini";
    CIniOptionFile options;
};

TEST_F(CIniOptionFileTest, WithoutAFileEverySettingIsItsDefault)
{
    EXPECT_EQ(options.ReadHost(), "127.0.0.1");
    EXPECT_EQ(options.ReadPort(), "6780");
    EXPECT_EQ(options.ReadUser(), 0);
    EXPECT_TRUE(options.IsGuiSwitchOn(Gui::ShowWebAdmin));
    EXPECT_FALSE(options.IsGuiSwitchOn(Gui::ShowHostMonitor));
    EXPECT_FALSE(options.IsGuiSwitchOn(Gui::ShowDnsRedirect));
    EXPECT_FALSE(options.IsGuiSwitchOn(Gui::ShowCacheRule));
    EXPECT_FALSE(options.IsGuiSwitchOn(Gui::IsOem));
    EXPECT_EQ(options.SystemSettingUrl(), "");
    EXPECT_EQ(options.CacheHitsMinutes(), 10);
    EXPECT_EQ(options.HostMonitorSeconds(), 3);
}

TEST_F(CIniOptionFileTest, InitPointsBesideTheProgram)
{
    CIniOptionFile shipped;
    shipped.Init();
    EXPECT_EQ(shipped.Path(), AppPaths::ExecutableDirectory() / "Application" / "data" / "MorvixAdmin.ini");
    EXPECT_TRUE(std::filesystem::exists(shipped.Path()));
}

TEST_F(CIniOptionFileTest, LoginWritesKeepTheInstallersSettings)
{
    WriteBytes(file, "[Login]\nport=8080\n\n[Gui]\nshow_cache_rule=1\n");
    ASSERT_TRUE(options.WriteHost("10.0.0.5"));
    ASSERT_TRUE(options.WriteUser(1));
    EXPECT_EQ(options.ReadHost(), "10.0.0.5");
    EXPECT_EQ(options.ReadUser(), 1);
    EXPECT_EQ(options.ReadPort(), "8080");
    EXPECT_TRUE(options.IsGuiSwitchOn(Gui::ShowCacheRule));
    EXPECT_EQ(ReadBytes(file), "[Login]\nport=8080\nhost=10.0.0.5\nuser=1\n\n[Gui]\nshow_cache_rule=1\n");
}

TEST_F(CIniOptionFileTest, ValuesAreCutToTheirBuffers)
{
    WriteSetting("Login", "host", std::string(100, 'h'));
    EXPECT_EQ(options.ReadHost(), std::string(63, 'h'));
    WriteSetting("Url", "system_setting", "http://help.invalid/" + std::string(300, 'p'));
    EXPECT_EQ(options.SystemSettingUrl().size(), 255u);
}

TEST_F(CIniOptionFileTest, NumbersFollowTheLeadingDigitsRule)
{
    const std::pair<std::string, int> users[] = {{"1", 1}, {"monitor", 0}, {"2x", 2}, {"", 0}};
    for (const auto& [text, role] : users) {
        WriteSetting("Login", "user", text);
        EXPECT_EQ(options.ReadUser(), role) << text;
    }
}

TEST_F(CIniOptionFileTest, GuiSwitchesAreTwoDigitNumbers)
{
    const std::pair<std::string, bool> switches[] = {{"1", true}, {"0", false}, {"2", true}, {"yes", false},
                                                     {"00", false}, {"001", false}, {"100", true}};
    for (const auto& [text, on] : switches) {
        WriteSetting("Gui", "show_host_monitor", text);
        EXPECT_EQ(options.IsGuiSwitchOn(Gui::ShowHostMonitor), on) << text;
    }
}

TEST_F(CIniOptionFileTest, PeriodsKeepToTheirRanges)
{
    const std::pair<std::string, int> hitWindows[] = {{"0", 10},   {"1", 1},  {"60", 60},  {"1000", 1000},
                                                      {"1001", 10}, {"-5", 10}, {"abc", 10}, {"25min", 25}};
    for (const auto& [text, minutes] : hitWindows) {
        WriteSetting("CacheHits", "timeval", text);
        EXPECT_EQ(options.CacheHitsMinutes(), minutes) << text;
    }
    const std::pair<std::string, int> hostPeriods[] = {{"2", 3}, {"3", 3}, {"4", 4}, {"-1", 3},
                                                       {"x", 3}, {"99", 99}, {"120", 12}};
    for (const auto& [text, seconds] : hostPeriods) {
        WriteSetting("HostMonitor", "timeval", text);
        EXPECT_EQ(options.HostMonitorSeconds(), seconds) << text;
    }
}

}  // namespace
