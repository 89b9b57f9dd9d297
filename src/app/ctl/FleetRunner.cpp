#include "FleetRunner.h"

#include "CtlExitCode.h"
#include "Interrupt.h"
#include "SelfProcess.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// How long an ended run may take to go before it is killed.
constexpr auto kGraceAfterTerm = std::chrono::seconds(2);
// How often a waiting run looks at the interrupt flag.
constexpr auto kInterruptCheck = std::chrono::milliseconds(200);

int MillisecondsUntil(Clock::time_point when)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(when - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, kInterruptCheck.count()));
}

// Reads both pipes to their ends. At the time limit (or an interrupt) the child is asked to end,
// and killed when it still writes after the grace.
void Collect(const SelfProcess& child, FleetServerRun& run, Clock::time_point deadline)
{
    pollfd pipes[2] = {{child.out, POLLIN, 0}, {child.err, POLLIN, 0}};
    std::string* into[2] = {&run.output, &run.errors};
    bool termed = false, killed = false;
    Clock::time_point killAt{};
    while (pipes[0].fd >= 0 || pipes[1].fd >= 0) {
        const auto now = Clock::now();
        if (!termed && (now >= deadline || Interrupted())) {
            run.timedOut = !Interrupted();
            ::kill(child.pid, SIGTERM);
            termed = true;
            killAt = now + kGraceAfterTerm;
        } else if (termed && !killed && now >= killAt) {
            ::kill(child.pid, SIGKILL);
            killed = true;
        }
        const int waitMs = termed ? MillisecondsUntil(killAt) : MillisecondsUntil(deadline);
        if (::poll(pipes, 2, std::max(waitMs, 1)) < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (pipes[i].fd < 0 || pipes[i].revents == 0)
                continue;
            char buffer[16384];
            const ssize_t got = ::read(pipes[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                into[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                ::close(pipes[i].fd);
                pipes[i].fd = -1;
            }
        }
    }
    for (const pollfd& pipe : pipes)
        if (pipe.fd >= 0)
            ::close(pipe.fd);
}

void RunOne(const FleetPlan& plan, FleetServerRun& run)
{
    const Clock::time_point start = Clock::now();
    const std::optional<SelfProcess> child =
        StartSelf(plan.arguments(run.server), plan.environment, ChildErrors::Captured);
    if (!child) {
        run.exitStatus = eCtlExit_ExchangeFailed;
        run.errors = "morvixctl: could not start the run for " + run.server + "\n";
        return;
    }
    Collect(*child, run, start + plan.timeLimit);
    int status = 0;
    while (::waitpid(child->pid, &status, 0) < 0 && errno == EINTR) {
    }
    run.took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    if (run.timedOut || !WIFEXITED(status))
        run.exitStatus = eCtlExit_ExchangeFailed;
    else
        run.exitStatus = WEXITSTATUS(status);
}

}  // namespace

std::vector<FleetServerRun> RunOnFleet(const FleetPlan& plan)
{
    std::vector<FleetServerRun> runs(plan.servers.size());
    for (std::size_t i = 0; i < runs.size(); ++i)
        runs[i].server = plan.servers[i];
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i; !Interrupted() && (i = next++) < runs.size();)
            RunOne(plan, runs[i]);
    };
    const std::size_t workers = std::min<std::size_t>(std::max(plan.parallel, 1u), runs.size());
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < workers; ++i)
        threads.emplace_back(work);
    for (std::thread& thread : threads)
        thread.join();
    return runs;
}
