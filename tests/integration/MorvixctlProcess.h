#pragma once

#include "shell/AppPaths.h"
#include "shell/ChildProcessArguments.h"
#include "support/WaitUntil.h"

#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace morvix::test {

// The built morvixctl (beside the test program), or another program, run with arguments and extra
// environment variables; its standard output and error are collected as they come.
class MorvixctlProcess {
public:
    MorvixctlProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                     const std::string& program = (AppPaths::ExecutableDirectory() / "morvixctl").string())
    {
        int out[2], err[2];
        if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe failed");
        const ChildProcessArguments child(program, arguments, environment);

        pid_ = ::fork();
        if (pid_ < 0)
            throw std::runtime_error("fork failed");
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::dup2(err[1], STDERR_FILENO);
            const int nothing = ::open("/dev/null", O_RDONLY);
            ::dup2(nothing, STDIN_FILENO);
            ::execve(child.Argv()[0], child.Argv(), child.Envp());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        readers_.emplace_back([this, fd = out[0]] { Collect(fd, stdout_); });
        readers_.emplace_back([this, fd = err[0]] { Collect(fd, stderr_); });
    }

    ~MorvixctlProcess()
    {
        if (!exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        for (std::thread& reader : readers_)
            reader.join();
    }

    MorvixctlProcess(const MorvixctlProcess&) = delete;
    MorvixctlProcess& operator=(const MorvixctlProcess&) = delete;

    // The exit status, or -1 when the program did not end in time (or ended by a signal).
    int Wait(std::chrono::milliseconds deadline = std::chrono::seconds(30))
    {
        int status = 0;
        const bool ended = WaitUntil([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }, deadline);
        if (!ended)
            return -1;
        exited_ = true;
        for (std::thread& reader : readers_)
            reader.join();
        readers_.clear();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    void Signal(int signal) { ::kill(pid_, signal); }

    std::string Out() const
    {
        std::lock_guard guard(lock_);
        return stdout_;
    }
    std::string Err() const
    {
        std::lock_guard guard(lock_);
        return stderr_;
    }
    std::vector<std::string> OutLines() const
    {
        std::vector<std::string> lines;
        const std::string out = Out();
        for (std::size_t start = 0; start < out.size();) {
            const std::size_t end = out.find('\n', start);
            if (end == std::string::npos)
                break;
            lines.push_back(out.substr(start, end - start));
            start = end + 1;
        }
        return lines;
    }

private:
    void Collect(int fd, std::string& into)
    {
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got <= 0)
                break;
            std::lock_guard guard(lock_);
            into.append(buffer, static_cast<std::size_t>(got));
        }
        ::close(fd);
    }

    pid_t pid_ = -1;
    bool exited_ = false;
    mutable std::mutex lock_;
    std::string stdout_;
    std::string stderr_;
    std::vector<std::thread> readers_;
};

// How a run went: the exit status as Wait gives it, and all the program wrote.
struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Waits for the program to end and takes what it wrote.
inline Outcome WaitForOutcome(MorvixctlProcess& process)
{
    Outcome outcome;
    outcome.status = process.Wait();
    outcome.out = process.Out();
    outcome.err = process.Err();
    return outcome;
}

}  // namespace morvix::test
