#pragma once

#include "CtlOptions.h"
#include "FleetServers.h"

#include <vector>

// "diff [FAMILY...]": reads the families on every server, each in a run of its own, and reports
// how each differs from the first server that could be read, or from the file --against names.
// Exits 0 when all match, 1 when any differs, and with the fleet's status when any could not be
// read.
int RunDiffCommand(const CtlOptions& options, const std::vector<FleetServer>& fleet);
