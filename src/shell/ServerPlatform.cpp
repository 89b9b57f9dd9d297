#include "shell/ServerPlatform.h"

ServerPlatform ServerPlatformOf(std::string_view versionExt)
{
    ServerPlatform platform;
    platform.windows = versionExt.find("Windows") != std::string_view::npos;
    // A text that merely starts with "32Bits" names no platform, so the search starts after it.
    platform.bits32 = versionExt.size() > 1 && versionExt.find("32Bits", 1) != std::string_view::npos;
    return platform;
}
