// How the cached-URL list takes a server with a million cached URLs: the time from the reply's
// arrival at the console (its event, once the request thread has read it) to every row in the
// list, and the longest the window's event loop was kept from running meanwhile, beside the time
// that cutting the same text into lines alone takes, all in one run; and the resident memory the
// list keeps against the reply's size. Targets: all rows within 2 s, no stall over 100 ms, memory
// growth under 3 times the reply.
#include "controls/CRuleListView.h"
#include "controls/CViewEventRelay.h"
#include "features/config/view/CToolsAllCacheListDlg.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"
#include "messaging/IEventHandle.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kUrls = 1000000;
constexpr int kRounds = 3;
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Notes when the list event reaches the handlers, on the event thread.
class ListArrival : public IEventHandle {
public:
    ListArrival() { CZebEventManager::Instance()->Register(this); }
    ~ListArrival() override { CZebEventManager::Instance()->Unregister(this); }
    int OnEventCall(int kind, std::uintptr_t, std::uintptr_t) override
    {
        if (kind == eMoxCacheEvent_ToolsCachedUrlList)
            arrived_.store(Clock::now().time_since_epoch().count());
        return 0;
    }
    void Reset() { arrived_.store(0); }
    Clock::time_point When() const { return Clock::time_point(Clock::duration(arrived_.load())); }

private:
    std::atomic<Clock::rep> arrived_{0};
};

// Ticks as often as the event loop lets it; a long gap between two ticks is a stall.
class StallMeter : public QObject {
public:
    StallMeter()
    {
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, [this] { ticks_.push_back(Clock::now()); });
    }
    void Start()
    {
        ticks_.clear();
        timer_.start();
    }
    void Stop() { timer_.stop(); }
    Clock::duration LongestAfter(Clock::time_point from) const
    {
        Clock::duration longest{};
        for (std::size_t i = 1; i < ticks_.size(); ++i)
            if (ticks_[i] > from)
                longest = std::max(longest, ticks_[i] - ticks_[i - 1]);
        return longest;
    }

private:
    QTimer timer_;
    std::vector<Clock::time_point> ticks_;
};

bool ProcessUntil(const std::function<bool()>& condition)
{
    QDeadlineTimer deadline(120000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

double ResidentMB()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

std::string ReplyText(const std::string& host, const std::string& sessionId)
{
    const std::size_t colon = host.rfind(':');
    httplib::Client client(host.substr(0, colon), std::stoi(host.substr(colon + 1)));
    client.set_read_timeout(120);
    const auto reply = client.Post("/morvix/webcache.mox?type=tools&cmd=allcachelist",
                                   "SessionID=" + sessionId + "&RequestID=1", "application/x-www-form-urlencoded");
    return reply ? reply->body : std::string();
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        if (end != 0)
            lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 2);
    }
    return lines;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    morvix::test::SimProcess sim;
    Json::Value generate;
    generate["count"] = static_cast<Json::UInt64>(kUrls);
    sim.setState("cachedpages", generate);
    morvix::test::ConsoleSession console(sim.host());

    std::vector<double> shownMs, stallMs, splitMs, growthMB;
    double replyMB = 0;
    ListArrival arrival;
    StallMeter stalls;
    for (int round = 0; round < kRounds; ++round) {
        const std::string replyText = ReplyText(sim.host(), console.SessionId());
        replyMB = static_cast<double>(replyText.size()) / 1e6;
        const auto splitStart = Clock::now();
        const std::size_t lines = SplitLines(replyText).size();
        splitMs.push_back(Milliseconds(Clock::now() - splitStart));
        if (lines != kUrls) {
            std::fprintf(stderr, "the reply has %zu lines\n", lines);
            return 1;
        }

        const double residentBefore = ResidentMB();
        auto page = std::make_unique<CToolsAllCacheListDlg>();
        CViewEventRelay relay(page.get(), {eMoxCacheEvent_ToolsCachedUrlList},
                              [&page](int kind, int status, std::uintptr_t record) {
                                  page->OnRecordHandedOver(kind, status, CMoxEventParam::FromParam(record));
                              });
        page->resize(900, 600);
        page->show();
        bool shown = false;
        Clock::time_point shownAt;
        QObject::connect(page.get(), &CToolsAllCacheListDlg::RowsShown, [&] {
            shown = true;
            shownAt = Clock::now();
        });
        arrival.Reset();
        stalls.Start();
        page->Fetch();
        if (!ProcessUntil([&] { return shown; }) || page->RowCount() != static_cast<int>(kUrls)) {
            std::fprintf(stderr, "the list was not shown\n");
            return 1;
        }
        stalls.Stop();
        shownMs.push_back(Milliseconds(shownAt - arrival.When()));
        stallMs.push_back(Milliseconds(stalls.LongestAfter(arrival.When())));
        QCoreApplication::sendPostedEvents();
        growthMB.push_back(ResidentMB() - residentBefore);
    }

    const double split = Median(splitMs);
    std::printf("reply: %zu URLs, %.1f MB of text; medians of %d rounds:\n", kUrls, replyMB, kRounds);
    std::printf("  cutting the text into lines (baseline)   %8.1f ms\n", split);
    std::printf("  list event to every row in the list      %8.1f ms  (%.1f x the baseline; target < 2000 ms)\n",
                Median(shownMs), Median(shownMs) / split);
    std::printf("  longest event-loop stall after the event %8.1f ms  (%.1f x the baseline; target < 100 ms)\n",
                Median(stallMs), Median(stallMs) / split);
    std::printf("  resident memory growth                   %8.1f MB  (%.2f x the reply; target < 3)\n",
                Median(growthMB), Median(growthMB) / replyMB);
    return 0;
}
