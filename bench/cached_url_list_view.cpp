// How the cached-URL list takes a server with a million cached URLs: the time from the reply's
// arrival at the console (its event, once the request thread has read it) to every row in the
// list, and the longest the window's event loop was kept from running meanwhile, beside the time
// that cutting the same text into lines alone takes, all in one run; and the resident memory the
// list keeps against the reply's size. Targets: all rows within 2 s, no stall over 100 ms, memory
// growth under 3 times the reply.
#include "controls/CRuleListView.h"
#include "controls/CViewEventRelay.h"
#include "features/config/view/CToolsAllCacheListDlg.h"
#include "messaging/EventKinds.h"

#include "ResidentMemory.h"
#include "ViewBenchSupport.h"

#include <QApplication>

#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kUrls = 1000000;
constexpr int kRounds = 3;

// Resident memory in the unit of the reply's size (10^6 bytes).
double ResidentMB()
{
    return static_cast<double>(ResidentKb()) * 1024.0 / 1e6;
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

}  // namespace

int main(int argc, char** argv)
{
    PreferOffscreen();
    QApplication application(argc, argv);

    GeneratedListServer server("cachedpages", kUrls);

    std::vector<double> shownMs, stallMs, splitMs, growthMB;
    double replyMB = 0;
    EventArrival arrival(eMoxCacheEvent_ToolsCachedUrlList);
    StallMeter stalls;
    for (int round = 0; round < kRounds; ++round) {
        const std::string replyText = ReplyText(server.sim.host(), server.console.SessionId());
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
                              [&page](int kind, int status, std::uintptr_t record, unsigned long requestNumber) {
                                  page->OnRecordHandedOver(kind, status, CMoxEventParam::FromParam(record),
                                                           requestNumber);
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
        if (!ProcessUntil([&] { return shown; }, 120000) || page->RowCount() != static_cast<int>(kUrls)) {
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
