#pragma once

#include "CtlOptions.h"
#include "FleetRunner.h"
#include "FleetServers.h"

#include <string>
#include <vector>

// Fills in the plan's servers, each with its role, password and time limit: the servers file's
// where it sets them, else the command line's. The command line's password is asked for only when
// some server has none of its own. False, the reason printed, when a password cannot be had.
bool PlanFleetServers(const CtlOptions& options, const std::vector<FleetServer>& servers, FleetPlan& plan);

// The role the server's run signs in with.
const std::string& RoleOf(const FleetPlan& plan, const std::string& server, const CtlOptions& options);
