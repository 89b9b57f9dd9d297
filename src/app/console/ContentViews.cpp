#include "app/console/ContentViews.h"

#include "app/console/CPendingViewPage.h"
#include "features/cache/view/CFCacheManagerDlg.h"
#include "features/config/view/CClusterDlg.h"
#include "features/config/view/CDiskCacheDlg.h"
#include "features/config/view/CDnsSettingDlg.h"
#include "features/config/view/CSystemDlg.h"
#include "features/config/view/CToolsAllCacheListDlg.h"

CMoxContentView* MakeContentView(const NavigationEntry& entry, QWidget* parent)
{
    switch (entry.commandId) {
    case eView_CacheRules:
        return new CFCacheManagerDlg(parent);
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
    default:
        return new CPendingViewPage(QString::fromUtf8(entry.text),
                                    QStringLiteral("此页将显示：%1").arg(QString::fromUtf8(entry.viewName)), parent);
    }
}
