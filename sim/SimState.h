#pragma once

#include "CommandTable.h"
#include "IdIssuer.h"
#include "SeededRandom.h"
#include "StateFamily.h"
#include "StateFile.h"
#include "TrafficModel.h"

#include <json/value.h>

#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

namespace morvix::sim {

class RuntimeSettings;
class SessionStore;
struct SimOptions;

// All state of the simulated server: the families, the command table they fill, the traffic
// model and the optional state file. One lock guards it; commands run under it.
class SimState {
public:
    // Loads the state file when there is one; throws StateFormatError when it is damaged.
    SimState(const SimOptions& options, SessionStore& sessions, RuntimeSettings& settings);
    ~SimState();

    std::mutex& mutex() { return mutex_; }
    const CommandTable& commands() const { return commands_; }
    TrafficModel& traffic() { return traffic_; }
    uint64_t seed() const { return seed_; }

    // The following run with the lock held by the caller.
    Json::Value document() const;
    // All or nothing: a document that does not fit leaves the state as it was.
    void load(const Json::Value& document);
    StateFamily* family(std::string_view name);
    bool generate(std::string_view familyName, size_t count);
    // Writes the state file after a change, when there is one.
    void persist();

private:
    template <class Family, class... Arguments>
    Family& addFamily(Arguments&&... arguments);
    template <class Group, class... Arguments>
    void addStateless(Arguments&&... arguments);

    std::mutex mutex_;
    uint64_t seed_;
    SeededRandom random_;
    TrafficModel traffic_;
    IdIssuer ids_;
    CommandTable commands_;
    std::vector<std::unique_ptr<StateFamily>> families_;
    std::vector<std::unique_ptr<CommandGroup>> stateless_;
    std::optional<StateFile> file_;
};

}  // namespace morvix::sim
