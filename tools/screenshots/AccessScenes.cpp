// The rewrite rules with their form, and the security view with the black list and its form.
#include "Shooter.h"

#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CMoxTabCtrl.h"
#include "controls/CRuleListView.h"
#include "features/access/view/CAddressListPage.h"
#include "features/access/view/CRewriteManagerDlg.h"
#include "features/access/view/CWhiteListAddDlg.h"
#include "features/access/view/CWhiteListDlg.h"
#include "shell/MainNavigation.h"

namespace {

void TakeAccessScreens(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    window->ShowView(eView_Rewrite);
    auto* rewrite = qobject_cast<CRewriteManagerDlg*>(window->View(eView_Rewrite));
    CRewritePage* page = rewrite ? rewrite->Page() : nullptr;
    shooter.Require(page && WaitFor([&] { return page->List()->model()->rowCount() > 0 && !page->IsBusy(); }),
                    QStringLiteral("no rewrite rules shown"));
    if (page) {
        page->List()->SelectOnly(0);
        shooter.Save(window, "rewrite.png");
        page->RunCommand(CRuleListPage::eModify);
        if (page->Form()) {
            shooter.Save(page->Form(), "rewrite-form.png");
            page->Form()->reject();
        }
    }

    window->ShowView(eView_Security);
    auto* security = qobject_cast<CWhiteListDlg*>(window->View(eView_Security));
    CAddressListPage* black = security ? security->BlackList() : nullptr;
    if (security)
        security->Tabs()->setCurrentIndex(security->Tabs()->count() - 1);
    shooter.Require(black && WaitFor([&] { return black->ListView()->model()->rowCount() > 0; }),
                    QStringLiteral("no black list shown"));
    if (!black)
        return;
    black->ListView()->SelectOnly(0);
    shooter.Save(window, "security.png");
    black->RunCommand(CAddressListPage::eModify);
    if (black->Form()) {
        shooter.Save(black->Form(), "black-list-form.png");
        black->Form()->reject();
    }
}

const bool registered = RegisterScene(40, &TakeAccessScreens);

}  // namespace
