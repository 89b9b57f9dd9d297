#pragma once

#include <optional>
#include <string>
#include <vector>

// The servers a run goes to: those named by --server, then those of the servers file (one
// HOST[:PORT] a line; blank lines and what follows "#" are skipped), each with its port (6780 when
// left out) and named once. None, the reason printed, when a name or the file is unusable.
std::optional<std::vector<std::string>> FleetServers(const std::vector<std::string>& named,
                                                     const std::string& serversFile);
