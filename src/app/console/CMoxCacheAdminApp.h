#pragma once

#include <QApplication>

#include <memory>

class CMoxCacheAdminDlg;
class CMoxEndEvent;
class CMoxStartEvent;
class KeyringPasswordStore;

// The console process: starts the services in their fixed order, runs the main window until it
// closes, then ends them.
class CMoxCacheAdminApp {
public:
    CMoxCacheAdminApp(int& argc, char** argv);
    ~CMoxCacheAdminApp();

    // Start-up, the main window's life, exit; returns the process's exit code.
    int Run();

    QApplication& Application() { return application_; }

private:
    bool InitInstance();
    void ExitInstance();

    QApplication application_;
    // Until the first login makes the server instance with its own pair, these end every event,
    // so that the records of early status texts are released too.
    std::unique_ptr<CMoxStartEvent> startHandler_;
    std::unique_ptr<CMoxEndEvent> endHandler_;
    // Where saved passwords go when the desktop runs a Secret Service; none on a headless machine.
    std::unique_ptr<KeyringPasswordStore> keyring_;
    std::unique_ptr<CMoxCacheAdminDlg> mainWindow_;
};
