#pragma once

#include <string>
#include <string_view>
#include <vector>

class CIniOptionFile;

// The help pages shipped with the console, one per view, opened in the browser as local files.

// The file names of every shipped page, the console's overview first.
const std::vector<std::string_view>& HelpPageFiles();

// The file:// address of a page in the help directory.
std::string HelpPageUrl(std::string_view file);

// The page of a main-window view (a MainCommand); the overview for an id without a view.
std::string ViewHelpUrl(int commandId);

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
