#pragma once

#include <string_view>

// What the server's platform text of the login reply ("VersionExt", e.g. "Linux 64Bits") tells
// the views: which path forms its disk cache takes, and which memory limits apply.
struct ServerPlatform {
    bool windows = false;
    bool bits32 = false;
};

ServerPlatform ServerPlatformOf(std::string_view versionExt);
