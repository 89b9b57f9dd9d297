#include "shell/HelpPages.h"

#include "shell/CIniOptionFile.h"

namespace {
constexpr char kHelpBase[] = "https://morvix.example/help/";
}

std::string ConsoleHelpUrl()
{
    return std::string(kHelpBase) + "index.htm";
}

std::string PageCacheHelpUrl()
{
    return std::string(kHelpBase) + "page-cache.htm";
}

std::string ClusterHelpUrl()
{
    return std::string(kHelpBase) + "cluster.htm";
}

std::string ToolsHelpUrl()
{
    return std::string(kHelpBase) + "tools.htm";
}

std::string SystemSettingHelpUrl(const CIniOptionFile& options)
{
    const std::string configured = options.SystemSettingUrl();
    return configured.empty() ? std::string(kHelpBase) + "system-setting.htm" : configured;
}
