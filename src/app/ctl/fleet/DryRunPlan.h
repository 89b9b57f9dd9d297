#pragma once

#include "FleetServers.h"

#include "CtlCommand.h"
#include "CtlOptions.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// One request a command would send, in the order it would go out.
struct PlannedRequest {
    const nsMoxHttp::CatalogueRow* row = nullptr;
    nsMoxHttp::RequestValues values;
    std::string note;  // what the sent request would take from an earlier reply
};

// The requests of the command after its sign-in; none, the reason printed, when a file it reads
// cannot be read.
std::optional<std::vector<PlannedRequest>> PlanRequests(const CtlOptions& options, const CtlCommand& command);

// Per server: the sign-in (the password not shown), then the planned requests, as address and
// body; a table for people or JSON. `role` is that of the servers whose servers file sets none.
void WriteDryRun(std::ostream& out, const std::vector<FleetServer>& servers, const std::string& role,
                 const std::vector<PlannedRequest>& requests, bool json);
