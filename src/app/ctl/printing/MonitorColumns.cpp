#include "RecordColumns.h"
#include "features/monitor/ProxyHost.h"
#include "features/monitor/RealtimeInfo.h"
#include "features/monitor/RealtimeStatRow.h"
#include "features/monitor/RthRecord.h"
#include "features/monitor/UpstreamHost.h"

namespace {

// A proxied host and an origin count the same figures over their counting period.
template <class R>
std::vector<Column<R>> PeriodCounterColumns()
{
    return {Field("StartTime", &R::StartTime),       Field("EndTime", &R::EndTime),
            Field("RequestCount", &R::RequestCount), Field("UploadCount", &R::UploadCount),
            Field("DownloadCount", &R::DownloadCount), Field("IpCount", &R::IpCount),
            Field("UserConnections", &R::UserConnections), Field("UpstreamConnections", &R::UpstreamConnections)};
}

template <class R>
std::vector<Column<R>> Joined(std::vector<Column<R>> head, const std::vector<Column<R>>& middle,
                              const std::vector<Column<R>>& tail)
{
    head.insert(head.end(), middle.begin(), middle.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

}  // namespace

template <>
const std::vector<Column<ProxyHost>>& ColumnsOf<ProxyHost>()
{
    using R = ProxyHost;
    static const std::vector<Column<R>> columns = Joined<R>(
        {Field("No", &R::No), Field("ProxyID", &R::ProxyID), Field("Host", &R::Host), Field("Balance", &R::Balance)},
        PeriodCounterColumns<R>(), {Field("Note", &R::Note)});
    return columns;
}

template <>
const std::vector<Column<UpstreamHost>>& ColumnsOf<UpstreamHost>()
{
    using R = UpstreamHost;
    static const std::vector<Column<R>> columns =
        Joined<R>({Field("No", &R::No), Field("UpstreamID", &R::UpstreamID), Field("Host", &R::Host)},
                  PeriodCounterColumns<R>(),
                  {Field("IsDown", &R::IsDown), Field("DownTime", &R::DownTime), Field("Note", &R::Note)});
    return columns;
}

template <>
const std::vector<Column<RthRecord>>& ColumnsOf<RthRecord>()
{
    using R = RthRecord;
    static const std::vector<Column<R>> columns = {
        Field("No", &R::No),
        Field("Title", &R::Title),
        Field("RequestUrl", &R::RequestUrl),
        Field("Icase", &R::Icase),
        Field("Rules", &R::Rules),
        Field("Location", &R::Location),
        Field("DateTime", &R::DateTime),
        Field("HitCache", &R::HitCache),
        Field("UserAgent", &R::UserAgent),
        Field("InvalidRequest", &R::InvalidRequest),
        Field("HitMemberCache", &R::HitMemberCache),
    };
    return columns;
}

template <>
const std::vector<Column<RealtimeStatRow>>& ColumnsOf<RealtimeStatRow>()
{
    using R = RealtimeStatRow;
    static const std::vector<Column<R>> columns = {
        Field("Name", &R::Name),
        Field("TotalRequests", &R::TotalRequests),
        Field("DistinctAddresses", &R::DistinctAddresses),
        Field("RequestsPerAddress", &R::RequestsPerAddress),
        Field("TrafficShare", &R::TrafficShare),
    };
    return columns;
}

template <>
const std::vector<Column<RealtimeInfo>>& ColumnsOf<RealtimeInfo>()
{
    using R = RealtimeInfo;
    static const std::vector<Column<R>> columns = {
        Field("CurrentUserConnections", &R::CurrentUserConnections),
        Field("CurrentUpstreamConnections", &R::CurrentUpstreamConnections),
        Field("AllUsedMemSize", &R::AllUsedMemSize),
        Field("CacheUsedMemSize", &R::CacheUsedMemSize),
        Field("NumOfCaches", &R::NumOfCaches),
        Field("TotalSendKB", &R::TotalSendKB),
        Field("TotalRecvKB", &R::TotalRecvKB),
        Field("NumOfCachedSessions", &R::NumOfCachedSessions),
        Field("NumOfPublicCaches", &R::NumOfPublicCaches),
        Field("NumOfMemberCaches", &R::NumOfMemberCaches),
        Field("NumOfVisitorCaches", &R::NumOfVisitorCaches),
        Field("PublicCacheUsedMemSize", &R::PublicCacheUsedMemSize),
        Field("MemberCacheUsedMemSize", &R::MemberCacheUsedMemSize),
        Field("VisitorCacheUsedMemSize", &R::VisitorCacheUsedMemSize),
        Field("TotalSendToResponseKB", &R::TotalSendToResponseKB),
        Field("TotalRecvFromResponseKB", &R::TotalRecvFromResponseKB),
        Field("CountOfAFRWR", &R::CountOfAFRWR),
        Field("NumOfDiskCaches", &R::NumOfDiskCaches),
        Field("SizeOfDiskCachesIndex", &R::SizeOfDiskCachesIndex),
        Field("NumOfDNSCaches", &R::NumOfDNSCaches),
        Field("TotalPhyMemSizeKB", &R::TotalPhyMemSizeKB),
        Field("FreePhyMemSizeKB", &R::FreePhyMemSizeKB),
        Field("MoxPeakUsedMemSizeKB", &R::MoxPeakUsedMemSizeKB),
        Field("MoxUsedMemSizeKB", &R::MoxUsedMemSizeKB),
        Field("CurrentTickCount", &R::CurrentTickCount),
        Field("StartTime", &R::StartTime),
        Field("CurrentTime", &R::CurrentTime),
    };
    return columns;
}
