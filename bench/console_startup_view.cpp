// The console's start-up time (process start to the login view shown) and its resident memory once
// logged in to a morvix-sim, each beside a minimal Qt Widgets program that shows one dialog,
// measured in the same run. Every sample is a fresh process: this program runs itself as the
// console or as the minimal program, offscreen, and reports on a pipe.
#include "ResidentMemory.h"
#include "app/console/CMoxCacheAdminApp.h"
#include "app/console/CMoxCacheAdminDlg.h"
#include "features/monitor/view/CRealTimeInfoDlg.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/IniProfile.h"
#include "shell/InterfaceLanguage.h"
#include "shell/view/CMoxLoginDlg.h"
#include "shell/view/CMoxLoginNormalDlg.h"
#include "support/SimProcess.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kStartupSamples = 15;
constexpr int kMemorySamples = 5;
// The main window's delay before it opens the login view.
constexpr int kLoginDelayMs = CMoxCacheAdminDlg::kLoginDelayMs;

// The child's one line to the parent, then it ends at once: tearing down is not measured.
[[noreturn]] void Report(const std::string& line)
{
    const std::string text = line + "\n";
    if (::write(STDOUT_FILENO, text.data(), text.size()) < 0)
        std::_Exit(1);
    std::_Exit(0);
}

// Calls `shown` once the first top-level widget for which `match` holds is shown.
class ShowWatcher : public QObject {
public:
    ShowWatcher(std::function<bool(QObject*)> match, std::function<void(QWidget*)> shown)
        : match_(std::move(match)), shown_(std::move(shown))
    {
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !seen_ && match_(object)) {
            seen_ = true;
            auto* widget = static_cast<QWidget*>(object);
            QTimer::singleShot(0, widget, [this, widget] { shown_(widget); });
        }
        return false;
    }

private:
    std::function<bool(QObject*)> match_;
    std::function<void(QWidget*)> shown_;
    bool seen_ = false;
};

int RunMinimal(int argc, char** argv, bool reportMemory)
{
    QApplication application(argc, argv);
    ShowWatcher watcher([](QObject* object) { return qobject_cast<QDialog*>(object) != nullptr; },
                        [reportMemory](QWidget*) { Report(reportMemory ? std::to_string(ResidentKb()) : "shown"); });
    application.installEventFilter(&watcher);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("登录"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("密码："), &dialog));
    layout->addWidget(new QLineEdit(&dialog));
    layout->addWidget(new QPushButton(QStringLiteral("登录"), &dialog));
    dialog.show();
    return application.exec();
}

bool IsLoginView(QObject* object)
{
    return qobject_cast<CMoxLoginDlg*>(object) != nullptr;
}

// With --lang en among its arguments the console loads the English catalogue first; it reports
// which language it showed, so that a missing catalogue cannot pass for a fast start.
int RunConsole(int argc, char** argv)
{
    CMoxCacheAdminApp app(argc, argv);
    ShowWatcher watcher(IsLoginView, [](QWidget*) {
        Report(InstalledInterfaceLanguage() == InterfaceLanguage::English ? "shown en" : "shown");
    });
    app.Application().installEventFilter(&watcher);
    return app.Run();
}

// Logs in with the admin account and reports once the first realtime figures are shown.
int RunConsoleLoggedIn(int argc, char** argv, const std::string& host, const std::string& port)
{
    CMoxCacheAdminApp app(argc, argv);
    QTemporaryDir scratch;
    CIniOptionFile& options = CMoxInstanceManager::GetInstanceManager()->Options();
    const std::string scratchOptions = scratch.filePath(QStringLiteral("MorvixAdmin.ini")).toStdString();
    options.Init(options.ShippedFile(), scratchOptions);
    IniProfile(scratchOptions).WriteStrings("Login", {{"host", host}, {"port", port}});

    QTimer poll;
    ShowWatcher watcher(IsLoginView, [&poll](QWidget* widget) {
        auto* login = static_cast<CMoxLoginDlg*>(widget);
        login->Page()->PasswordField()->setText(QStringLiteral("admin"));
        login->LoginButton()->click();
        poll.start(10);
    });
    QObject::connect(&poll, &QTimer::timeout, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<CMoxCacheAdminDlg*>(widget))
                if (!window->InfoStrip()->CurrentTimeText().isEmpty())
                    Report(std::to_string(ResidentKb()));
    });
    app.Application().installEventFilter(&watcher);
    return app.Run();
}

