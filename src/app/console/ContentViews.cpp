#include "app/console/ContentViews.h"

#include "app/console/CPendingViewPage.h"
#include "features/access/view/CRewriteManagerDlg.h"
#include "features/access/view/CWhiteListDlg.h"
#include "features/cache/view/CFCacheManagerDlg.h"
#include "features/config/view/CClusterDlg.h"
#include "features/config/view/CDiskCacheDlg.h"
#include "features/config/view/CDnsSettingDlg.h"
#include "features/config/view/CSystemDlg.h"
#include "features/config/view/CToolsAllCacheListDlg.h"
#include "features/monitor/view/CHostMonitorDlg.h"
#include "features/monitor/view/CRealtimeDlg.h"
#include "features/monitor/view/CRTHRequestBigCacheDlg.h"
#include "shell/CMoxInstanceManager.h"
#include "controls/MoxTr.h"

CMoxContentView* MakeContentView(const NavigationEntry& entry, QWidget* parent)
{
    switch (entry.commandId) {
    case eView_CacheRules:
        return new CFCacheManagerDlg(parent);
    case eView_Rewrite:
        return new CRewriteManagerDlg(parent);
    case eView_Security:
        return new CWhiteListDlg(CMoxInstanceManager::GetInstanceManager()->Options().IsGuiSwitchOn(
                                     CIniOptionFile::GuiSwitch::ShowDnsRedirect),
                                 parent);
    case eView_DiskCache:
        return new CDiskCacheDlg(parent);
    case eView_DnsRedirect:
        return new CDnsSettingDlg(parent);
    case eView_Cluster:
        return new CClusterDlg(parent);
    case eView_CachedUrls:
        return new CToolsAllCacheListDlg(parent);
    case eView_System:
        return new CSystemDlg(parent);
    case eView_Realtime:
        return new CRealtimeDlg(parent);
    case eView_HostMonitor:
        return new CHostMonitorDlg(parent);
    case eView_AccessMonitor:
        return new CRTHRequestBigCacheDlg(parent);
    default:
        return new CPendingViewPage(MoxTr::tr(entry.text),
                                    MoxTr::tr("此页将显示：%1").arg(MoxTr::tr(entry.viewName)), parent);
    }
}

bool ShapesWindow(int commandId)
{
    return commandId == eView_DiskCache || commandId == eView_CacheRules;
}
