// What every screenshot scene shares: waiting for the console with a deadline, finding the main
// window, and saving a widget as a PNG with the title bar a user would see.
#pragma once

#include <QDir>
#include <QMultiMap>
#include <QString>

#include <functional>

class CMoxCacheAdminDlg;
class QWidget;

bool WaitFor(const std::function<bool()>& condition);
CMoxCacheAdminDlg* MainWindow();

class Shooter {
public:
    // With findUntranslated, a window that still shows a Chinese text fails the run; a window
    // named in expected that does not show each of its texts fails it too.
    explicit Shooter(QDir folder, bool findUntranslated = false, QMultiMap<QString, QString> expected = {})
        : folder_(std::move(folder)), findUntranslated_(findUntranslated), expected_(std::move(expected))
    {
    }

    void Save(QWidget* widget, const char* name);
    void Require(bool condition, const QString& what);
    int ExitCode() const { return failed_ ? 1 : 0; }

private:
    void Fail(const QString& what);

    QDir folder_;
    bool findUntranslated_ = false;
    QMultiMap<QString, QString> expected_;
    bool failed_ = false;
};

// A scene renders the windows of one area after the login; scenes run by rising order.
using ScreenshotScene = void (*)(Shooter&, CMoxCacheAdminDlg*);
bool RegisterScene(int order, ScreenshotScene scene);
void RunScenes(Shooter& shooter, CMoxCacheAdminDlg* window);
