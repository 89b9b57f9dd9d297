#pragma once

#include "FleetRunner.h"

#include <json/value.h>

#include <ostream>
#include <vector>

// The outcome of a run in words: "accepted", "refused", "timed out", ...
std::string FleetOutcome(const FleetServerRun& run);

// For people: each server's result under its name, then one row per server (server, outcome,
// status text, time taken). For programs: a JSON array of one object per server, holding its
// result as JSON when it printed JSON, else as text.
void WriteFleetReport(std::ostream& out, const std::vector<FleetServerRun>& runs, bool json);

// 0 when every server accepted, else the worst of the single-server exit statuses.
int FleetExitStatus(const std::vector<FleetServerRun>& runs);

// A JSON document as the fleet reports print it: indented, UTF-8 text as it stands.
std::string IndentedJson(const Json::Value& value);
