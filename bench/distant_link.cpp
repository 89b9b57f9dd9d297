// The console against a server 10 ms away each way (a loopback relay in front of morvix-sim), each
// figure beside a bare libcurl loop on one kept-alive connection through the same relay, in the
// same run: a page-cache list, a realtime poll and a 500-rule import, one request at a time, by
// the console's own code path (request builder, transport, reply callback, event); and the poll
// again over https to a server whose key is pinned, against libcurl pinning the same key. Target:
// at least 0.9 of the bare loop for each.
#include "DelayRelay.h"
#include "features/cache/FCacheRequests.h"
#include "features/cache/RulesImportQueue.h"
#include "features/monitor/RealtimeRequests.h"
#include "messaging/CMoxEventParam.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"
#include "transport/ServerCertificate.h"
#include "transport/TlsTrust.h"

#include <curl/curl.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kOneWay{10};
constexpr int kReads = 50;
constexpr int kImportedRules = 500;

double Seconds(Clock::duration elapsed)
{
    return std::chrono::duration<double>(elapsed).count();
}

std::size_t Discard(char*, std::size_t size, std::size_t count, void*)
{
    return size * count;
}

// The baseline: libcurl alone, one handle and so one kept-alive connection, one request at a time.
// Over https it trusts the server by the pinned key, as the console does.
class BareLoop {
public:
    explicit BareLoop(const std::string& base, const std::string& pin = {}) : base_(base), curl_(curl_easy_init())
    {
        curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, Discard);
        if (!pin.empty()) {
            curl_easy_setopt(curl_, CURLOPT_SSL_VERIFYPEER, 0L);
            curl_easy_setopt(curl_, CURLOPT_SSL_VERIFYHOST, 0L);
            curl_easy_setopt(curl_, CURLOPT_PINNEDPUBLICKEY, pin.c_str());
        }
    }
    ~BareLoop() { curl_easy_cleanup(curl_); }

    // Requests per second for `count` requests of this type and cmd, with the body made for each.
    double Rate(const std::string& query, int count, const std::function<std::string(int)>& body)
    {
        const std::string url = base_ + "/morvix/webcache.mox?" + query;
        curl_easy_setopt(curl_, CURLOPT_URL, url.c_str());
        const auto start = Clock::now();
        for (int i = 0; i < count; ++i) {
            curl_easy_setopt(curl_, CURLOPT_COPYPOSTFIELDS, body(i).c_str());
            curl_easy_perform(curl_);
        }
        return count / Seconds(Clock::now() - start);
    }

    std::string Escape(const std::string& text)
    {
        char* escaped = curl_easy_escape(curl_, text.data(), static_cast<int>(text.size()));
        std::string result(escaped);
        curl_free(escaped);
        return result;
    }

private:
    std::string base_;
    CURL* curl_;
};

// Wakes the sender as soon as the completion it waits for has been dispatched, as a view is woken;
// a polling wait would add its own latency to the console's figure.
class Completions : public IEventHandle {
public:
    using Accept = std::function<bool(unsigned long requestNumber)>;

    Completions() { CZebEventManager::Instance()->Register(this); }
    ~Completions() override { CZebEventManager::Instance()->Unregister(this); }

    // Counts from now the events of this kind whose request number `accept` takes (every one without it).
    void Expect(int kind, Accept accept = {})
    {
        std::lock_guard guard(lock_);
        kind_ = kind;
        accept_ = std::move(accept);
        seen_ = 0;
    }

    int OnEventCall(int kind, std::uintptr_t, std::uintptr_t) override
    {
        std::lock_guard guard(lock_);
        if (kind == kind_ && (!accept_ || accept_(CZebEventManager::DispatchedRequestNumber()))) {
            ++seen_;
            changed_.notify_all();
        }
        return 0;
    }

    bool WaitFor(long count)
    {
        std::unique_lock guard(lock_);
        return changed_.wait_for(guard, std::chrono::seconds(30), [&] { return seen_ >= count; });
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    int kind_ = 0;
    Accept accept_;
    long seen_ = 0;
};

// Requests per second through the console, each sent once the previous one's event has arrived.
double ConsoleRate(Completions& completions, int count, int completion, const std::function<bool()>& send)
{
    completions.Expect(completion);
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        if (!send() || !completions.WaitFor(i + 1)) {
            std::fprintf(stderr, "bench: request %d of kind %d got no answer\n", i, completion);
            return 0;
        }
    }
    return count / Seconds(Clock::now() - start);
}

FCacheRule Rule(int n)
{
    FCacheRule rule;
    rule.Url = "http://www.example.com/far/page" + std::to_string(n) + "/*";
    rule.Icase = 1;
    rule.Expire = 30;
    rule.Unit = 2;
    rule.Note = "规则 " + std::to_string(n);
    return rule;
}

