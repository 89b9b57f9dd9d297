#pragma once

#include <cstdint>
#include <string>

// The cluster configuration of one server; also one slave in a master's list of slaves.
struct ClusterConfig {
    std::int16_t Role = 0;      // 0 not in a cluster, 1 master, 2 slave
    std::uint16_t Binding = 0;  // the master's cluster port, 1 to 65534
    std::string Auth;           // serial shared by master and slaves
    std::string Note;
    std::string Host;     // a slave: the master's "IP:port"; in a master's list: the slave's IP
    std::string SlaveID;  // a slave's name within the cluster
    std::int32_t NO = 0;  // number of the slave in the master's list
    std::int16_t SlaveStatus = 0;  // 0 not a slave, 1 network failure, 2 connecting, 3 refused, 4 connected
    std::int16_t MasterStatus = 0;
    std::string LoginTime;  // in a master's list: when the slave logged in

    static constexpr int kAuthLimit = 127;
    static constexpr int kNoteLimit = 511;
    static constexpr int kHostLimit = 31;
    static constexpr int kSlaveIdLimit = 255;
};
