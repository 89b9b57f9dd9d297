#pragma once

#include "FleetRunner.h"

#include <ostream>
#include <vector>

// How a fleet run is reported: for people, a line per server as it ends, then a table and a recap;
// with --json one document at the end, with --json-lines one object per server as it ends. When
// standard output carries JSON, the progress lines go to standard error. Grouped, the servers whose
// outcome, status and output are the same are told once, under their names, at the end.
class FleetReport {
public:
    enum class Form { Text, Json, JsonLines };
    FleetReport(std::ostream& out, std::ostream& progress, Form form, const std::vector<std::string>& servers,
                bool grouped = false);

    // One server's run has ended.
    void Finished(const FleetServerRun& run);
    // Every run has ended (or will not run): the table or the document, and the recap.
    void Close(const std::vector<FleetServerRun>& runs, bool interrupted);

private:
    std::ostream& out_;
    std::ostream& progress_;
    Form form_;
    bool grouped_;
    std::size_t serverWidth_ = 0;
};

// "servers 3: accepted 1, refused 1, unreachable 1, unknown 0, not run 0": the five counts always,
// the others when any run has them.
std::string FleetRecap(const std::vector<FleetServerRun>& runs);

// The last line the run wrote to standard error that is not its outcome: the status text its reply
// ended with, or the cause of its failure.
std::string FleetStatusText(const FleetServerRun& run);
