#pragma once

#include "CommandGroup.h"

#include <string>

namespace morvix::sim {

class CachedPages;
class CommandTable;
class DiskCache;
class DnsService;
class FormFields;
class Reply;
class TrafficModel;

// The running figures of the server ("realtime list"), the statistics report with its province
// rows ("realtime totalstat") and the request of the live stream ("realtime instantrequest").
class Realtime : public CommandGroup {
public:
    Realtime(TrafficModel& traffic, CachedPages& pages, DnsService& dns, const DiskCache& disks);

    void registerCommands(CommandTable& table) override;

    Reply counters();
    Reply report();
    Reply stream(const FormFields& fields) const;

private:
    TrafficModel& traffic_;
    CachedPages& pages_;
    DnsService& dns_;
    const DiskCache& disks_;
    long long peakMemoryKB_ = 0;
};

}  // namespace morvix::sim
