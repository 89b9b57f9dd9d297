#pragma once

#include "CtlCommand.h"
#include "CtlOptions.h"
#include "FleetServers.h"

#include <string>
#include <vector>

// True when a request or file command goes to more than one server, to a servers file, or is only
// to be shown (--dry-run); the exporter takes its servers itself.
bool IsFleetRun(const CtlOptions& options);

// Runs the command on every server with one password and reports per server; the exit status is
// 0 only when every server accepted, else the worst of theirs.
int RunFleetCommand(const CtlOptions& options, const CtlCommand& command, const std::vector<FleetServer>& fleet);

// A server as a part of a file name: what the "{server}" of an export's FILE becomes.
std::string FleetFileStem(const std::string& server);
