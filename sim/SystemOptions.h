#pragma once

#include "StateFamily.h"

#include <map>
#include <string>
#include <string_view>

namespace morvix::sim {

class CommandTable;
class FormFields;
class Reply;
class TrafficModel;

// The server's flat set of global options ("system list" / "system modify").
class SystemOptions : public StateFamily {
public:
    explicit SystemOptions(TrafficModel& traffic);

    std::string name() const override { return "system"; }
    void registerCommands(CommandTable& table) override;
    void seed() override;
    Json::Value save() const override;
    void load(const Json::Value& document) override;

    long long value(std::string_view key) const;
    void setValue(std::string_view key, long long value);

    Reply list() const;
    // Every pair after SessionID and RequestID names an option, in either of its spellings;
    // all are checked before any is applied.
    Reply modify(const FormFields& fields);

private:
    long long readOnlyValue(std::string_view key) const;

    TrafficModel& traffic_;
    std::map<std::string, long long, std::less<>> values_;
};

}  // namespace morvix::sim
