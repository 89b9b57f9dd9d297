#pragma once

#include "features/monitor/ProxyHost.h"
#include "features/monitor/UpstreamHost.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// What one host or origin did between two polls of its list.
struct HostInterval {
    std::int64_t requests = 0;
    double receivedBytes = 0;  // from users
    double sentBytes = 0;      // to users
    double downloadMbps = 0;   // megabits per second sent to users
    double uploadMbps = 0;     // megabits per second received from users
};

// The monitor entry of one host (by ProxyID) or origin (by UpstreamID): the record of its last
// sample, the local tick at which it arrived, and the interval values computed from it.
template <class Record>
struct CMoxMonitorEntry {
    Record last;
    std::uint64_t localTick = 0;
    HostInterval interval;
};
using CMoxHostMonitor = CMoxMonitorEntry<ProxyHost>;
using CMoxUpstreamMonitor = CMoxMonitorEntry<UpstreamHost>;

// The entries of every host (or origin) seen since the set was made, in order of first appearance.
// A host missing from a later reply keeps its entry with its last values.
template <class Record>
class CMoxMonitorSet {
public:
    using Entry = CMoxMonitorEntry<Record>;

    // Folds one accepted reply, received at localTick (ms), into the entries. New hosts are
    // appended; returns how many.
    std::size_t Update(const std::vector<Record>& records, std::uint64_t localTick);

    const std::vector<Entry>& Entries() const { return entries_; }
    const Entry* Find(const std::string& id) const;

private:
    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::size_t> index_;
};
using CMoxHostMonitorSet = CMoxMonitorSet<ProxyHost>;
using CMoxUpstreamMonitorSet = CMoxMonitorSet<UpstreamHost>;

// The sample update of one entry: previous is the entry as the last sample left it, or null for a
// host seen for the first time. Exposed for the set and for tests.
template <class Record>
HostInterval HostSampleInterval(const CMoxMonitorEntry<Record>* previous, const Record& current,
                                std::uint64_t localTick);
