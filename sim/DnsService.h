#pragma once

#include "StateFamily.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace morvix::sim {

class CommandTable;
class FormFields;
class Reply;
class SystemOptions;
class TrafficModel;

// The DNS service: upstream servers, the address that redirected names resolve to, the DNS cache
// with its limits, and the switches of the service and of the redirect.
class DnsService : public StateFamily {
public:
    // The balance mode is also a system option; both requests read and write that one value.
    DnsService(SystemOptions& systemOptions, TrafficModel& traffic);

    std::string name() const override { return "dns"; }
    void registerCommands(CommandTable& table) override;
    void seed() override;
    Json::Value save() const override;
    void load(const Json::Value& document) override;

    // Names in the DNS cache now.
    size_t cachedNames();
    Reply settings() const;
    Reply set(const FormFields& fields);
    Reply cacheList();
    Reply cacheClean();

private:
    void refill();

    SystemOptions& systemOptions_;
    TrafficModel& traffic_;
    std::map<std::string, std::string, std::less<>> texts_;
    std::map<std::string, long long, std::less<>> numbers_;
    size_t cachedNames_ = 0;
    double lastRefill_ = 0;
};

}  // namespace morvix::sim
