// The refuse-cache and session-cache pages with their forms, the cleaning page with its
// confirmation, and the rules export and import form with the batch window of an import.
#include "Shooter.h"

#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CBatchProgressDlg.h"
#include "controls/CRuleListView.h"
#include "features/cache/view/AddSCacheDlg.h"
#include "features/cache/view/CAddRCacheDlg.h"
#include "features/cache/view/CClearCacheDlg.h"
#include "features/cache/view/CClearTipsDlg.h"
#include "features/cache/view/CExportDlg.h"
#include "features/cache/view/CFCacheManagerDlg.h"
#include "features/cache/view/CMoxSCacheDlg.h"
#include "features/cache/view/CRCacheManagerDlg.h"
#include "shell/MainNavigation.h"
#include "controls/MoxTr.h"

#include <QLineEdit>

namespace {

template <class Page>
void ShootListPage(Shooter& shooter, CMoxCacheAdminDlg* window, CFCacheManagerDlg* manager, Page* page,
                   CFCacheManagerDlg::Page which, const char* viewFile, const char* formFile)
{
    manager->ShowPage(which);
    shooter.Require(WaitFor([&] { return page->List()->model()->rowCount() > 0 && !page->IsBusy(); }),
                    QStringLiteral("no rules shown on %1").arg(QString::fromLatin1(viewFile)));
    page->List()->SelectOnly(0);
    shooter.Save(window, viewFile);
    page->RunCommand(CRuleListPage::eModify);
    if (page->Form()) {
        shooter.Save(page->Form(), formFile);
        page->Form()->reject();
    }
}

void TakeCacheViewScreens(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    window->ShowView(eView_CacheRules);
    auto* manager = qobject_cast<CFCacheManagerDlg*>(window->View(eView_CacheRules));
    shooter.Require(manager != nullptr, QStringLiteral("no cache-rules manager"));
    if (!manager)
        return;
    ShootListPage(shooter, window, manager, manager->RefuseCache(), CFCacheManagerDlg::eRefuseCache,
                  "refuse-cache.png", "refuse-cache-form.png");
    ShootListPage(shooter, window, manager, manager->SessionCache(), CFCacheManagerDlg::eSessionCache,
                  "session-cache.png", "session-cache-form.png");

    manager->ShowPage(CFCacheManagerDlg::eCleaning);
    manager->Cleaning()->UrlEdit()->setText(QStringLiteral("http://www.example.com/news/*"));
    shooter.Save(window, "cache-cleaning.png");
    CClearTipsDlg tips(MoxTr::tr("您确定要清理所有已缓存的页面(All Webcache)吗？"), manager);
    tips.show();
    shooter.Save(&tips, "cache-cleaning-confirm.png");
    tips.reject();

    manager->ShowPage(CFCacheManagerDlg::ePageCache);
    CExportDlg exporting(CExportDlg::Mode::Export, manager);
    exporting.PathEdit()->setText(QStringLiteral("/home/operator/Documents/Morvix-Rules-127.0.0.1.txt"));
    exporting.show();
    shooter.Save(&exporting, "rules-export.png");
    CExportDlg importing(CExportDlg::Mode::Import, manager);
    importing.show();
    shooter.Save(&importing, "rules-import.png");

    CBatchProgressDlg progress(manager,
                               {MoxTr::tr("导入黑名单列表"), MoxTr::tr("正在导入黑名单列表，请稍候 ......."),
                                QString(), QString(), MoxTr::tr("停止导入")},
                               40, [](int step) { return static_cast<unsigned long>(step) + 1; });
    progress.Start();
    progress.TakeCompletion(1);
    progress.TakeCompletion(2);
    shooter.Save(&progress, "import-progress.png");
}

const bool registered = RegisterScene(30, &TakeCacheViewScreens);

}  // namespace
