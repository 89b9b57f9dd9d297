#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// The console's own settings, Application/data/MorvixAdmin.ini beside the program: the last
// login and the switches set by whoever installs the console. Every read goes to the file, so a
// missing file or key gives the built-in default.
class CIniOptionFile {
public:
    enum class GuiSwitch {
        ShowWebAdmin,
        ShowHostMonitor,
        ShowDnsRedirect,
        ShowCacheRule,
        IsOem,
        ShowCluster,
        ShowTools,
        ShowCachedUrls,
    };

    void Init();
    void Init(std::filesystem::path file);

    const std::filesystem::path& Path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback,
                           std::size_t bufferCharacters) const;

    std::string ReadHost() const;
    std::string ReadPort() const;
    int ReadUser() const;  // the last role index
    bool WriteHost(std::string_view host) const;
    bool WriteUser(int role) const;

    bool IsGuiSwitchOn(GuiSwitch gui) const;
    std::string SystemSettingUrl() const;  // empty: the product's own help page
    int CacheHitsMinutes() const;          // 1..1000, else 10
    int HostMonitorSeconds() const;        // at least 3

private:
    int ReadDecimal(std::string_view section, std::string_view key, std::string_view fallback,
                    std::size_t bufferCharacters) const;

    std::filesystem::path path_;
};
