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

std::string RefuseCacheHelpUrl()
{
    return std::string(kHelpBase) + "refuse-cache.htm";
}

std::string SessionCacheHelpUrl()
{
    return std::string(kHelpBase) + "session-cache.htm";
}

std::string CacheCleaningHelpUrl()
{
    return std::string(kHelpBase) + "clean-cache.htm";
}

std::string RewriteHelpUrl()
{
    return std::string(kHelpBase) + "rewrite.htm";
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
