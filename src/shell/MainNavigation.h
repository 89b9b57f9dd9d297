#pragma once

#include "shell/CIniOptionFile.h"

#include <vector>

// The main window's navigation list and toolbar, filtered by the "Gui" switches of the options file.

enum MainCommand : int {
    eCmd_Login = 200,
    eCmd_WebAdmin = 201,
    eCmd_ChangePassword = 202,
    eCmd_Help = 203,
    eCmd_Quit = 205,
    eCmd_Tools = 206,
    eCmd_About = 207,

    eView_CacheRules = 300,
    eView_Rewrite = 305,
    eView_Realtime = 309,
    eView_System = 310,
    eView_Cluster = 311,
    eView_CachedUrls = 312,
    eView_DiskCache = 313,
    eView_SystemToo = 314,  // shows the system view, as 310 does
    eView_AccessMonitor = 315,
    eView_HostMonitor = 316,
    eView_DnsRedirect = 317,
    eView_Security = 318,
};

struct NavigationEntry {
    const char* text;
    int iconIndex;
    int commandId;
    const char* viewName;  // what the page shows, in the operator's words
};

struct ToolbarEntry {
    const char* text;
    int iconIndex;
    int width;
    int commandId;
};

std::vector<NavigationEntry> VisibleNavigation(const CIniOptionFile& options);
std::vector<ToolbarEntry> VisibleToolbar(const CIniOptionFile& options);
