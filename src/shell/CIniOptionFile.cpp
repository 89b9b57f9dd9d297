#include "shell/CIniOptionFile.h"

#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "shell/AppPaths.h"
#include "shell/IniProfile.h"
#include "shell/LeadingDecimal.h"

#include <string>
#include "shell/MoxText.h"

namespace {

struct GuiSwitchKey {
    std::string_view key;
    std::string_view fallback;
};

// Indexed by CIniOptionFile::GuiSwitch. Switches are three-character buffers: two digits at most.
constexpr GuiSwitchKey kGuiSwitchKeys[] = {
    {"show_webadmin", "1"},   {"show_host_monitor", "0"}, {"show_dns_redirect", "0"},
    {"show_cache_rule", "0"}, {"is_oem", "0"},         {"show_cluster", "0"},
    {"show_tools", "0"},      {"show_cache_list", "0"},
};
constexpr std::size_t kGuiSwitchBuffer = 3;

constexpr int kDefaultCacheHitsMinutes = 10;
constexpr int kMaxCacheHitsMinutes = 1000;
constexpr int kMinHostMonitorSeconds = 3;

}  // namespace

void CIniOptionFile::Init()
{
    Init(AppPaths::ApplicationDataFile("MorvixAdmin.ini"), AppPaths::UserConfigDirectory() / "MorvixAdmin.ini");
}

void CIniOptionFile::Init(std::filesystem::path shippedFile, std::filesystem::path userFile)
{
    shippedFile_ = std::move(shippedFile);
    userFile_ = std::move(userFile);
    writeFailureSaid_ = false;
}

std::string CIniOptionFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback,
                                       std::size_t bufferCharacters) const
{
    return IniProfile(userFile_, shippedFile_).ReadString(section, key, fallback, bufferCharacters);
}

bool CIniOptionFile::Write(std::string_view section, std::string_view key, std::string_view value) const
{
    if (IniProfile(userFile_, shippedFile_).WriteString(section, key, value))
        return true;
    if (!writeFailureSaid_) {
        writeFailureSaid_ = true;
        GlobalFunc_UpdateStatusBar(MoxText::tr("设置未能保存：无法写入") + userFile_.string());
    }
    return false;
}

int CIniOptionFile::ReadDecimal(std::string_view section, std::string_view key, std::string_view fallback,
                                std::size_t bufferCharacters) const
{
    return LeadingDecimalInt(ReadString(section, key, fallback, bufferCharacters));
}

std::string CIniOptionFile::ReadHost() const
{
    return ReadString("Login", "host", "127.0.0.1", 64);
}

std::string CIniOptionFile::ReadPort() const
{
    return ReadString("Login", "port", "6780", 127);
}

int CIniOptionFile::ReadUser() const
{
    return ReadDecimal("Login", "user", "0", 20);
}

bool CIniOptionFile::WriteHost(std::string_view host) const
{
    return Write("Login", "host", host);
}

bool CIniOptionFile::WriteUser(int role) const
{
    return Write("Login", "user", std::to_string(role));
}

bool CIniOptionFile::IsGuiSwitchOn(GuiSwitch gui) const
{
    const GuiSwitchKey& entry = kGuiSwitchKeys[static_cast<std::size_t>(gui)];
    return ReadDecimal("Gui", entry.key, entry.fallback, kGuiSwitchBuffer) != 0;
}

std::string CIniOptionFile::SystemSettingUrl() const
{
    return ReadString("Url", "system_setting", "", 256);
}

int CIniOptionFile::CacheHitsMinutes() const
{
    const int minutes = ReadDecimal("CacheHits", "timeval", "10", 64);
    return minutes >= 1 && minutes <= kMaxCacheHitsMinutes ? minutes : kDefaultCacheHitsMinutes;
}

int CIniOptionFile::HostMonitorSeconds() const
{
    const int seconds = ReadDecimal("HostMonitor", "timeval", "3", 3);
    return seconds > kMinHostMonitorSeconds ? seconds : kMinHostMonitorSeconds;
}
