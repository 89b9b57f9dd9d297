#pragma once

#include "ServerAddress.h"

#include <optional>
#include <string>
#include <vector>

// The servers a run goes to: those named by --server, then those of the servers file (one server
// a line; blank lines and what follows "#" are skipped). Every entry is checked before anything is
// sent: each bad one is reported (a file's with its line number) and the result is none. A server
// named twice, or under two names that reach the same address, is taken once, with a notice
// naming both.
std::optional<std::vector<ServerAddress>> FleetServers(const std::vector<std::string>& named,
                                                       const std::string& serversFile);
