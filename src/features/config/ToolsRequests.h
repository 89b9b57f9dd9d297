#pragma once

#include <string>

// The diagnostic tools. Each returns true when the request was handed to the transport.
bool ToolsManager_TestCache(const std::string& url);
bool ToolsManager_TestRegex(const std::string& regex);
bool ToolsManager_IpLook(const std::string& ip);
bool ToolsManager_CachedUrlList();
