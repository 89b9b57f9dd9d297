#pragma once

#include "OrderedList.h"
#include "StateFamily.h"

#include <string>

namespace morvix::sim {

class CommandTable;
class FormFields;
class Reply;

// Saved monitoring records ("rth"): named URL patterns with the switches of a live stream,
// keyed by the pattern itself, so that adding one that exists replaces it in place.
class RequestHistory : public StateFamily {
public:
    std::string name() const override { return "rth"; }
    void registerCommands(CommandTable& table) override;
    void seed() override;
    Json::Value save() const override;
    void load(const Json::Value& document) override;
    bool generate(size_t count, SeededRandom& random) override;

    Reply list() const;
    Reply add(const FormFields& fields);
    Reply remove(const FormFields& fields);

private:
    OrderedList records_;
};

}  // namespace morvix::sim
