#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// The console's own settings: the last login and the switches set by whoever installs the console.
// The shipped Application/data/MorvixAdmin.ini holds the defaults and is never written; what the
// operator's runs write goes to MorvixAdmin.ini in the user's configuration directory, read key by
// key over the shipped file. Every read goes to the files, so a missing file or key gives the
// built-in default.
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
    void Init(std::filesystem::path shippedFile, std::filesystem::path userFile);

    const std::filesystem::path& ShippedFile() const { return shippedFile_; }
    const std::filesystem::path& UserFile() const { return userFile_; }

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
    // The first write that fails is said in the status bar; the operator needs to hear it once.
    bool Write(std::string_view section, std::string_view key, std::string_view value) const;

    std::filesystem::path shippedFile_;
    std::filesystem::path userFile_;
    mutable bool writeFailureSaid_ = false;
};
