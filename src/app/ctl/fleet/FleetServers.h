#pragma once

#include "ServerAddress.h"
#include "ServerSettings.h"

#include <optional>
#include <string>
#include <vector>

// One server of a run, with what its servers file sets for it and its group.
struct FleetServer {
    ServerAddress address;
    ServerSettings settings;
};

// Which servers of the list a run takes: those of the named groups of the servers file (all when
// none is named; "@NAME" given as a server names one too), of those the ones that match a --limit
// pattern (when any is given), and none that matches an --exclude pattern. A pattern is a shell
// wildcard on HOST:PORT or on the host alone; several may be given, or separated by commas.
struct FleetSelection {
    std::vector<std::string> groups;
    std::vector<std::string> limit;
    std::vector<std::string> exclude;
};

// The servers a run goes to: those named by --server, then those of the servers file. The file
// holds one server a line, blank lines and what follows "#" skipped; a "[NAME]" line starts a
// group, whose "NAME = VALUE" lines set role, password (keyring or file:PATH) and time-limit for
// its servers; a server's line may set them for itself after its address, as NAME=VALUE words.
// Every entry is checked before anything is sent: each bad one is reported (a file's with its line
// number) and the result is none. A server named twice, or under two names that reach the same
// address, is taken once, with a notice naming both.
std::optional<std::vector<FleetServer>> FleetServers(const std::vector<std::string>& named,
                                                     const std::string& serversFile, FleetSelection selection = {});
