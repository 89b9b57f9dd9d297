#include "FleetRunner.h"

#include "CtlExitCode.h"
#include "FleetChildLines.h"
#include "Interrupt.h"
#include "SelfProcess.h"

#include <algorithm>
#include <csignal>
#include <list>
#include <optional>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// How long a run under way may go on after an interrupt: its request can still be answered.
constexpr auto kGraceAfterInterrupt = std::chrono::seconds(2);
// How long an ended run may take to go before it is killed.
constexpr auto kGraceAfterTerm = std::chrono::seconds(2);
// How often a waiting run looks at the interrupt flag.
constexpr auto kInterruptCheck = std::chrono::milliseconds(100);

int MillisecondsUntil(Clock::time_point when)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(when - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, kInterruptCheck.count()));
}

// One run under way: both pipes read to their ends. At the time limit, or at the end of the grace
// after an interrupt, the child is asked to end, and killed when it still writes after a grace.
class RunUnderWay {
public:
    RunUnderWay(const SelfProcess& child, FleetServerRun& run, Clock::time_point start, Clock::time_point deadline,
                bool settling)
        : child_(child), run_(run), start_(start), deadline_(deadline), settling_(settling)
    {
    }

    FleetServerRun& Run() { return run_; }
    bool Settling() const { return settling_; }
    bool Reading() const { return pipes_[0].fd >= 0 || pipes_[1].fd >= 0; }

    // Ends or kills the child when its time has come; returns how long it may wait for output.
    int Police(Clock::time_point now)
    {
        if (Interrupted() && !interrupted_) {
            interrupted_ = true;
            deadline_ = std::min(deadline_, now + kGraceAfterInterrupt);
        }
        if (InterruptCount() > 1 && !killed_) {
            Stop(SIGKILL, FleetServerRun::Stopped::Interrupt);
            killed_ = true;
            endedAtOnce_ = true;
        } else if (!termed_ && now >= deadline_) {
            Stop(SIGTERM, interrupted_ ? FleetServerRun::Stopped::Interrupt : FleetServerRun::Stopped::TimeLimit);
            termed_ = true;
            killAt_ = now + kGraceAfterTerm;
        } else if (termed_ && !killed_ && now >= killAt_) {
            ::kill(child_.pid, SIGKILL);
            killed_ = true;
        }
        return termed_ ? MillisecondsUntil(killAt_) : MillisecondsUntil(deadline_);
    }

    void Watch(std::vector<pollfd>& into) const
    {
        for (const pollfd& pipe : pipes_)
            if (pipe.fd >= 0)
                into.push_back({pipe.fd, POLLIN, 0});
    }

