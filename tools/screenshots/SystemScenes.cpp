// The system-options page and the disk-cache page.
#include "Shooter.h"

#include "app/console/CMoxCacheAdminDlg.h"
#include "features/config/view/CSystemDlg.h"
#include "features/config/view/CSystemOptionsEditor.h"
#include "shell/MainNavigation.h"

namespace {

void TakeSystemScreens(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    window->ShowView(eView_System);
    auto* system = qobject_cast<CSystemDlg*>(window->View(eView_System));
    shooter.Require(system && WaitFor([&] { return system->Editor()->Known(); }),
                    QStringLiteral("no system options shown"));
    shooter.Save(window, "system.png");

    window->ShowView(eView_DiskCache);
    shooter.Save(window, "disk-cache.png");
}

const bool registered = RegisterScene(80, &TakeSystemScreens);

}  // namespace
