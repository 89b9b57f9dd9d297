#include "app/console/ContentViews.h"

#include "app/console/CPendingViewPage.h"
#include "features/cache/view/CFCacheManagerDlg.h"
#include "features/config/view/CDiskCacheDlg.h"
#include "features/config/view/CSystemDlg.h"
#include "features/monitor/view/CHostMonitorDlg.h"
#include "features/monitor/view/CRealtimeDlg.h"

CMoxContentView* MakeContentView(const NavigationEntry& entry, QWidget* parent)
{
    switch (entry.commandId) {
    case eView_CacheRules:
        return new CFCacheManagerDlg(parent);
    case eView_DiskCache:
        return new CDiskCacheDlg(parent);
    case eView_System:
        return new CSystemDlg(parent);
    case eView_Realtime:
        return new CRealtimeDlg(parent);
    case eView_HostMonitor:
        return new CHostMonitorDlg(parent);
    default:
        return new CPendingViewPage(QString::fromUtf8(entry.text),
                                    QStringLiteral("此页将显示：%1").arg(QString::fromUtf8(entry.viewName)), parent);
    }
}
