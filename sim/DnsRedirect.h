#pragma once

#include "StateFamily.h"

#include <string>
#include <vector>

namespace morvix::sim {

class CommandTable;
class FormFields;
class Reply;
class TrafficModel;

// The DNS redirect tables: built-in and custom domains, the video-site classes and the cache
// hosts that share the redirected traffic.
class DnsRedirect : public StateFamily {
public:
    explicit DnsRedirect(TrafficModel& traffic);

    std::string name() const override { return "dnsredirect"; }
    void registerCommands(CommandTable& table) override;
    void seed() override;
    Json::Value save() const override;
    void load(const Json::Value& document) override;
    bool generate(size_t count, SeededRandom& random) override;

    Reply redirectList() const;
    Reply redirectAdd(const FormFields& fields);
    Reply redirectModify(const FormFields& fields);
    Reply redirectDelete(const FormFields& fields);
    Reply classList() const;
    Reply classModify(const FormFields& fields);
    Reply balanceList() const;
    Reply balanceAdd(const FormFields& fields);
    Reply balanceModify(const FormFields& fields);
    Reply balanceDelete(const FormFields& fields);

private:
    struct Domain {
        std::string name;
        std::string address;
        int ttl = 300;
        int enable = 1;
        std::string note;
    };
    struct VideoClass {
        std::string name;
        int enable = 1;
    };
    struct BalanceHost {
        std::string address;
        int enable = 1;
        int checking = 1;
        bool down = false;
        std::string downTime;
        std::string note;
    };

    Domain readDomain(const FormFields& fields) const;
    BalanceHost readHost(const FormFields& fields) const;
    std::vector<Domain>::iterator customDomain(const std::string& name);
    std::vector<BalanceHost>::iterator balanceHost(const std::string& address);
    // Resolutions answered so far: grows with the traffic, at a pace of its own per name.
    std::string resolutions(const std::string& key) const;

    TrafficModel& traffic_;
    std::vector<Domain> builtIn_;
    std::vector<Domain> custom_;
    std::vector<VideoClass> classes_;
    std::vector<BalanceHost> hosts_;
};

}  // namespace morvix::sim
