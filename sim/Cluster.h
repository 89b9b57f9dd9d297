#pragma once

#include "StateFamily.h"

#include <chrono>
#include <string>
#include <vector>

namespace morvix::sim {

class CommandTable;
class FormFields;
class Reply;

// Cluster membership: not in a cluster, master (with its logged-in slaves) or slave (with the
// state of its connection to the master).
class Cluster : public StateFamily {
public:
    std::string name() const override { return "cluster"; }
    void registerCommands(CommandTable& table) override;
    void seed() override;
    Json::Value save() const override;
    void load(const Json::Value& document) override;

    Reply configuration() const;
    Reply status() const;
    Reply modify(const FormFields& fields);

private:
    enum Role { Alone = 0, Master = 1, Slave = 2 };
    enum ConnectionState { NotSlave = 0, NetworkFailed = 1, Connecting = 2, AuthFailed = 3, Connected = 4 };
    struct SlaveEntry {
        std::string name;
        std::string address;
        std::string loginTime;
        int state;
        std::string note;
    };

    int slaveConnectionState() const;

    int role_ = Alone;
    int binding_ = 7780;
    std::string auth_;
    std::string note_;
    std::string masterHost_;
    std::string slaveName_;
    std::vector<SlaveEntry> slaves_;
    // A new slave configuration spends a moment connecting before it reports success.
    std::chrono::steady_clock::time_point configuredAt_ = std::chrono::steady_clock::now();
};

}  // namespace morvix::sim
