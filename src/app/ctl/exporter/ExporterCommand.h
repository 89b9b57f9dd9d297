#pragma once

#include <string>
#include <vector>

struct ExporterSettings {
    std::string listen;                // HOST:PORT of the metrics endpoint; port 0 picks a free one
    std::vector<std::string> servers;  // HOST[:PORT] each
    std::string role;                  // account the pollers sign in with
    std::string password;
    std::vector<std::string> trustArguments;  // --cacert, --pin, --insecure for the pollers
};

// morvixctl exporter: polls every server as the console does and serves /metrics in the
// Prometheus text format (and /samples, the last figures of each server as watch --json prints
// them) until interrupted. Writes "morvixctl exporter listening on HOST:PORT" first.
int RunExporter(const ExporterSettings& settings);
