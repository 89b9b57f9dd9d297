#include "ServerPoller.h"

#include "SelfProcess.h"

#include <csignal>
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
    std::lock_guard guard(lock_);
    if (stop_)
        return false;
    const std::optional<SelfProcess> started = StartSelf(arguments_, environment_, ChildErrors::Shared);
    if (!started)
        return false;
    child_ = started->pid;
    output = started->out;
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
