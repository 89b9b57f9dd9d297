// The console's request path measured beside what its libraries do alone, in the same run:
// - a 100,000-rule page-cache list reply judged and read into records, against jsoncpp parsing
//   the same text and nothing more;
// - page-cache list requests with 8 in flight through builder, transport, morvix-sim, callback
//   and event, against a bare libcurl loop of 8 threads sending the same request (a fresh handle
//   per request, as the console's transport makes one per exchange).
#include "SimServer.h"
#include "features/cache/FCacheEvents.h"
#include "features/cache/FCacheReplyReader.h"
#include "features/cache/FCacheRequests.h"
#include "messaging/CThreadRegistry.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"
#include "protocol/ReplyEnvelope.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"

#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <httplib.h>
#include <json/json.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration elapsed)
{
    return std::chrono::duration<double>(elapsed).count();
}

std::string RuleListReply(int count)
{
    Json::Value root;
    root["RequestID"] = "1";
    root["Return"] = "True";
    root["NumOfLists"] = std::to_string(count);
    Json::Value& lists = root["Lists"];
    for (int i = 0; i < count; ++i) {
        Json::Value rule;
        rule["NO"] = std::to_string(i + 1);
        rule["Wid"] = "w" + std::to_string(100000 + i);
        rule["Url"] = "/news/" + std::to_string(i) + "/*.html";
        rule["Icase"] = "1";
        rule["Rules"] = std::to_string(i % 3);
        rule["Expire"] = "30";
        rule["Unit"] = "2";
        rule["Icookie"] = "1";
        rule["Olimit"] = "0";
        rule["IsDiskCache"] = "1";
        rule["Note"] = "%E6%96%B0%E9%97%BB%20" + std::to_string(i);
        lists.append(rule);
    }
    Json::StreamWriterBuilder writer;
    writer["indentation"] = "";
    return Json::writeString(writer, root);
}

void ListReplyIntoRecords(benchmark::State& state)
{
    const std::string reply = RuleListReply(100000);
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    double parseOnly = 0;
    double intoRecords = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        Json::Value root;
        std::string errors;
        reader->parse(reply.data(), reply.data() + reply.size(), &root, &errors);
        benchmark::DoNotOptimize(root);
        parseOnly += Seconds(Clock::now() - start);

        start = Clock::now();
        nsMoxHttp::ReplyEnvelope envelope = nsMoxHttp::JudgeReply(false, reply);
        std::vector<FCacheRule> rules;
        ReadFCacheRuleList(envelope.root, rules);
        benchmark::DoNotOptimize(rules);
        intoRecords += Seconds(Clock::now() - start);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["jsoncpp_parse_ms"] = parseOnly / n * 1000;
    state.counters["judged_and_read_ms"] = intoRecords / n * 1000;
    state.counters["ratio_to_parse"] = intoRecords / parseOnly;
}
BENCHMARK(ListReplyIntoRecords)->Unit(benchmark::kMillisecond)->Iterations(5);

// Counts completed list events and lets the sender keep a fixed number in flight.
class CompletionCounter : public IEventHandle {
public:
    int OnEventCall(int kind, std::uintptr_t, std::uintptr_t) override
    {
        if (kind != eMoxCacheEvent_FCacheList)
            return 0;
        std::lock_guard guard(lock_);
        ++completed_;
        changed_.notify_all();
        return 0;
    }
    void WaitUntilBelow(long sent, long inFlight)
    {
        std::unique_lock guard(lock_);
        changed_.wait(guard, [&] { return sent - completed_ < inFlight; });
    }
    long Completed()
    {
        std::lock_guard guard(lock_);
        return completed_;
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    long completed_ = 0;
};

struct SimWithSession {
    std::unique_ptr<morvix::sim::SimServer> sim;
    std::string host;
    std::string session;

    SimWithSession()
    {
        morvix::sim::SimOptions options;
        options.port = 0;
        options.seed = 1;
        sim = std::make_unique<morvix::sim::SimServer>(options);
        const int port = sim->start();
        host = "127.0.0.1:" + std::to_string(port);
        httplib::Client control("127.0.0.1", port);
        control.Post("/sim/state/fcache", R"({"count": 20})", "application/json");
        const auto reply = control.Post("/morvix/webcache.mox?type=sign&cmd=in",
                                        "Username=admin&Password=admin&RequestID=1",
                                        "application/x-www-form-urlencoded");
        Json::Value root;
        Json::Reader().parse(reply->body, root);
        session = root["SessionID"].asString();
    }
};

size_t Discard(char*, size_t size, size_t count, void*)
{
    return size * count;
}

double BareLibcurlRate(const SimWithSession& server, int threads, int perThread)
{
    const std::string url = "http://" + server.host + "/morvix/webcache.mox?type=fcache&cmd=list";
    const std::string body = "SessionID=" + server.session + "&RequestID=1";
    const auto start = Clock::now();
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (int i = 0; i < perThread; ++i) {
                CURL* easy = curl_easy_init();
                curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
                curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body.c_str());
                curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, Discard);
                curl_easy_perform(easy);
                curl_easy_cleanup(easy);
            }
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    return threads * perThread / Seconds(Clock::now() - start);
}

double ConsoleRate(CompletionCounter& counter, int total, int inFlight)
{
    const long before = counter.Completed();
    const auto start = Clock::now();
    for (long sent = 0; sent < total; ++sent) {
        counter.WaitUntilBelow(before + sent, inFlight);
        CacheManager_FCacheList();
    }
    counter.WaitUntilBelow(before + total, 1);
    return total / Seconds(Clock::now() - start);
}

void RequestsThroughTheConsole(benchmark::State& state)
{
    CThreadRegistry::Create();
    SimWithSession server;
    CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->CreateInstance("admin", server.host, 0);
    instance->SetSession(server.session, "admin", "", "3.5.0", "Linux 64Bits");
    instance->SetConnected(true);
    CompletionCounter counter;
    CZebEventManager::Instance()->Register(&counter);

    constexpr int kInFlight = 8;
    constexpr int kRequests = 2000;
    double console = 0;
    double bare = 0;
    for (auto _ : state) {
        console += ConsoleRate(counter, kRequests, kInFlight);
        bare += BareLibcurlRate(server, kInFlight, kRequests / kInFlight);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["console_requests_per_s"] = console / n;
    state.counters["bare_libcurl_requests_per_s"] = bare / n;
    state.counters["ratio_to_bare"] = console / bare;
    CZebEventManager::Instance()->Unregister(&counter);
    instance->SetConnected(false);
}
BENCHMARK(RequestsThroughTheConsole)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
