#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

// How one server's run went.
struct FleetServerRun {
    std::string server;
    int exitStatus = -1;  // the single-server exit status; -1 while not run
    enum class Stopped { No, TimeLimit, Interrupt };
    Stopped stopped = Stopped::No;  // ended by the fleet rather than by itself
    std::string output;             // its standard output: the result
    std::string errors;             // its standard error: the status texts
    std::chrono::milliseconds took{0};
};

// What one server's run takes in place of the plan's, as its servers file sets it.
struct FleetServerPlan {
    std::string role;
    std::vector<std::string> environment;  // over the plan's: its own password
    std::chrono::seconds timeLimit{300};
};

struct FleetPlan {
    std::vector<std::string> servers;
    // The single-server command line after the program name, for one server.
    std::function<std::vector<std::string>(const std::string& server)> arguments;
    // The command line of a read that settles a change whose run was ended at its time limit after
    // sending it; none for a command that no read can settle.
    std::function<std::vector<std::string>(const std::string& server)> settleArguments;
    std::vector<std::string> environment;  // extra variables of every run
    unsigned parallel = 8;
    std::chrono::seconds timeLimit{300};
    std::map<std::string, FleetServerPlan> perServer;  // by server, where the plan's values do not hold
    // Called as each server's run ends, in the order they end.
    std::function<void(const FleetServerRun& run)> finished;
};

// Runs the command on every server, each in a morvixctl of its own with its own session, at most
// `parallel` at once. A run that outlasts its time limit is ended; it holds one place, never the
// others. On an interrupt nothing new starts and the runs under way get a short grace before they
// are ended; a second interrupt ends them at once. The results come in the order of the servers.
// Called from a process with one thread, as each run is a copy of this process.
std::vector<FleetServerRun> RunOnFleet(const FleetPlan& plan);
