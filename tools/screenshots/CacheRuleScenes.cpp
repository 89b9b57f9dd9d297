// The cache-rules page with a filled list, its rule form and the batch progress window.
#include "Shooter.h"

#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CBatchProgressDlg.h"
#include "controls/CRuleDeletion.h"
#include "controls/CRuleListView.h"
#include "features/cache/view/CAddFCacheDlg.h"
#include "features/cache/view/CFCacheManagerDlg.h"
#include "features/cache/view/CFCachePage.h"
#include "shell/MainNavigation.h"
#include "controls/MoxTr.h"

namespace {

void TakeCacheRuleScreens(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    window->ShowView(eView_CacheRules);
    auto* rules = qobject_cast<CFCacheManagerDlg*>(window->View(eView_CacheRules));
    CFCachePage* page = rules ? rules->PageCache() : nullptr;
    shooter.Require(page && WaitFor([&] { return page->List()->model()->rowCount() > 0 && !page->IsBusy(); }),
                    QStringLiteral("no page-cache rules shown"));
    if (!page)
        return;
    page->List()->SelectOnly(1);
    shooter.Save(window, "cache-rules.png");
    page->RunCommand(CRuleListPage::eModify);
    shooter.Save(page->Form(), "cache-rule-form.png");
    page->Form()->reject();

    CBatchProgressDlg progress(page, CRuleDeletion::ProgressTexts({QString(), MoxTr::tr("删除页面缓存规则")}), 12,
                               [](int) { return true; });
    progress.Start();
    shooter.Save(&progress, "batch-progress.png");
}

const bool registered = RegisterScene(20, &TakeCacheRuleScreens);

}  // namespace
