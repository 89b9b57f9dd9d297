#pragma once

#include <string>

class CIniOptionFile;

// The maker's help pages that the views open in the browser.
std::string ConsoleHelpUrl();
std::string PageCacheHelpUrl();
std::string RefuseCacheHelpUrl();
std::string SessionCacheHelpUrl();
std::string CacheCleaningHelpUrl();
std::string RewriteHelpUrl();
std::string ClusterHelpUrl();
std::string ToolsHelpUrl();
// The installer may point the system-settings help elsewhere through the options file.
std::string SystemSettingHelpUrl(const CIniOptionFile& options);
