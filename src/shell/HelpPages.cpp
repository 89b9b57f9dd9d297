#include "shell/HelpPages.h"

#include "shell/CIniOptionFile.h"

namespace {
constexpr char kHelpBase[] = "https://morvix.example/help/";
}

std::string PageCacheHelpUrl()
{
    return std::string(kHelpBase) + "page-cache.htm";
}

std::string SystemSettingHelpUrl(const CIniOptionFile& options)
{
    const std::string configured = options.SystemSettingUrl();
    return configured.empty() ? std::string(kHelpBase) + "system-setting.htm" : configured;
}