double ConsoleImportRate(Completions& completions)
{
    RuleSet rules;
    for (int n = 0; n < kImportedRules; ++n)
        rules.fcache.push_back(Rule(n));
    RulesImportQueue queue(std::move(rules));
    std::atomic<unsigned long> awaited{0};
    completions.Expect(eMoxCacheEvent_FCacheAdd,
                       [&awaited](unsigned long requestNumber) { return requestNumber == awaited.load(); });
    const auto start = Clock::now();
    for (long sent = 1; !queue.Finished(); ++sent) {
        awaited = queue.SendNext().requestNumber;
        if (awaited == 0 || !completions.WaitFor(sent))
            return 0;
    }
    return kImportedRules / Seconds(Clock::now() - start);
}

void ClearRules(morvix::test::SimProcess& sim, int count)
{
    Json::Value generated;
    generated["count"] = count;
    sim.setState("fcache", generated);
}

void Print(const char* what, const char* unit, double bare, double console)
{
    std::printf("  %-28s bare kept-alive libcurl %7.1f %s   console %7.1f %s   ratio %.2f (target >= 0.90)\n", what,
                bare, unit, console, unit, console / bare);
}

}  // namespace

int main()
{
    morvix::test::SimProcess sim;
    morvix::bench::DelayRelay relay(sim.port(), kOneWay);
    morvix::test::ConsoleSession console(relay.Host());
    const std::string session = "SessionID=" + console.SessionId() + "&RequestID=";
    console.StopRecording();
    Completions completions;
    ClearRules(sim, 20);

    BareLoop bare("http://" + relay.Host());
    const double bareList = bare.Rate("type=fcache&cmd=list", kReads, [&](int i) { return session + std::to_string(i + 1); });
    const double consoleList = ConsoleRate(completions, kReads, eMoxCacheEvent_FCacheList, CacheManager_FCacheList);
    const double barePoll = bare.Rate("type=realtime&cmd=list", kReads, [&](int i) { return session + std::to_string(i + 1); });
    const double consolePoll =
        ConsoleRate(completions, kReads, eMoxCacheEvent_RealtimeInfoRead, MonitorManager_RealtimeList);

    ClearRules(sim, 0);
    const double bareImport = bare.Rate("type=fcache&cmd=add", kImportedRules, [&](int n) {
        const FCacheRule rule = Rule(n);
        return "Url=" + bare.Escape(rule.Url) + "&Icase=1&Rules=0&Expire=30&Unit=2&Icookie=1&Olimit=0&IsDiskCache=1"
               "&Note=" + bare.Escape(rule.Note) + "&" + session + std::to_string(n + 1);
    });
    ClearRules(sim, 0);
    const int connectionsBefore = relay.Connections();
    const double consoleImport = ConsoleImportRate(completions);
    const int importConnections = relay.Connections() - connectionsBefore;

    // The same poll over https, the server's key pinned on both sides and connections kept alive.
    morvix::test::SimProcess tlsSim({"--tls"});
    morvix::bench::DelayRelay tlsRelay(tlsSim.port(), kOneWay);
    const auto shown = nsMoxHttp::FetchServerCertificate(tlsRelay.Host());
    if (!shown) {
        std::fprintf(stderr, "bench: no certificate from the https simulator\n");
        return 1;
    }
    nsMoxHttp::TlsTrust::Pin(tlsRelay.Host(), shown->pin);
    if (!morvix::test::SignIn("https://" + tlsRelay.Host())) {
        std::fprintf(stderr, "bench: no https session\n");
        return 1;
    }
    const std::string tlsSession =
        "SessionID=" + CMoxInstanceManager::GetInstanceManager()->GetInstance()->SessionId() + "&RequestID=";
    BareLoop bareTls("https://" + tlsRelay.Host(), shown->pin);
    const double bareTlsPoll =
        bareTls.Rate("type=realtime&cmd=list", kReads, [&](int i) { return tlsSession + std::to_string(i + 1); });
    const double consoleTlsPoll =
        ConsoleRate(completions, kReads, eMoxCacheEvent_RealtimeInfoRead, MonitorManager_RealtimeList);

    std::printf("through a relay adding %lld ms each way (one round trip per new connection), one request at a time:\n",
                static_cast<long long>(kOneWay.count()));
    Print("page-cache list (20 rules)", "req/s", bareList, consoleList);
    Print("realtime poll", "req/s", barePoll, consolePoll);
    Print("import of 500 rules", "rules/s", bareImport, consoleImport);
    std::printf("  connections the console opened for the import: %d\n", importConnections);
    Print("realtime poll over https", "req/s", bareTlsPoll, consoleTlsPoll);
    return consoleList > 0 && consolePoll > 0 && consoleImport > 0 && consoleTlsPoll > 0 ? 0 : 1;
}
