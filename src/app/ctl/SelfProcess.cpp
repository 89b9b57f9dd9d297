#include "SelfProcess.h"

#include "shell/AppPaths.h"
#include "shell/ChildProcessArguments.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <sys/prctl.h>
#include <unistd.h>

extern char** environ;

namespace {

SelfEntry selfEntry = nullptr;

// ThreadSanitizer cannot follow a forked copy that starts threads of its own (it stops the copy as
// it starts its first), so a build under it starts a fresh program instead.
#if defined(__SANITIZE_THREAD__)
constexpr bool kCopiesCanRun = false;
#else
constexpr bool kCopiesCanRun = true;
#endif

void ClosePipe(int (&ends)[2])
{
    for (const int end : ends)
        if (end >= 0)
            ::close(end);
}

void FlushOutput()
{
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
}

// The copy keeps none of this process's other descriptors: a pipe end of another child held here
// would keep that child's output open after it ended.
[[noreturn]] void EnterCopy(const ChildProcessArguments& child)
{
    ::close_range(3, ~0U, 0);
    environ = const_cast<char**>(child.Envp());
    int argc = 0;
    while (child.Argv()[argc])
        ++argc;
    int status = 0;
    try {
        status = selfEntry(argc, const_cast<char**>(child.Argv()));
    } catch (...) {
        // Never back into the caller's code: the copy ends as a program would that threw.
        std::abort();
    }
    FlushOutput();
    ::_exit(status);
}

}  // namespace

void SetSelfEntry(SelfEntry entry)
{
    selfEntry = entry;
}

std::optional<SelfProcess> StartSelf(const std::vector<std::string>& arguments,
                                     const std::vector<std::string>& environment, ChildErrors errors,
                                     ChildImage image)
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
    const bool copy = kCopiesCanRun && image == ChildImage::Copied && selfEntry != nullptr;
    if (copy) {
        // What is buffered here would be written a second time by the copy.
        FlushOutput();
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
        if (copy)
            EnterCopy(child);
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
