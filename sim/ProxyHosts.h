#pragma once

#include "IdIssuer.h"
#include "Record.h"
#include "StateFamily.h"

#include <string>
#include <vector>

namespace morvix::sim {

class CommandTable;
class FormFields;
class Reply;
class TrafficModel;

// The hosts (domains) the server proxies and the origin servers (upstreams) of each, with
// counters that grow with the traffic over the day's counting period. Besides the two lists the
// console reads, hosts and upstreams can be added, changed and deleted, as on the server's web page.
class ProxyHosts : public StateFamily {
public:
    ProxyHosts(TrafficModel& traffic, IdIssuer& ids);

    std::string name() const override { return "proxy"; }
    void registerCommands(CommandTable& table) override;
    void seed() override;
    Json::Value save() const override;
    void load(const Json::Value& document) override;

    Reply hostList();
    Reply upstreamList(const FormFields& fields);
    Reply addHost(const FormFields& fields);
    Reply modifyHost(const FormFields& fields);
    Reply removeHost(const FormFields& fields);
    Reply addUpstream(const FormFields& fields);
    Reply modifyUpstream(const FormFields& fields);
    Reply removeUpstream(const FormFields& fields);

private:
    struct Upstream {
        std::string id;
        std::string host;
        std::string note;
        bool down = false;
        std::string downTime;
    };
    struct Host {
        std::string id;
        std::string host;
        int balance = 0;
        std::string note;
        std::vector<Upstream> upstreams;
    };
    struct Counters;

    Host& hostById(const std::string& id, int refusal);
    Upstream& upstreamById(Host& host, const std::string& id);
    // A share of the traffic that depends only on the seed and the name.
    double weightOf(const std::string& name) const;
    Counters countersFor(double share);
    static Record withCounters(Record record, const Counters& counters);

    TrafficModel& traffic_;
    IdIssuer& ids_;
    std::vector<Host> hosts_;
};

}  // namespace morvix::sim
