#include "gui/SecretServiceSession.h"

#include "app/console/KeyringPasswordStore.h"
#include "support/ReadFirstLine.h"
#include "support/WaitUntil.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::string_view kKeyringPassword = "morvix-test-keyring";
constexpr auto kStartDeadline = std::chrono::seconds(15);

std::unique_ptr<SecretServiceSession>& Current()
{
    static std::unique_ptr<SecretServiceSession> session;
    return session;
}

// Ends the session after the last test of the process.
class SessionEnd : public ::testing::Environment {
public:
    void TearDown() override { SecretServiceSession::Stop(); }
};

[[maybe_unused]] ::testing::Environment* const kSessionEnd = ::testing::AddGlobalTestEnvironment(new SessionEnd);

}  // namespace

std::string SecretServiceSession::Start()
{
    static std::string outcome = [] {
        Current().reset(new SecretServiceSession);
        return Current()->Launch();
    }();
    return outcome;
}

void SecretServiceSession::Stop()
{
    std::unique_ptr<SecretServiceSession>& session = Current();
    if (!session || session->session_ <= 0)
        return;
    // The session's bus and keyring run in the process group the session leads.
    ::kill(-session->session_, SIGTERM);
    ::waitpid(session->session_, nullptr, 0);
    session.reset();
}

std::string SecretServiceSession::Launch()
{
    const QString runSession = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
    const QString keyring = QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon"));
    if (runSession.isEmpty() || keyring.isEmpty())
        return "dbus-run-session or gnome-keyring-daemon is not installed (scripts/setup installs them)";
    if (!runtimeDirectory_.isValid())
        return "no scratch runtime directory";
    ::setenv("XDG_RUNTIME_DIR", runtimeDirectory_.path().toLocal8Bit().constData(), 1);

    int input[2];
    int output[2];
    if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0)
        return "no pipe";
    const std::string runSessionPath = runSession.toStdString();
    const std::string keyringPath = keyring.toStdString();
    session_ = ::fork();
    if (session_ < 0)
        return "fork failed";
    if (session_ == 0) {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::dup2(input[0], STDIN_FILENO);
        ::dup2(output[1], STDOUT_FILENO);
        // Nothing of the session may hold the test's own output open: should the test die, a bus
        // left behind would keep its runner waiting for the end of that output.
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        ::dup2(nowhere, STDERR_FILENO);
        // The first line out is the bus address; the keyring's own output would only fill the pipe.
        const char* script = "printf '%s\\n' \"$DBUS_SESSION_BUS_ADDRESS\"; "
                             "exec \"$0\" --unlock --components=secrets --foreground >/dev/null";
        ::execl(runSessionPath.c_str(), runSessionPath.c_str(), "--", "/bin/sh", "-c", script, keyringPath.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(input[0]);
    ::close(output[1]);
    const bool passwordGiven =
        ::write(input[1], kKeyringPassword.data(), kKeyringPassword.size()) == static_cast<ssize_t>(kKeyringPassword.size());
    ::close(input[1]);
    const std::string address = morvix::test::ReadFirstLine(output[0], kStartDeadline);
    ::close(output[0]);
    if (!passwordGiven || address.empty())
        return "dbus-run-session gave no bus address";
    ::setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);

    if (!morvix::test::WaitUntil([] { return KeyringPasswordStore::SecretServiceRuns(); }, kStartDeadline))
        return "gnome-keyring-daemon did not offer the Secret Service on " + address;
    return {};
}
