#include "FleetOutcome.h"

#include "CtlExitCode.h"
#include "FleetChildLines.h"

#include <algorithm>

namespace {

constexpr FleetOutcomeInfo kOutcomes[] = {
    {FleetOutcome::ResultUnknown, "sent, result unknown", eCtlExit_ResultUnknown, "unknown"},
    {FleetOutcome::FileError, "file error", eCtlExit_FileError, "failed"},
    {FleetOutcome::UsageError, "usage error", eCtlExit_Usage, "failed"},
    {FleetOutcome::Unreachable, "unreachable", eCtlExit_ExchangeFailed, "unreachable"},
    {FleetOutcome::TimedOut, "timed out", eCtlExit_ExchangeFailed, "unreachable"},
    {FleetOutcome::NotApplied, "not applied", eCtlExit_ExchangeFailed, "unreachable"},
    {FleetOutcome::Unreadable, "unreadable reply", eCtlExit_MalformedReply, "unreadable"},
    {FleetOutcome::Refused, "refused", eCtlExit_Refused, "refused"},
    {FleetOutcome::NotRun, "not run", eCtlExit_Interrupted, "not run"},
    {FleetOutcome::Confirmed, "applied (confirmed by a read)", eCtlExit_Accepted, "accepted"},
    {FleetOutcome::Accepted, "accepted", eCtlExit_Accepted, "accepted"},
};

bool Says(const FleetServerRun& run, std::string_view line)
{
    return run.errors.find(line) != std::string::npos;
}

}  // namespace

std::span<const FleetOutcomeInfo> FleetOutcomes()
{
    return kOutcomes;
}

const FleetOutcomeInfo& InfoOf(FleetOutcome outcome)
{
    return *std::find_if(std::begin(kOutcomes), std::end(kOutcomes),
                         [outcome](const FleetOutcomeInfo& info) { return info.outcome == outcome; });
}

FleetOutcome OutcomeOf(const FleetServerRun& run)
{
    const bool sent = Says(run, kChangeSentLine);
    if (run.exitStatus < 0)
        return FleetOutcome::NotRun;
    // A run ended at its time limit exits as an interrupted one does, but it did run.
    if (run.stopped == FleetServerRun::Stopped::TimeLimit)
        return sent ? FleetOutcome::ResultUnknown : FleetOutcome::TimedOut;
    if (run.stopped == FleetServerRun::Stopped::Interrupt || run.exitStatus == eCtlExit_Interrupted)
        return sent ? FleetOutcome::ResultUnknown : FleetOutcome::NotRun;
    switch (run.exitStatus) {
    case eCtlExit_Accepted: return Says(run, kConfirmedLine) ? FleetOutcome::Confirmed : FleetOutcome::Accepted;
    case eCtlExit_Refused: return FleetOutcome::Refused;
    case eCtlExit_ExchangeFailed:
        return Says(run, kNotAppliedLine) ? FleetOutcome::NotApplied : FleetOutcome::Unreachable;
    case eCtlExit_MalformedReply: return FleetOutcome::Unreadable;
    case eCtlExit_ResultUnknown: return FleetOutcome::ResultUnknown;
    case eCtlExit_Usage: return FleetOutcome::UsageError;
    case eCtlExit_FileError: return FleetOutcome::FileError;
    default: return sent ? FleetOutcome::ResultUnknown : FleetOutcome::Unreachable;
    }
}

int FleetExitStatus(std::span<const FleetServerRun> runs)
{
    FleetOutcome worst = FleetOutcome::Accepted;
    for (const FleetServerRun& run : runs)
        worst = std::min(worst, OutcomeOf(run));
    return InfoOf(worst).exitStatus;
}
