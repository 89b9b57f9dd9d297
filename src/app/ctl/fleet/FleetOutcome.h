#pragma once

#include "FleetRunner.h"

#include <span>
#include <string_view>

// What became of one server's run, as the operator is told. The order is the order of severity:
// the fleet's exit status is that of the most severe outcome among its servers.
enum class FleetOutcome {
    ResultUnknown,  // the change was sent, its reply never came, and no read settled it
    FileError,
    UsageError,
    Unreachable,  // no exchange: no connection, a lost reply of a read, an HTTP error status
    TimedOut,     // ended at its time limit before its change was sent
    NotApplied,   // a reply was lost, and a read found the change not made
    Unreadable,
    Refused,  // also: no record, or several, with the key given; nothing changed
    NotRun,
    Confirmed,  // a reply was lost, and a read found the change made
    Accepted,
};

struct FleetOutcomeInfo {
    FleetOutcome outcome;
    std::string_view name;   // in the report
    int exitStatus;          // of a run that has only this outcome
    std::string_view recap;  // the count it adds to
};

// Every outcome, most severe first.
std::span<const FleetOutcomeInfo> FleetOutcomes();
const FleetOutcomeInfo& InfoOf(FleetOutcome outcome);

FleetOutcome OutcomeOf(const FleetServerRun& run);

// The exit status of the most severe outcome; 0 for none.
int FleetExitStatus(std::span<const FleetServerRun> runs);
