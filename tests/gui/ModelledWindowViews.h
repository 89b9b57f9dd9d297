#pragma once

#include "gui/ModelledList.h"
#include "gui/ModelledView.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CDnsSettingDlg;
class CMoxCacheAdminDlg;
class CScriptedUserInteraction;
class QCheckBox;
class QTabBar;

namespace morvix::test {

// The views of the main window that the window model drives, in one table; the rule lists among
// them are also listed on their own, for an import on one page and an export from another.
struct ModelledWindow {
    std::vector<std::unique_ptr<ModelledView>> views;
    std::vector<ModelledList*> ruleLists;  // page cache first, rewrite last
};

// Call once the window is signed in, so that every view exists.
ModelledWindow ModelWindowViews(CMoxCacheAdminDlg& window, CScriptedUserInteraction& user);

// A list of the window as a view of the table: it is changed by an add through its form.
// The configuration and monitoring views, one driver each.
std::unique_ptr<ModelledView> ModelDiskCache(CMoxCacheAdminDlg& window, CScriptedUserInteraction& user);
std::unique_ptr<ModelledView> ModelCluster(CMoxCacheAdminDlg& window);
std::unique_ptr<ModelledView> ModelRthList(CMoxCacheAdminDlg& window);
std::unique_ptr<ModelledView> ModelSystemSwitches(CMoxCacheAdminDlg& window);
std::unique_ptr<ModelledView> ModelCounters(CMoxCacheAdminDlg& window);
std::unique_ptr<ModelledView> ModelHostMonitor(CMoxCacheAdminDlg& window);

std::unique_ptr<ModelledView> ListAsView(CMoxCacheAdminDlg& window, int viewId, std::unique_ptr<ModelledList> list,
                                         int firstServerCount, int secondServerCount);

// A setting of the server switched by a box above a view: the request its click sends, where the
// server's state keeps it, and the console's own copy of it where it keeps one.
struct ServerSwitch {
    QCheckBox* box;
    ModelledView::Request request;
    std::string family;
    std::string key;
    std::function<bool()> kept;
};

// The view on its tab of a page: brought, the tab is chosen. With a switch, every third change
// flips the switch instead, and the switch is shown and held too.
std::unique_ptr<ModelledView> OnTab(std::unique_ptr<ModelledView> view, QTabBar& tabs, int tab,
                                    CScriptedUserInteraction& user, std::optional<ServerSwitch> serverSwitch = {});

// The balance mode with its hosts, and the video sites, of the DNS page.
std::unique_ptr<ModelledView> ModelDnsBalance(CMoxCacheAdminDlg& window, CDnsSettingDlg& page,
                                              CScriptedUserInteraction& user);
std::unique_ptr<ModelledView> ModelDnsVideo(CMoxCacheAdminDlg& window, CDnsSettingDlg& page,
                                            CScriptedUserInteraction& user);

}  // namespace morvix::test
