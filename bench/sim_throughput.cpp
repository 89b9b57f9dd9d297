// How fast morvix-sim answers, beside what cpp-httplib itself does on the same loopback:
// page-cache list requests per second (1,000 rules, 8 clients) against a trivial endpoint that
// answers a constant of the same size, and live-stream lines per second against a trivial
// endpoint that streams constant lines.
#include "SimServer.h"

#include <benchmark/benchmark.h>
#include <httplib.h>
#include <json/reader.h>
#include <json/writer.h>

#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <thread>

namespace {

using morvix::sim::SimOptions;
using morvix::sim::SimServer;

constexpr int clientThreads = 8;
constexpr size_t linesPerRead = 20000;
const char* const streamTarget = "/morvix/webcache.mox?type=realtime&cmd=instantrequest";

struct Servers {
    std::unique_ptr<SimServer> sim;
    int simPort = 0;
    std::string session;
    std::string listBody;
    std::string streamBody;
    httplib::Server baseline;
    int baselinePort = 0;
    std::thread baselineRunner;
    std::string constantReply;
    std::string constantLine;

    Servers()
    {
        SimOptions options;
        options.host = "127.0.0.1";
        options.port = 0;
        options.seed = 1;
        options.streamRate = 0;
        sim = std::make_unique<SimServer>(options);
        simPort = sim->start();

        httplib::Client control("127.0.0.1", simPort);
        control.Post("/sim/state/fcache", R"({"count": 1000})", "application/json");
        const auto signIn = control.Post("/morvix/webcache.mox?type=sign&cmd=in",
                                         "Username=admin&Password=admin&RequestID=1",
                                         "application/x-www-form-urlencoded");
        Json::Value reply;
        Json::CharReaderBuilder builder;
        std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
        std::string errors;
        reader->parse(signIn->body.data(), signIn->body.data() + signIn->body.size(), &reply, &errors);
        session = reply["SessionID"].asString();
        listBody = "SessionID=" + session + "&RequestID=2";
        streamBody = "SessionID=" + session +
                     "&RequestID=3&RequestUrl=*&Icase=1&Rules=0&Location=1&DateTime=1&HitCache=1&UserAgent=0&"
                     "InvalidRequest=0&HitMemberCache=0";

        constantReply = control.Post("/morvix/webcache.mox?type=fcache&cmd=list", listBody,
                                     "application/x-www-form-urlencoded")
                            ->body;
        constantLine = "2024-05-01 12:00:00 192.168.1.23 广东 http://www.example.com/news/2024/n1234.html HitCache=1\r\n";
        baseline.Post("/constant", [this](const httplib::Request&, httplib::Response& response) {
            response.set_content(constantReply, "application/json; charset=utf-8");
        });
        baseline.Post("/stream", [this](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider("application/octet-stream", [this](size_t, httplib::DataSink& sink) {
                std::string chunk;
                for (int i = 0; i < 2000; ++i)
                    chunk += constantLine;
                return sink.write(chunk.data(), chunk.size());
            });
        });
        baseline.set_keep_alive_max_count(1000);
        baseline.set_tcp_nodelay(true);
        baseline.new_task_queue = [] { return new httplib::ThreadPool(16); };
        baselinePort = baseline.bind_to_any_port("127.0.0.1");
        baselineRunner = std::thread([this] { baseline.listen_after_bind(); });
        while (!baseline.is_running())
            std::this_thread::yield();
    }

    ~Servers()
    {
        baseline.stop();
        baselineRunner.join();
        sim->stop();
    }
};

Servers* servers = nullptr;

void postRepeatedly(benchmark::State& state, int port, const std::string& target, const std::string& body)
{
    httplib::Client client("127.0.0.1", port);
    client.set_keep_alive(true);
    client.set_tcp_nodelay(true);
    size_t bytes = 0;
    for (auto _ : state) {
        const auto result = client.Post(target.c_str(), body, "application/x-www-form-urlencoded");
        if (!result || result->status != 200) {
            state.SkipWithError("request failed");
            break;
        }
        bytes += result->body.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

void readLines(benchmark::State& state, int port, const std::string& target, const std::string& body)
{
    httplib::Client client("127.0.0.1", port);
    client.set_tcp_nodelay(true);
    size_t lines = 0;
    for (auto _ : state) {
        size_t seen = 0;
        httplib::Request request;
        request.method = "POST";
        request.path = target;
        request.body = body;
        request.set_header("Content-Type", "application/x-www-form-urlencoded");
        request.content_receiver = [&](const char* data, size_t length, uint64_t, uint64_t) {
            for (size_t i = 0; i < length; ++i)
                seen += data[i] == '\n' ? 1 : 0;
            return seen < linesPerRead;
        };
        httplib::Response response;
        httplib::Error error;
        client.send(request, response, error);
        lines += seen;
    }
    state.SetItemsProcessed(static_cast<int64_t>(lines));
}

void BaselineConstantReply(benchmark::State& state)
{
    postRepeatedly(state, servers->baselinePort, "/constant", servers->listBody);
}

void PageCacheList1000Rules(benchmark::State& state)
{
    postRepeatedly(state, servers->simPort, "/morvix/webcache.mox?type=fcache&cmd=list", servers->listBody);
}

void BaselineConstantStream(benchmark::State& state)
{
    readLines(state, servers->baselinePort, "/stream", servers->streamBody);
}

void LiveStreamLines(benchmark::State& state)
{
    readLines(state, servers->simPort, streamTarget, servers->streamBody);
}

BENCHMARK(BaselineConstantReply)->Threads(clientThreads)->UseRealTime()->MinTime(2.0);
BENCHMARK(PageCacheList1000Rules)->Threads(clientThreads)->UseRealTime()->MinTime(2.0);
BENCHMARK(BaselineConstantStream)->UseRealTime()->MinTime(2.0);
BENCHMARK(LiveStreamLines)->UseRealTime()->MinTime(2.0);

// Keeps the items-per-second figure of every run, to print each beside its baseline at the end.
class RateCollector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto found = run.counters.find("items_per_second");
            if (found != run.counters.end())
                rates[run.run_name.function_name] = found->second.value;
        }
    }
    std::map<std::string, double> rates;
};

void printRatio(const RateCollector& collector, const std::string& measured, const std::string& baseline,
                const char* unit)
{
    const auto m = collector.rates.find(measured);
    const auto b = collector.rates.find(baseline);
    if (m == collector.rates.end() || b == collector.rates.end())
        return;
    std::cout << measured << ": " << static_cast<long long>(m->second) << " " << unit << "/s; baseline " << baseline
              << ": " << static_cast<long long>(b->second) << " " << unit << "/s; ratio " << m->second / b->second
              << "\n";
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Servers running;
    servers = &running;
    RateCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    std::cout << "\n";
    printRatio(collector, "PageCacheList1000Rules", "BaselineConstantReply", "requests");
    printRatio(collector, "LiveStreamLines", "BaselineConstantStream", "lines");
    benchmark::Shutdown();
    return 0;
}
