#include "ServerPoller.h"

#include "shell/AppPaths.h"
#include "shell/ChildProcessArguments.h"

#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr auto kRestartPause = std::chrono::seconds(3);

}  // namespace

ServerPoller::ServerPoller(ServerMetrics& metrics, std::vector<std::string> arguments,
                           std::vector<std::string> environment)
    : metrics_(metrics), arguments_(std::move(arguments)), environment_(std::move(environment))
{
    thread_ = std::thread([this] { Run(); });
}

ServerPoller::~ServerPoller()
{
    {
        std::lock_guard guard(lock_);
        stop_ = true;
        if (child_ > 0)
            ::kill(child_, SIGTERM);
    }
    stopped_.notify_all();
    thread_.join();
}

void ServerPoller::Run()
{
    for (;;) {
        int output = -1;
        if (StartPoller(output)) {
            ReadLines(output);
            pid_t child = -1;
            {
                std::lock_guard guard(lock_);
                child = child_;
            }
            ::waitpid(child, nullptr, 0);
            std::lock_guard guard(lock_);
            child_ = -1;
        }
        metrics_.OnPollerEnded();
        if (!PauseBeforeRestart())
            return;
    }
}

bool ServerPoller::StartPoller(int& output)
{
    const ChildProcessArguments child((AppPaths::ExecutableDirectory() / "morvixctl").string(), arguments_,
                                      environment_);
    const char* self = "/proc/self/exe";

    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0)
        return false;
    std::lock_guard guard(lock_);
    if (stop_) {
        ::close(pipe[0]);
        ::close(pipe[1]);
        return false;
    }
    const pid_t parent = ::getpid();
    child_ = ::fork();
    if (child_ == 0) {
        // The poller must not outlive the exporter.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(1);
        ::dup2(pipe[1], STDOUT_FILENO);
        const int nothing = ::open("/dev/null", O_RDONLY);
        ::dup2(nothing, STDIN_FILENO);
        ::execve(self, child.Argv(), child.Envp());
        ::_exit(127);
    }
    ::close(pipe[1]);
    if (child_ < 0) {
        ::close(pipe[0]);
        return false;
    }
    output = pipe[0];
    return true;
}

void ServerPoller::ReadLines(int output)
{
    std::string pending;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(output, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        pending.append(buffer, static_cast<std::size_t>(got));
        std::size_t start = 0;
        for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1)
            metrics_.OnPollerLine(pending.substr(start, end - start));
        pending.erase(0, start);
    }
    ::close(output);
}

bool ServerPoller::PauseBeforeRestart()
{
    std::unique_lock guard(lock_);
    return !stopped_.wait_for(guard, kRestartPause, [this] { return stop_; });
}
