// Renders the console's windows offscreen into PNG files: the main window before and after a login
// to the morvix-sim given, the login view, the about view and the change-password window, then the
// cache-rules page with its rule form and the batch progress window, and the system and disk-cache
// pages.
#include "app/console/CMoxCacheAdminApp.h"
#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CBatchProgressDlg.h"
#include "controls/CRuleDeletion.h"
#include "controls/CRuleListView.h"
#include "features/cache/view/CAddFCacheDlg.h"
#include "features/cache/view/CFCacheManagerDlg.h"
#include "features/cache/view/CFCachePage.h"
#include "features/config/view/CSystemDlg.h"
#include "features/config/view/CSystemOptionsEditor.h"
#include "features/monitor/view/CRealTimeInfoDlg.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/IniProfile.h"
#include "shell/MainNavigation.h"
#include "shell/view/CModifyPwdDlg.h"
#include "shell/view/CMoxAboutDlg.h"
#include "shell/view/CMoxLoginDlg.h"
#include "shell/view/CMoxLoginNormalDlg.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <functional>

namespace {

bool WaitFor(const std::function<bool()>& condition)
{
    QDeadlineTimer deadline(15000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

CMoxCacheAdminDlg* MainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<CMoxCacheAdminDlg*>(widget))
            return window;
    return nullptr;
}

// The offscreen platform draws no window frame; a plain title bar shows the title a user would see.
QImage WithTitleBar(QWidget* window)
{
    constexpr int kBarHeight = 30;
    const QPixmap content = window->grab();
    QImage image(content.width(), content.height() + kBarHeight, QImage::Format_ARGB32);
    image.fill(QColor(0x3c, 0x41, 0x48));
    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.setFont(window->font());
    painter.drawText(QRect(10, 0, content.width() - 20, kBarHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     window->windowTitle());
    painter.drawPixmap(0, kBarHeight, content);
    return image;
}

class Shooter {
public:
    explicit Shooter(QDir folder) : folder_(std::move(folder)) {}

    void Save(QWidget* widget, const char* name)
    {
        // Let layouts settle and every pending paint happen first.
        QCoreApplication::processEvents();
        const QString path = folder_.filePath(QString::fromLatin1(name));
        if (!widget || !WithTitleBar(widget).save(path))
            Fail(QStringLiteral("cannot render ") + path);
        else
            QTextStream(stdout) << path << "\n";
    }

    void Require(bool condition, const QString& what)
    {
        if (!condition)
            Fail(what);
    }

    int ExitCode() const { return failed_ ? 1 : 0; }

private:
    void Fail(const QString& what)
    {
        QTextStream(stderr) << "console_screenshots: " << what << "\n";
        failed_ = true;
    }

    QDir folder_;
    bool failed_ = false;
};

void TakeViewScreenshots(Shooter& shooter, CMoxCacheAdminDlg* window)
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

    CBatchProgressDlg progress(page, CRuleDeletion::ProgressTexts(QStringLiteral("删除页面缓存规则")), 12,
                               [](int) { return true; });
    progress.Start();
    shooter.Save(&progress, "batch-progress.png");

    window->ShowView(eView_System);
    auto* system = qobject_cast<CSystemDlg*>(window->View(eView_System));
    shooter.Require(system && WaitFor([&] { return system->Editor()->Known(); }),
                    QStringLiteral("no system options shown"));
    shooter.Save(window, "system.png");

    window->ShowView(eView_DiskCache);
    shooter.Save(window, "disk-cache.png");
}

void TakeScreenshots(Shooter& shooter)
{
    CMoxCacheAdminDlg* window = MainWindow();
    shooter.Require(window && WaitFor([&] { return window->LoginDialog() && window->LoginDialog()->isVisible(); }),
                    QStringLiteral("the login view did not open"));
    if (!window || !window->LoginDialog())
        return;
    shooter.Save(window, "main-window-before-login.png");

    CMoxLoginDlg* login = window->LoginDialog();
    login->Page()->PasswordField()->setText(QStringLiteral("admin"));
    shooter.Save(login, "login.png");
    login->LoginButton()->click();
    shooter.Require(WaitFor([&] { return !window->InfoStrip()->CurrentTimeText().isEmpty(); }),
                    QStringLiteral("no realtime figures after the login"));
    shooter.Save(window, "main-window-after-login.png");

    window->RunCommand(eCmd_About);
    shooter.Save(window->AboutDialog(), "about.png");
    window->AboutDialog()->close();

    window->RunCommand(eCmd_ChangePassword);
    shooter.Save(window->ChangePasswordDialog(), "change-password.png");
    window->ChangePasswordDialog()->close();

    TakeViewScreenshots(shooter, window);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        QTextStream(stderr) << "usage: console_screenshots <output folder> <simulator host:port>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const std::string server = argv[2];
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << folder.path() << "\n";
        return 1;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A scratch home for the login history, and a scratch copy of the shipped options that
    // points the login view at the simulator, so the render leaves no trace.
    QTemporaryDir scratch;
    qputenv("XDG_DATA_HOME", scratch.path().toLocal8Bit());

    CMoxCacheAdminApp app(argc, argv);
    CIniOptionFile& options = CMoxInstanceManager::GetInstanceManager()->Options();
    const QString scratchOptions = scratch.filePath(QStringLiteral("MorvixAdmin.ini"));
    QFile::copy(QString::fromStdString(options.Path().string()), scratchOptions);
    options.Init(scratchOptions.toStdString());
    const std::size_t colon = server.rfind(':');
    IniProfile(options.Path()).WriteStrings("Login", {{"host", server.substr(0, colon)}, {"port", server.substr(colon + 1)}});

    Shooter shooter(folder);
    QTimer::singleShot(0, [&] {
        TakeScreenshots(shooter);
        QCoreApplication::exit(shooter.ExitCode());
    });
    return app.Run();
}
