#include "ScratchDirectory.h"
#include "shell/AppPaths.h"
#include "messaging/CMoxEndEvent.h"
#include "messaging/CMoxStartEvent.h"
#include "messaging/CThreadRegistry.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "shell/CIniOptionFile.h"
#include "support/EventRecorder.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <optional>
#include <sys/stat.h>

using morvix::test::ReadBytes;
using morvix::test::ScopedEnvironment;
using morvix::test::ScratchDirectory;
using morvix::test::WriteBytes;
using Gui = CIniOptionFile::GuiSwitch;

namespace {

class CIniOptionFileTest : public ::testing::Test {
protected:
    CIniOptionFileTest() { options.Init(shipped, file); }

    void WriteSetting(const std::string& section, const std::string& key, const std::string& value)
    {
        WriteBytes(file, "[" + section + "]\n" + key + "=" + value + "\n");
    }

    ScratchDirectory dir;
    std::filesystem::path shipped = dir / "shipped.ini";
    std::filesystem::path file = dir / "MorvixAdmin.ini";  // the operator's own
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

TEST_F(CIniOptionFileTest, InitReadsTheOperatorsFileOverTheOneBesideTheProgram)
{
    ScopedEnvironment configHome("XDG_CONFIG_HOME", (dir / "config").c_str());
    CIniOptionFile installed;
    installed.Init();
    EXPECT_EQ(installed.ShippedFile(), AppPaths::ExecutableDirectory() / "Application" / "data" / "MorvixAdmin.ini");
    EXPECT_TRUE(std::filesystem::exists(installed.ShippedFile()));
    EXPECT_EQ(installed.UserFile(), dir / "config" / "morvix" / "MorvixAdmin.ini");
}

TEST_F(CIniOptionFileTest, EachKeyComesFromTheOperatorsFileElseTheShippedOneAndWritesLeaveTheShippedAlone)
{
    struct Case {
        const char* name;
        std::optional<std::string> shippedText;
        std::optional<std::string> userText;
        bool userFolderWritable;
        const char* port;  // the values read after the operator logged in to 10.0.0.5
        bool cacheRules;
        bool webAdmin;
        const char* host;
    };
    const Case cases[] = {
        {"shipped only", "[Login]\nport=8080\n[Gui]\nshow_cache_rule=1\nshow_webadmin=0\n", std::nullopt, true,
         "8080", true, false, "10.0.0.5"},
        {"user only", std::nullopt, "[Gui]\nshow_cache_rule=1\n", true, "6780", true, true, "10.0.0.5"},
        {"both", "[Login]\nport=8080\nhost=10.9.9.9\n[Gui]\nshow_cache_rule=1\nshow_webadmin=0\n",
         "[Login]\nport=9090\n[Gui]\nshow_cache_rule=0\n", true, "9090", false, false, "10.0.0.5"},
        {"unwritable user folder", "[Login]\nhost=10.9.9.9\n[Gui]\nshow_cache_rule=1\n", std::nullopt, false,
         "6780", true, true, "10.9.9.9"},
    };
    // A failed write is said in the status bar: the events run, and their records are released.
    CThreadRegistry::Create();
    const CMoxStartEvent startHandler;
    const CMoxEndEvent endHandler;
    morvix::test::EventRecorder said(morvix::test::EventRecorder::Holding::TextsOnly);
    std::string failureText;

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDirectory scratch;
        const std::filesystem::path shippedFile = scratch / "share" / "MorvixAdmin.ini";
        std::filesystem::create_directories(shippedFile.parent_path());
        // A plain file where the configuration folder should be stops every write, also for root.
        if (!c.userFolderWritable)
            WriteBytes(scratch / "config", "");
        const std::filesystem::path userFile = scratch / "config" / "morvix" / "MorvixAdmin.ini";
        if (c.shippedText)
            WriteBytes(shippedFile, *c.shippedText);
        if (c.userText) {
            std::filesystem::create_directories(userFile.parent_path());
            WriteBytes(userFile, *c.userText);
        }
        CIniOptionFile layered;
        layered.Init(shippedFile, userFile);

        if (!c.userFolderWritable)
            failureText = "设置未能保存：无法写入" + userFile.string();
        EXPECT_EQ(layered.WriteHost("10.0.0.5"), c.userFolderWritable);
        EXPECT_EQ(layered.WriteUser(1), c.userFolderWritable);
        EXPECT_EQ(layered.ReadPort(), c.port);
        EXPECT_EQ(layered.IsGuiSwitchOn(Gui::ShowCacheRule), c.cacheRules);
        EXPECT_EQ(layered.IsGuiSwitchOn(Gui::ShowWebAdmin), c.webAdmin);
        EXPECT_EQ(layered.ReadHost(), c.host);
        EXPECT_EQ(layered.ReadUser(), c.userFolderWritable ? 1 : 0);
        if (c.shippedText)
            EXPECT_EQ(ReadBytes(shippedFile), *c.shippedText);
        else
            EXPECT_FALSE(std::filesystem::exists(shippedFile));
        if (c.userFolderWritable && !c.userText) {
            struct stat info {};
            ASSERT_EQ(::stat(userFile.parent_path().c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & 07777, 0700u) << "the folder made for the settings is the operator's alone";
        }
    }
    // Texts arrive in posting order: once the marker is in, a second report would be too.
    ASSERT_TRUE(GlobalFunc_UpdateStatusBar("marker"));
    ASSERT_TRUE(said.WaitForStatusText("marker"));
    EXPECT_EQ(said.StatusTexts(), (std::vector<std::string>{failureText, "marker"}))
        << "two failed writes, one report";
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