    void Read(const std::vector<pollfd>& polled)
    {
        std::string* into[2] = {&output_, &errors_};
        for (int i = 0; i < 2; ++i) {
            const auto found = std::find_if(polled.begin(), polled.end(),
                                            [&](const pollfd& p) { return p.fd == pipes_[i].fd; });
            if (pipes_[i].fd < 0 || found == polled.end() || found->revents == 0)
                continue;
            char buffer[16384];
            const ssize_t got = ::read(pipes_[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                into[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                ::close(pipes_[i].fd);
                pipes_[i].fd = -1;
            }
        }
    }

    // Once both pipes are at their ends. A settling read adds what it found to the run it settles.
    void Finish()
    {
        int status = 0;
        while (::waitpid(child_.pid, &status, 0) < 0 && errno == EINTR) {
        }
        run_.took += std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_);
        run_.errors += errors_;
        if (endedAtOnce_)
            run_.errors += "morvixctl: ended at once by a second interrupt\n";
        if (settling_) {
            if (stopped_ == FleetServerRun::Stopped::No && WIFEXITED(status)) {
                run_.stopped = FleetServerRun::Stopped::No;
                run_.exitStatus = WEXITSTATUS(status);
            }
            return;
        }
        run_.output = std::move(output_);
        run_.stopped = stopped_;
        run_.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : eCtlExit_ExchangeFailed;
    }

private:
    void Stop(int signal, FleetServerRun::Stopped why)
    {
        ::kill(child_.pid, signal);
        if (stopped_ == FleetServerRun::Stopped::No)
            stopped_ = why;
    }

    SelfProcess child_;
    FleetServerRun& run_;
    Clock::time_point start_;
    Clock::time_point deadline_;
    bool settling_;
    pollfd pipes_[2] = {{child_.out, POLLIN, 0}, {child_.err, POLLIN, 0}};
    std::string output_, errors_;
    FleetServerRun::Stopped stopped_ = FleetServerRun::Stopped::No;
    bool interrupted_ = false, termed_ = false, killed_ = false, endedAtOnce_ = false;
    Clock::time_point killAt_{};
};

std::optional<RunUnderWay> StartOne(const FleetPlan& plan, FleetServerRun& run, std::vector<std::string> arguments,
                                    bool settling)
{
    const Clock::time_point start = Clock::now();
    // This process keeps one thread, so each run can be a copy of it rather than a program loaded anew.
    const auto own = plan.perServer.find(run.server);
    std::vector<std::string> environment = own == plan.perServer.end() ? std::vector<std::string>{} : own->second.environment;
    // The server's own value of a variable stands in for the plan's.
    for (const std::string& variable : plan.environment)
        if (std::none_of(environment.begin(), environment.end(), [&](const std::string& set) {
                return set.substr(0, set.find('=')) == variable.substr(0, variable.find('='));
            }))
            environment.push_back(variable);
    const std::optional<SelfProcess> child =
        StartSelf(arguments, environment, ChildErrors::Captured, ChildImage::Copied);
    if (!child) {
        if (!settling)
            run.exitStatus = eCtlExit_ExchangeFailed;
        run.errors += "morvixctl: could not start the run for " + run.server + "\n";
        return std::nullopt;
    }
    const auto limit = own == plan.perServer.end() ? plan.timeLimit : own->second.timeLimit;
    return RunUnderWay(*child, run, start, start + limit, settling);
}

// A change that went out before its run was ended at the time limit is worth a read.
bool NeedsSettling(const FleetPlan& plan, const FleetServerRun& run)
{
    return run.stopped == FleetServerRun::Stopped::TimeLimit && !Interrupted() && plan.settleArguments &&
           run.errors.find(kChangeSentLine) != std::string::npos;
}

}  // namespace

std::vector<FleetServerRun> RunOnFleet(const FleetPlan& plan)
{
    std::vector<FleetServerRun> runs(plan.servers.size());
    for (std::size_t i = 0; i < runs.size(); ++i)
        runs[i].server = plan.servers[i];
    const std::size_t parallel = std::max(plan.parallel, 1u);
    std::list<RunUnderWay> underWay;
    const auto ended = [&plan](const FleetServerRun& run) {
        if (plan.finished)
            plan.finished(run);
    };
    std::size_t next = 0;
    while (!underWay.empty() || (next < runs.size() && !Interrupted())) {
        while (underWay.size() < parallel && next < runs.size() && !Interrupted()) {
            FleetServerRun& run = runs[next++];
            if (std::optional<RunUnderWay> started = StartOne(plan, run, plan.arguments(run.server), false))
                underWay.push_back(std::move(*started));
            else
                ended(run);
        }
        int waitMs = static_cast<int>(kInterruptCheck.count());
        std::vector<pollfd> polled;
        const auto now = Clock::now();
        for (RunUnderWay& run : underWay) {
            waitMs = std::min(waitMs, run.Police(now));
            run.Watch(polled);
        }
        if (::poll(polled.data(), polled.size(), std::max(waitMs, 1)) < 0 && errno != EINTR)
            break;
        for (auto run = underWay.begin(); run != underWay.end();) {
            run->Read(polled);
            if (run->Reading()) {
                ++run;
                continue;
            }
            run->Finish();
            FleetServerRun& finished = run->Run();
            const bool settle = !run->Settling() && NeedsSettling(plan, finished);
            run = underWay.erase(run);
            std::optional<RunUnderWay> settling =
                settle ? StartOne(plan, finished, plan.settleArguments(finished.server), true) : std::nullopt;
            if (settling)
                underWay.push_back(std::move(*settling));
            else
                ended(finished);
        }
    }
    return runs;
}
