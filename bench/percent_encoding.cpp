// Percent-encoding throughput of note-like text (ASCII mixed with Chinese) beside libcurl's own
// escaping of the same text in the same run. The two rules differ slightly (curl escapes ! * ' ( )),
// so the baseline is a speed reference, not an alternative.
#include "protocol/PercentEncoding.h"

#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

std::string MixedText(std::size_t bytes)
{
    static const char* const pieces[] = {"页面缓存规则 ", "/news/*.html ", "命中率 ", "Morvix cache note ",
                                         "a b&c/中 ", "(备注) ", "user_agent=Mozilla/5.0 "};
    std::string text;
    for (std::size_t i = 0; text.size() < bytes; ++i)
        text += pieces[i % std::size(pieces)];
    text.resize(bytes);
    return text;
}

const std::string& Text()
{
    static const std::string text = MixedText(64 * 1024);
    return text;
}

void MorvixPercentEncode(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(nsMoxHttp::PercentEncode(Text()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Text().size()));
}
BENCHMARK(MorvixPercentEncode);

void CurlEasyEscape(benchmark::State& state)
{
    CURL* curl = curl_easy_init();
    for (auto _ : state) {
        char* escaped = curl_easy_escape(curl, Text().data(), static_cast<int>(Text().size()));
        benchmark::DoNotOptimize(escaped);
        curl_free(escaped);
    }
    curl_easy_cleanup(curl);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Text().size()));
}
BENCHMARK(CurlEasyEscape);

// Prints each run as usual and remembers its rate, so that the ratio can follow the table.
class RateRecorder : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const auto rate = run.counters.find("bytes_per_second");
            if (rate != run.counters.end())
                megabytesPerSecond[run.benchmark_name()] = rate->second.value / 1e6;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> megabytesPerSecond;
};

}  // namespace

int main(int argc, char** argv)
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
    benchmark::Initialize(&argc, argv);
    RateRecorder reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double ours = reporter.megabytesPerSecond["MorvixPercentEncode"];
    const double curl = reporter.megabytesPerSecond["CurlEasyEscape"];
    if (ours > 0 && curl > 0)
        std::printf("\npercent-encoding: %.0f MB/s, curl_easy_escape: %.0f MB/s, ratio %.2f\n", ours, curl, ours / curl);
    benchmark::Shutdown();
    curl_global_cleanup();
    return 0;
}
