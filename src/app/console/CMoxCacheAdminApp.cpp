#include "app/console/CMoxCacheAdminApp.h"

#include "app/console/CMoxCacheAdminDlg.h"
#include "app/console/InterfaceTranslation.h"
#include "app/console/KeyringPasswordStore.h"
#include "messaging/CMoxEndEvent.h"
#include "messaging/CMoxStartEvent.h"
#include "messaging/CThreadRegistry.h"
#include "shell/PinnedKeys.h"

CMoxCacheAdminApp::CMoxCacheAdminApp(int& argc, char** argv) : application_(argc, argv)
{
    // The common controls and the image library come up with the application object.
    QApplication::setApplicationName(QStringLiteral("MorvixMinitor"));
    QApplication::setApplicationVersion(QStringLiteral("3.5.0"));
}

CMoxCacheAdminApp::~CMoxCacheAdminApp() = default;

int CMoxCacheAdminApp::Run()
{
    if (!InitInstance())
        return 1;
    const int exitCode = application_.exec();
    ExitInstance();
    return exitCode;
}

bool CMoxCacheAdminApp::InitInstance()
{
    // No crash reporter is loaded: this platform has its own core dumps.
    // Sockets need no start-up on Linux.
    // Before any text is built: a missing catalogue leaves the Chinese texts, which are complete.
    InstallInterfaceTranslation(QCoreApplication::arguments());
    if (!CThreadRegistry::Create())
        return false;
    startHandler_ = std::make_unique<CMoxStartEvent>();
    endHandler_ = std::make_unique<CMoxEndEvent>();
    PinnedKeys::Install();
    if (KeyringPasswordStore::SecretServiceRuns()) {
        keyring_ = std::make_unique<KeyringPasswordStore>();
        ISavedPasswordStore::Install(keyring_.get());
    }
    mainWindow_ = std::make_unique<CMoxCacheAdminDlg>();
    mainWindow_->show();
    return true;
}

void CMoxCacheAdminApp::ExitInstance()
{
    // The window goes first: it unhooks from the events before the threads are told to quit.
    mainWindow_.reset();
    ISavedPasswordStore::Install(nullptr);
    keyring_.reset();
    endHandler_.reset();
    startHandler_.reset();
    CThreadRegistry::Destroy();
    // Sockets need no clean-up on Linux.
}
