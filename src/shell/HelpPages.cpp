#include "shell/HelpPages.h"

#include "protocol/PercentEncoding.h"
#include "shell/AppPaths.h"
#include "shell/CIniOptionFile.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MainNavigation.h"

namespace {

struct ViewPage {
    int commandId;
    std::string_view file;
};

constexpr ViewPage kViewPages[] = {
    {eView_Realtime, "realtime.html"},         {eView_AccessMonitor, "access-monitor.html"},
    {eView_HostMonitor, "host-monitor.html"},  {eView_CacheRules, "page-cache.html"},
    {eView_Rewrite, "rewrite.html"},           {eView_Security, "security.html"},
    {eView_DiskCache, "disk-cache.html"},      {eView_DnsRedirect, "dns.html"},
    {eView_Cluster, "cluster.html"},           {eView_CachedUrls, "cached-urls.html"},
    {eView_System, "system-setting.html"},     {eView_SystemToo, "system-setting.html"},
};

// Each segment percent-encoded, so that a prefix with spaces or Chinese names still makes one valid address.
std::string EncodePath(const std::filesystem::path& path)
{
    std::string encoded;
    for (const std::filesystem::path& segment : path.relative_path())
        encoded += "/" + nsMoxHttp::PercentEncode(segment.string());
    return encoded;
}

}  // namespace

const std::vector<std::string_view>& HelpPageFiles()
{
    static const std::vector<std::string_view> files = {
        "index.html",         "login.html",          "realtime.html",       "access-monitor.html",
        "host-monitor.html",  "page-cache.html",     "refuse-cache.html",   "session-cache.html",
        "clean-cache.html",   "rewrite.html",        "security.html",       "disk-cache.html",
        "dns.html",           "cluster.html",        "cached-urls.html",    "system-setting.html",
        "tools.html",         "password.html",       "alerts.html",
    };
    return files;
}

std::string HelpPageUrl(std::string_view file)
{
    // A page written in the interface's language where there is one, else the Chinese page.
    std::filesystem::path page = AppPaths::HelpDirectory() / file;
    if (InstalledInterfaceLanguage() == InterfaceLanguage::English) {
        std::error_code error;
        if (const auto english = AppPaths::HelpDirectory() / "en" / file; std::filesystem::is_regular_file(english, error))
            page = english;
    }
    return "file://" + EncodePath(page.lexically_normal());
}

std::string ViewHelpUrl(int commandId)
{
    for (const ViewPage& page : kViewPages)
        if (page.commandId == commandId)
            return HelpPageUrl(page.file);
    return ConsoleHelpUrl();
}

std::string ConsoleHelpUrl()
{
    return HelpPageUrl("index.html");
}

std::string PageCacheHelpUrl()
{
    return HelpPageUrl("page-cache.html");
}

std::string RefuseCacheHelpUrl()
{
    return HelpPageUrl("refuse-cache.html");
}

std::string SessionCacheHelpUrl()
{
    return HelpPageUrl("session-cache.html");
}

std::string CacheCleaningHelpUrl()
{
    return HelpPageUrl("clean-cache.html");
}

std::string RewriteHelpUrl()
{
    return HelpPageUrl("rewrite.html");
}

std::string ClusterHelpUrl()
{
    return HelpPageUrl("cluster.html");
}

std::string ToolsHelpUrl()
{
    return HelpPageUrl("tools.html");
}

std::string SystemSettingHelpUrl(const CIniOptionFile& options)
{
    const std::string configured = options.SystemSettingUrl();
    return configured.empty() ? HelpPageUrl("system-setting.html") : configured;
}
