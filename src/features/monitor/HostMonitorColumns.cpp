#include "features/monitor/HostMonitorColumns.h"

#include "features/monitor/HostMonitorForms.h"
#include "shell/TextFormat.h"
#include "shell/MoxText.h"

namespace {

using Align = MonitorColumnAlign;

constexpr const char* kUpstreamConnectionsTip = MoxText::Noop("Morvix 到源站之间的连接数");
constexpr const char* kDownloadTip = MoxText::Noop("用户到 Morvix 的下载带宽");
constexpr const char* kUploadTip = MoxText::Noop("用户到 Morvix 的上传带宽");
constexpr const char* kSentTip = MoxText::Noop("两次请求之间 Morvix 发送给用户的数据");
constexpr const char* kReceivedTip = MoxText::Noop("两次请求之间 Morvix 从用户接收的数据");

std::string Count(std::int64_t value)
{
    return FormatText("%lld", static_cast<long long>(value));
}

// The columns both lists share, from the upstream connections on, as templates over the entry.
template <class Entry>
std::vector<MonitorColumn<Entry>> FigureColumns(int connectionsWidth, int bandwidthWidth, int bytesWidth,
                                                const char* requestsTitle, int requestsWidth)
{
    return {
        {MoxText::Noop("源站连接数"), kUpstreamConnectionsTip, connectionsWidth, Align::Right,
         [](const Entry& e) { return Count(e.last.UpstreamConnections); },
         [](const Entry& e) { return static_cast<double>(e.last.UpstreamConnections); }},
        {MoxText::Noop("用户下载带宽"), kDownloadTip, bandwidthWidth, Align::Right,
         [](const Entry& e) { return FormatMbps(e.interval.downloadMbps); },
         [](const Entry& e) { return e.interval.downloadMbps; }},
        {MoxText::Noop("用户上传带宽"), kUploadTip, bandwidthWidth, Align::Right,
         [](const Entry& e) { return FormatMbps(e.interval.uploadMbps); },
         [](const Entry& e) { return e.interval.uploadMbps; }},
        {MoxText::Noop("每间隔发送"), kSentTip, bytesWidth, Align::Right,
         [](const Entry& e) { return FormatIntervalBytes(e.interval.sentBytes); },
         [](const Entry& e) { return e.interval.sentBytes; }},
        {MoxText::Noop("每间隔接收"), kReceivedTip, bytesWidth, Align::Right,
         [](const Entry& e) { return FormatIntervalBytes(e.interval.receivedBytes); },
         [](const Entry& e) { return e.interval.receivedBytes; }},
        {requestsTitle, "", requestsWidth, Align::Right, [](const Entry& e) { return Count(e.last.RequestCount); },
         [](const Entry& e) { return static_cast<double>(e.last.RequestCount); }},
        {MoxText::Noop("每间隔请求数"), "", 90, Align::Right, [](const Entry& e) { return Count(e.interval.requests); },
         [](const Entry& e) { return static_cast<double>(e.interval.requests); }},
    };
}

std::vector<MonitorColumn<CMoxHostMonitor>> MakeHostColumns()
{
    using E = CMoxHostMonitor;
    std::vector<MonitorColumn<E>> columns{
        {MoxText::Noop("序号"), "", 45, Align::Centre, [](const E& e) { return Count(e.last.No); },
         [](const E& e) { return static_cast<double>(e.last.No); }},
        {MoxText::Noop("域名"), "", 165, Align::Left, [](const E& e) { return e.last.Host; }, nullptr},
        {MoxText::Noop("用户连接数"), "", 70, Align::Right, [](const E& e) { return Count(e.last.UserConnections); },
         [](const E& e) { return static_cast<double>(e.last.UserConnections); }},
    };
    for (auto& column : FigureColumns<E>(70, 85, 85, MoxText::Noop("日请求数"), 70))
        columns.push_back(column);
    return columns;
}

std::vector<MonitorColumn<CMoxUpstreamMonitor>> MakeUpstreamColumns()
{
    using E = CMoxUpstreamMonitor;
    std::vector<MonitorColumn<E>> columns{
        {MoxText::Noop("源站名或IP"), "", 130, Align::Centre, [](const E& e) { return e.last.Host; }, nullptr},
    };
    for (auto& column : FigureColumns<E>(80, 90, 80, MoxText::Noop("日请求量"), 70))
        columns.push_back(column);
    // The down time only means something while the origin is down.
    columns.push_back({MoxText::Noop("宕机时间"), MoxText::Noop("源站宕机时将显示宕机时间"), 124, Align::Centre,
                       [](const E& e) { return e.last.IsDown ? e.last.DownTime : std::string(); }, nullptr});
    return columns;
}

}  // namespace

const std::vector<MonitorColumn<CMoxHostMonitor>>& HostMonitorColumns()
{
    static const auto columns = MakeHostColumns();
    return columns;
}

const std::vector<MonitorColumn<CMoxUpstreamMonitor>>& UpstreamMonitorColumns()
{
    static const auto columns = MakeUpstreamColumns();
    return columns;
}
