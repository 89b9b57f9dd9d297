#pragma once

#include <QApplication>

#include <memory>

class CMoxCacheAdminDlg;

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
    std::unique_ptr<CMoxCacheAdminDlg> mainWindow_;
};
