#include "features/monitor/HostSampleUpdate.h"

namespace {

constexpr double kBytesPerMegabit = 1048576.0 / 8;

const std::string& Key(const ProxyHost& host)
{
    return host.ProxyID;
}

const std::string& Key(const UpstreamHost& upstream)
{
    return upstream.UpstreamID;
}

double Seconds(std::int64_t milliseconds)
{
    return static_cast<double>(milliseconds) / 1000;
}

// A new StartTime means the server began a new counting period. Totals that went back without
// one (a restart that kept the text) are treated the same, so no interval is ever negative.
template <class Record>
bool NewPeriod(const Record& before, const Record& now)
{
    return now.StartTime != before.StartTime || now.RequestCount < before.RequestCount ||
           now.UploadCount < before.UploadCount || now.DownloadCount < before.DownloadCount;
}

// The span between two samples: by the server's clock when both replies carry it, else by ours.
template <class Record>
double SpanSince(const CMoxMonitorEntry<Record>& previous, const Record& current, std::uint64_t localTick)
{
    if (current.CurrentTickCount > 0 && previous.last.CurrentTickCount > 0)
        return Seconds(current.CurrentTickCount - previous.last.CurrentTickCount);
    return Seconds(static_cast<std::int64_t>(localTick - previous.localTick));
}

template <class Record>
HostInterval Totals(const Record& record)
{
    return {record.RequestCount, static_cast<double>(record.UploadCount), static_cast<double>(record.DownloadCount)};
}

void SetBandwidths(HostInterval& interval, double sentBytes, double receivedBytes, double seconds)
{
    if (seconds <= 0)
        seconds = 1;
    interval.downloadMbps = sentBytes / seconds / kBytesPerMegabit;
    interval.uploadMbps = receivedBytes / seconds / kBytesPerMegabit;
}

}  // namespace

template <class Record>
HostInterval HostSampleInterval(const CMoxMonitorEntry<Record>* previous, const Record& current,
                                std::uint64_t localTick)
{
    if (!previous) {
        // No interval yet. The bandwidths are the period's average by the server's clock; without
        // that clock there is no span, and one second would pass the whole period off as a burst.
        HostInterval first;
        if (current.CurrentTickCount > 0)
            SetBandwidths(first, static_cast<double>(current.DownloadCount), static_cast<double>(current.UploadCount),
                          Seconds(current.CurrentTickCount));
        return first;
    }
    HostInterval interval;
    double span = 0;
    if (NewPeriod(previous->last, current)) {
        interval = Totals(current);
        span = current.CurrentTickCount > 0 ? Seconds(current.CurrentTickCount) : SpanSince(*previous, current, localTick);
    } else {
        const Record& before = previous->last;
        interval.requests = current.RequestCount - before.RequestCount;
        interval.receivedBytes = static_cast<double>(current.UploadCount - before.UploadCount);
        interval.sentBytes = static_cast<double>(current.DownloadCount - before.DownloadCount);
        span = SpanSince(*previous, current, localTick);
    }
    SetBandwidths(interval, interval.sentBytes, interval.receivedBytes, span);
    return interval;
}

template <class Record>
std::size_t CMoxMonitorSet<Record>::Update(const std::vector<Record>& records, std::uint64_t localTick)
{
    const std::size_t before = entries_.size();
    for (const Record& record : records) {
        const auto [found, added] = index_.try_emplace(Key(record), entries_.size());
        Entry* entry = added ? nullptr : &entries_[found->second];
        const HostInterval interval = HostSampleInterval(entry, record, localTick);
        if (added)
            entry = &entries_.emplace_back();
        entry->last = record;
        entry->localTick = localTick;
        entry->interval = interval;
    }
    return entries_.size() - before;
}

template <class Record>
const typename CMoxMonitorSet<Record>::Entry* CMoxMonitorSet<Record>::Find(const std::string& id) const
{
    const auto found = index_.find(id);
    return found == index_.end() ? nullptr : &entries_[found->second];
}

template class CMoxMonitorSet<ProxyHost>;
template class CMoxMonitorSet<UpstreamHost>;
template HostInterval HostSampleInterval(const CMoxHostMonitor*, const ProxyHost&, std::uint64_t);
template HostInterval HostSampleInterval(const CMoxUpstreamMonitor*, const UpstreamHost&, std::uint64_t);
