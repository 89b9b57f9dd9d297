#pragma once

#include "CommandGroup.h"

#include <json/value.h>

#include <cstddef>
#include <string>

namespace morvix::sim {

class SeededRandom;

// One family of server state (a rule list, the system options, the cluster, ...): its commands,
// its default data, and its part of the state document that is saved, loaded and shown.
class StateFamily : public CommandGroup {
public:
    // The key of this family in the state document.
    virtual std::string name() const = 0;
    // Replaces the state with the small default data set that a fresh server shows.
    virtual void seed() = 0;
    virtual Json::Value save() const = 0;
    // Throws StateFormatError when the document does not have this family's shape.
    virtual void load(const Json::Value& document) = 0;
    // Replaces the entries with `count` generated ones; false for a family without entries.
    virtual bool generate(size_t count, SeededRandom& random) { return false; }
};

}  // namespace morvix::sim
