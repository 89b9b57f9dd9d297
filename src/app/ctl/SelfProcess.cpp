#include "SelfProcess.h"

#include "shell/AppPaths.h"
#include "shell/ChildProcessArguments.h"

#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

void ClosePipe(int (&ends)[2])
{
    for (const int end : ends)
        if (end >= 0)
            ::close(end);
}

}  // namespace

std::optional<SelfProcess> StartSelf(const std::vector<std::string>& arguments,
                                     const std::vector<std::string>& environment, ChildErrors errors)
{
    // Built before the fork: between fork and exec a threaded program may not allocate.
    const ChildProcessArguments child((AppPaths::ExecutableDirectory() / "morvixctl").string(), arguments,
                                      environment);
    int out[2] = {-1, -1};
    int err[2] = {-1, -1};
    if (::pipe2(out, O_CLOEXEC) != 0 || (errors == ChildErrors::Captured && ::pipe2(err, O_CLOEXEC) != 0)) {
        ClosePipe(out);
        ClosePipe(err);
        return std::nullopt;
    }
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(1);
        ::dup2(out[1], STDOUT_FILENO);
        if (err[1] >= 0)
            ::dup2(err[1], STDERR_FILENO);
        const int nothing = ::open("/dev/null", O_RDONLY);
        ::dup2(nothing, STDIN_FILENO);
        ::execve("/proc/self/exe", child.Argv(), child.Envp());
        ::_exit(127);
    }
    ::close(out[1]);
    if (err[1] >= 0)
        ::close(err[1]);
    if (pid < 0) {
        ::close(out[0]);
        if (err[0] >= 0)
            ::close(err[0]);
        return std::nullopt;
    }
    return SelfProcess{pid, out[0], err[0]};
}
