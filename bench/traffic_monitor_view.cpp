// What the traffic views cost the interface thread, each beside a baseline measured in the same run:
// - a host list reply of 5,000 hosts: sample update, re-sort and repaint of the visible rows,
//   against jsoncpp parsing the same reply text alone (target: at most 1x, no stall over 50 ms);
// - one counters sample on the figures pane with all four graphs full (800 points each),
//   repainted, against repainting an empty widget of the same size (target: under 2 ms).
#include "controls/CRuleListView.h"
#include "features/monitor/HostMonitorEvents.h"
#include "features/monitor/HostMonitorReplyReader.h"
#include "features/monitor/RealtimeInfo.h"
#include "features/monitor/view/CHostMonitorDlg.h"
#include "features/monitor/view/CRealtimeRunParamDlg.h"
#include "messaging/EventKinds.h"

#include <QApplication>

#include <json/reader.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kHosts = 5000;
constexpr int kHostRounds = 15;
constexpr int kPaneSamples = 200;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// The median and the largest of several timings of `work`.
struct Timing {
    double median = 0;
    double largest = 0;
};

Timing Measure(int rounds, const std::function<void(int)>& work)
{
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        work(round);
        times.push_back(Milliseconds(Clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

// A reply as the server writes it: every value a string, the counters grown by the round.
std::string HostReply(int round)
{
    std::string text = "{\"RequestID\":\"1\",\"Return\":\"True\",\"NumOfLists\":\"" + std::to_string(kHosts) +
                       "\",\"Lists\":[";
    for (int host = 0; host < kHosts; ++host) {
        const long long growth = static_cast<long long>(round) * (host % 97 + 1);
        text += (host ? "," : "") + std::string("{\"NO\":\"") + std::to_string(host + 1) + "\",\"ProxyID\":\"" +
                std::to_string(10000 + host) + "\",\"Host\":\"host" + std::to_string(host) +
                ".example.com\",\"Balance\":\"0\",\"StartTime\":\"2026-12-07 00:00:00\",\"EndTime\":\"\","
                "\"RequestCount\":\"" + std::to_string(1000 + growth) + "\",\"UploadCount\":\"" +
                std::to_string(50000 + growth * 300) + "\",\"DownloadCount\":\"" +
                std::to_string(900000 + growth * 9000) + "\",\"IpCount\":\"" + std::to_string(host % 300) +
                "\",\"UserConnections\":\"" + std::to_string(host % 120) + "\",\"UpstreamConnections\":\"" +
                std::to_string(host % 9) + "\",\"CurrentTickCount\":\"" + std::to_string(1000000 + round * 3000) +
                "\",\"Note\":\"\"}";
    }
    return text + "]}";
}

Json::Value Parse(const std::string& text)
{
    Json::Value root;
    std::string errors;
    std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
    reader->parse(text.data(), text.data() + text.size(), &root, &errors);
    return root;
}

void MeasureHostMonitor()
{
    std::vector<std::string> replies;
    std::vector<std::vector<ProxyHost>> records(kHostRounds + 1);
    for (int round = 0; round <= kHostRounds; ++round) {
        replies.push_back(HostReply(round));
        ReadProxyHostList(Parse(replies.back()), records[static_cast<std::size_t>(round)]);
    }
    const Timing parse = Measure(kHostRounds, [&](int round) { Parse(replies[static_cast<std::size_t>(round)]); });

    CHostMonitorDlg view;
    view.resize(1000, 700);
    view.show();
    view.StopMonitoring();
    // The event records are made and freed outside the timing: that is the request and event
    // threads' work.
    std::vector<CMoxProxyUrlListEventParam*> events;
    for (auto& items : records) {
        events.push_back(new CMoxProxyUrlListEventParam);
        events.back()->items = std::move(items);
    }
    auto handOver = [&](int round) {
        view.OnRecordHandedOver(eMoxCacheEvent_ProxyHostList, eMoxEventStatus_Ok,
                                events[static_cast<std::size_t>(round)], static_cast<unsigned long>(round) + 1);
    };
    handOver(0);
    view.List()->sortByColumn(4, Qt::DescendingOrder);  // by download bandwidth
    QApplication::processEvents();
    const Timing update = Measure(kHostRounds, [&](int round) {
        handOver(round + 1);
        view.List()->viewport()->repaint();
    });
    for (CMoxProxyUrlListEventParam* event : events)
        event->Release();
    std::printf("host reply of %d hosts: update + re-sort + repaint %.2f ms (largest %.2f ms), "
                "jsoncpp parse alone %.2f ms: ratio %.2f (target <= 1), largest stall %.2f ms (target <= 50)\n",
                kHosts, update.median, update.largest, parse.median, update.median / parse.median, update.largest);
}

RealtimeInfo Counters(int sample)
{
    RealtimeInfo info;
    info.CurrentTickCount = 1000 + sample * 1500LL;
    info.TotalSendKB = 1000000 + sample * (3000 + sample % 17 * 100LL);
    info.TotalRecvFromResponseKB = 200000 + sample * (500 + sample % 13 * 40LL);
    info.CurrentUserConnections = 300 + sample % 40;
    info.CurrentUpstreamConnections = 12 + sample % 7;
    info.CacheUsedMemSize = 180000 + sample % 50;
    info.NumOfCaches = 2000;
    return info;
}

void MeasureFiguresPane()
{
    CRealtimeRunParamDlg pane;
    pane.resize(1000, 600);
    pane.show();
    for (int sample = 0; sample < 800; ++sample)
        pane.ShowRealtime(Counters(sample));
    QApplication::processEvents();

    QWidget empty;
    empty.setAutoFillBackground(true);
    empty.resize(pane.size());
    empty.show();
    QApplication::processEvents();
    const Timing blank = Measure(kPaneSamples, [&](int) { empty.repaint(); });
    const Timing sample = Measure(kPaneSamples, [&](int round) {
        pane.ShowRealtime(Counters(800 + round));
        pane.repaint();
    });
    std::printf("figures pane sample with four full graphs: %.3f ms (largest %.3f ms, target < 2), "
                "empty widget of the same size repainted %.3f ms: ratio %.1f\n",
                sample.median, sample.largest, blank.median, sample.median / blank.median);
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MeasureHostMonitor();
    MeasureFiguresPane();
    return 0;
}
