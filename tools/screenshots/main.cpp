// Renders the console's windows offscreen into PNG files: the main window before and after a login
// to the morvix-sim given, the login view, the about view and the change-password window, then the
// scenes of every area (one file per area in this folder, each registering its scene).
#include "Shooter.h"

#include "app/console/CMoxCacheAdminApp.h"
#include "app/console/CMoxCacheAdminDlg.h"
#include "features/monitor/view/CRealTimeInfoDlg.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/IniProfile.h"
#include "shell/MainNavigation.h"
#include "shell/view/CModifyPwdDlg.h"
#include "shell/view/CMoxAboutDlg.h"
#include "shell/view/CMoxLoginDlg.h"
#include "shell/view/CMoxLoginNormalDlg.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <optional>

namespace {

// --expect FILE: lines of "<picture name><TAB><text>", each text one the picture's window must show.
std::optional<QMultiMap<QString, QString>> ExpectedTexts(const QStringList& flags)
{
    QMultiMap<QString, QString> expected;
    const qsizetype at = flags.indexOf(QStringLiteral("--expect"));
    if (at < 0)
        return expected;
    QFile file(at + 1 < flags.size() ? flags[at + 1] : QString());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab > 0)
            expected.insert(line.left(tab), line.mid(tab + 1));
    }
    return expected;
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

    RunScenes(shooter, window);
}

}  // namespace

int main(int argc, char** argv)
{
    // The console itself reads --lang; --find-untranslated makes a window still showing Chinese fail the run.
    const QStringList flags = [&] {
        QStringList list;
        for (int i = 3; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (argc < 3) {
        QTextStream(stderr) << "usage: console_screenshots <output folder> <simulator host:port> [--lang zh|en] "
                               "[--find-untranslated] [--expect FILE]\n";
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
    // A scratch home for the login history, and scratch settings over the shipped ones that
    // point the login view at the simulator, so the render leaves no trace.
    QTemporaryDir scratch;
    qputenv("XDG_DATA_HOME", scratch.path().toLocal8Bit());

    CMoxCacheAdminApp app(argc, argv);
    CIniOptionFile& options = CMoxInstanceManager::GetInstanceManager()->Options();
    options.Init(options.ShippedFile(), scratch.filePath(QStringLiteral("MorvixAdmin.ini")).toStdString());
    const std::size_t colon = server.rfind(':');
    IniProfile(options.UserFile(), options.ShippedFile())
        .WriteStrings("Login", {{"host", server.substr(0, colon)}, {"port", server.substr(colon + 1)}});

    const auto expected = ExpectedTexts(flags);
    if (!expected) {
        QTextStream(stderr) << "console_screenshots: cannot read the file of --expect\n";
        return 2;
    }
    Shooter shooter(folder, flags.contains(QStringLiteral("--find-untranslated")), *expected);
    QTimer::singleShot(0, [&] {
        TakeScreenshots(shooter);
        QCoreApplication::exit(shooter.ExitCode());
    });
    return app.Run();
}
