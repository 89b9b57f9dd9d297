#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvix::sim {

// The command line of morvix-sim.
struct SimOptions {
    std::string host = "127.0.0.1";
    int port = 6780;  // 0: any free port
    std::string adminPassword = "admin";
    std::string keeperPassword = "keeper";
    // Given on the command line, these override passwords kept in a state file.
    bool adminPasswordGiven = false;
    bool keeperPasswordGiven = false;
    std::optional<std::string> statePath;
    int sessionTimeoutSeconds = 1800;
    std::optional<uint64_t> seed;
    double streamRate = 5.0;
    // https instead of http: a self-signed certificate made at start, or the one in these files.
    bool tls = false;
    std::string tlsCertFile;
    std::string tlsKeyFile;
    bool help = false;

    // Throws std::invalid_argument with a message for the user.
    static SimOptions parse(const std::vector<std::string>& arguments);
    static std::string usage();
};

}  // namespace morvix::sim
