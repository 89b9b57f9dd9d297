#include "ServerPoller.h"

#include "SelfProcess.h"

#include <csignal>
#include <iostream>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr auto kRestartPause = std::chrono::seconds(3);

// Reads what one pipe has and hands on each complete line; false once the pipe is closed.
template <class OnLine>
bool ReadPipe(int fd, std::string& pending, OnLine&& onLine)
{
    char buffer[65536];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0)
        return errno == EINTR || errno == EAGAIN;
    if (got == 0)
        return false;
    pending.append(buffer, static_cast<std::size_t>(got));
    std::size_t start = 0;
    for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1)
        onLine(pending.substr(start, end - start));
    pending.erase(0, start);
    return true;
}

std::string EndedWith(int status)
{
    if (WIFSIGNALED(status))
        return "the poller was ended by signal " + std::to_string(WTERMSIG(status));
    return "the poller ended with status " + std::to_string(WEXITSTATUS(status));
}

}  // namespace

ServerPoller::ServerPoller(ServerMetrics& metrics, std::vector<std::string> arguments,
                           std::vector<std::string> environment)
    : metrics_(metrics),
      log_(metrics.Server(), std::cerr),
      arguments_(std::move(arguments)),
      environment_(std::move(environment))
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
        int errors = -1;
        if (StartPoller(output, errors)) {
            const bool saidWhy = ReadLines(output, errors);
            pid_t child = -1;
            {
                std::lock_guard guard(lock_);
                child = child_;
            }
            int status = 0;
            ::waitpid(child, &status, 0);
            std::lock_guard guard(lock_);
            child_ = -1;
            // Ended by the exporter itself: nothing to report.
            if (!saidWhy && !stop_)
                log_.Failed(ServerLog::Part::Counters, EndedWith(status));
        } else {
            log_.Failed(ServerLog::Part::Counters, "the poller cannot be started");
        }
        metrics_.OnPollerEnded();
        if (!PauseBeforeRestart())
            return;
    }
}

bool ServerPoller::StartPoller(int& output, int& errors)
{
    std::lock_guard guard(lock_);
    if (stop_)
        return false;
    const std::optional<SelfProcess> started = StartSelf(arguments_, environment_, ChildErrors::Captured);
    if (!started)
        return false;
    child_ = started->pid;
    output = started->out;
    errors = started->err;
    return true;
}

void ServerPoller::OnLine(const std::string& line)
{
    const std::optional<ServerMetrics::PollerNews> news = metrics_.OnPollerLine(line);
    if (!news)
        return;
    if (news->failed)
        log_.Failed(news->part, news->why);
    else
        log_.Answered(news->part);
}

bool ServerPoller::ReadLines(int output, int errors)
{
    bool saidWhy = false;
    std::string pendingOutput;
    std::string pendingErrors;
    pollfd pipes[2] = {{output, POLLIN, 0}, {errors, POLLIN, 0}};
    while (pipes[0].fd >= 0 || pipes[1].fd >= 0) {
        if (::poll(pipes, 2, -1) < 0 && errno != EINTR)
            break;
        if (pipes[0].revents != 0 &&
            !ReadPipe(output, pendingOutput, [this](const std::string& line) { OnLine(line); }))
            pipes[0].fd = -1;
        if (pipes[1].revents != 0 && !ReadPipe(errors, pendingErrors, [&](const std::string& line) {
                if (line.empty())
                    return;
                saidWhy = true;
                log_.Failed(ServerLog::Part::Counters, line);
            }))
            pipes[1].fd = -1;
    }
    ::close(output);
    ::close(errors);
    return saidWhy;
}

bool ServerPoller::PauseBeforeRestart()
{
    std::unique_lock guard(lock_);
    return !stopped_.wait_for(guard, kRestartPause, [this] { return stop_; });
}