struct Sample {
    double milliseconds;
    std::string line;
};

std::optional<Sample> RunChild(const std::vector<std::string>& arguments)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return std::nullopt;
    std::vector<char*> argv;
    const std::string self = "/proc/self/exe";
    argv.push_back(const_cast<char*>(self.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::execv("/proc/self/exe", argv.data());
        std::_Exit(127);
    }
    ::close(pipeFds[1]);
    std::string line;
    char c;
    while (::read(pipeFds[0], &c, 1) == 1 && c != '\n')
        line += c;
    const auto end = std::chrono::steady_clock::now();
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (line.empty())
        return std::nullopt;
    return Sample{std::chrono::duration<double, std::milli>(end - start).count(), line};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

bool Collect(const std::vector<std::string>& arguments, bool timeIt, std::vector<double>& into,
             const char* expected = nullptr)
{
    const std::optional<Sample> sample = RunChild(arguments);
    if (!sample) {
        std::fprintf(stderr, "bench: the child %s reported nothing\n", arguments.front().c_str());
        return false;
    }
    if (expected && sample->line != expected) {
        std::fprintf(stderr, "bench: the child %s reported \"%s\", not \"%s\"\n", arguments.front().c_str(),
                     sample->line.c_str(), expected);
        return false;
    }
    into.push_back(timeIt ? sample->milliseconds : std::strtod(sample->line.c_str(), nullptr) / 1024.0);
    return true;
}

int Measure()
{
    // Children never touch the operator's files: a scratch data directory for the login history.
    QTemporaryDir scratch;
    ::setenv("XDG_DATA_HOME", scratch.path().toLocal8Bit().constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);

    std::vector<double> minimalMs, consoleMs, englishMs;
    // Alternating, so that a slow phase of the machine hits all alike.
    for (int i = 0; i < kStartupSamples; ++i)
        if (!Collect({"--minimal"}, true, minimalMs) || !Collect({"--console"}, true, consoleMs, "shown") ||
            !Collect({"--console", "--lang", "en"}, true, englishMs, "shown en"))
            return 1;

    morvix::test::SimProcess sim;
    const std::string host = sim.host();
    const std::string address = host.substr(0, host.rfind(':'));
    const std::string port = host.substr(host.rfind(':') + 1);
    std::vector<double> minimalMb, consoleMb;
    for (int i = 0; i < kMemorySamples; ++i)
        if (!Collect({"--minimal-memory"}, false, minimalMb) ||
            !Collect({"--console-logged-in", address, port}, false, consoleMb))
            return 1;

    const double minimalStart = Median(minimalMs), consoleStart = Median(consoleMs), englishStart = Median(englishMs);
    const double minimalMemory = Median(minimalMb), consoleMemory = Median(consoleMb);
    std::printf("start-up to the dialog shown (median of %d processes each)\n", kStartupSamples);
    std::printf("  minimal Qt program, one dialog   %8.1f ms\n", minimalStart);
    // The console waits its window's login delay before it opens the login view; the minimal
    // program shows its dialog at once.
    const double minimalWithDelay = minimalStart + kLoginDelayMs;
    std::printf("  minimal Qt program + %d ms delay  %8.1f ms\n", kLoginDelayMs, minimalWithDelay);
    std::printf("  morvix-console, login view       %8.1f ms   ratio %.2f to the minimal program + delay "
                "(target at most 1.20); %.2f to the minimal program\n",
                consoleStart, consoleStart / minimalWithDelay, consoleStart / minimalStart);
    std::printf("  morvix-console, English catalogue %7.1f ms   ratio %.2f to the minimal program + delay "
                "(target at most 1.20); %.2f to the Chinese console\n",
                englishStart, englishStart / minimalWithDelay, englishStart / consoleStart);
    std::printf("resident memory (median of %d processes each)\n", kMemorySamples);
    std::printf("  minimal Qt program, one dialog   %8.1f MB\n", minimalMemory);
    std::printf("  morvix-console, logged in        %8.1f MB   ratio %.2f (target under 80 MB)\n", consoleMemory,
                consoleMemory / minimalMemory);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--minimal")
        return RunMinimal(argc, argv, false);
    if (mode == "--minimal-memory")
        return RunMinimal(argc, argv, true);
    if (mode == "--console")
        return RunConsole(argc, argv);
    if (mode == "--console-logged-in" && argc == 4)
        return RunConsoleLoggedIn(argc, argv, argv[2], argv[3]);
    return Measure();
}
