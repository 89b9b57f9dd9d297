#include "DiffCommand.h"

#include "CtlExitCode.h"
#include "CtlTrust.h"
#include "DriftReport.h"
#include "FleetOutcome.h"
#include "FleetReport.h"
#include "FleetRunner.h"
#include "FleetSettings.h"
#include "Interrupt.h"

#include <algorithm>
#include <iostream>

namespace {

std::vector<std::string> ReadArguments(const CtlOptions& options, const std::string& role, const std::string& server)
{
    std::vector<std::string> arguments = CtlTrustArguments(options);
    arguments.insert(arguments.end(), {"--server", server, "--role", role, "--fleet-run", "--", "diff"});
    arguments.insert(arguments.end(), options.pairs.begin(), options.pairs.end());
    return arguments;
}

}  // namespace

int RunDiffCommand(const CtlOptions& options, const std::vector<FleetServer>& fleet)
{
    std::vector<const DriftFamily*> chosen;
    if (!ChooseDriftFamilies(options.pairs, chosen))
        return eCtlExit_Usage;
    std::optional<DriftSnapshot> reference;
    std::string referenceName = options.against;
    if (!options.against.empty()) {
        reference = DriftSnapshotOfFile(options.against, chosen);
        if (!reference)
            return eCtlExit_FileError;
    } else if (fleet.size() < 2) {
        std::cerr << "morvixctl: diff compares two servers or more, or one with the file --against names\n";
        return eCtlExit_Usage;
    }
    FleetPlan plan;
    if (!PlanFleetServers(options, fleet, plan))
        return eCtlExit_Usage;
    InstallInterruptHandlers();
    plan.arguments = [&options, &plan](const std::string& server) {
        return ReadArguments(options, RoleOf(plan, server, options), server);
    };
    // Each server's read is told on standard error as it ends, as a fleet read's is beside JSON.
    FleetReport progress(std::cout, std::cerr, FleetReport::Form::Json, plan.servers);
    plan.finished = [&progress](const FleetServerRun& run) { progress.Finished(run); };
    const std::vector<FleetServerRun> runs = RunOnFleet(plan);

    std::vector<std::optional<DriftSnapshot>> snapshots;
    std::vector<FleetServerRun> failed;
    for (const FleetServerRun& run : runs) {
        const bool read = OutcomeOf(run) == FleetOutcome::Accepted;
        snapshots.push_back(read ? ParseDriftSnapshot(run.output) : std::nullopt);
        if (!snapshots.back())
            failed.push_back(run);
    }
    std::vector<DriftVerdict> verdicts;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        DriftVerdict& verdict = verdicts.emplace_back();
        verdict.server = runs[i].server;
        if (!snapshots[i]) {
            verdict.state = DriftVerdict::State::Failed;
            verdict.outcome = InfoOf(OutcomeOf(runs[i])).name;
            verdict.status = FleetStatusText(runs[i]);
            if (verdict.outcome == "accepted")
                verdict.outcome = "unreadable reply";
            continue;
        }
        // The first server that could be read is the reference when no file is.
        if (!reference) {
            reference = snapshots[i];
            referenceName = verdict.server;
            verdict.state = DriftVerdict::State::Reference;
            continue;
        }
        verdict.drift = CompareDrift(*reference, *snapshots[i]);
        verdict.state = verdict.drift.empty() ? DriftVerdict::State::Same : DriftVerdict::State::Differs;
    }
    WriteDriftReport(std::cout, referenceName.empty() ? "none could be read" : referenceName, verdicts,
                     options.json, options.group);
    if (Interrupted())
        return eCtlExit_Interrupted;
    if (!failed.empty()) {
        // Below 2 would read as "differs": a refused read is a failure too.
        return std::max(FleetExitStatus(failed), int(eCtlExit_ExchangeFailed));
    }
    const bool differ = std::any_of(verdicts.begin(), verdicts.end(),
                                    [](const DriftVerdict& verdict) { return verdict.state == DriftVerdict::State::Differs; });
    return differ ? eCtlExit_Refused : eCtlExit_Accepted;
}
