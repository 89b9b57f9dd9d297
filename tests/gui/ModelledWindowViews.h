#pragma once

#include "gui/ModelledList.h"
#include "gui/ModelledView.h"

#include <memory>
#include <vector>

class CMoxCacheAdminDlg;
class CScriptedUserInteraction;

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

}  // namespace morvix::test
