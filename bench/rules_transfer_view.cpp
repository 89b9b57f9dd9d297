// Rules export and import, each beside a baseline measured in the same run:
// - the export of 100,000 page-cache rules to a file (the rules file's text built and written)
//   against one fwrite of the same bytes; target at most 3 x;
// - the import of 10,000 rules into the simulator through the rules form's one-at-a-time sequence
//   (ten files of 1,000 rules, the most a file's block holds) against the same add requests sent
//   one at a time by a bare libcurl loop; target at least 0.8 of the bare rate, with the window's
//   event loop never kept still for 50 ms or more.
#include "ViewBenchSupport.h"
#include "features/cache/RulesFile.h"
#include "features/cache/view/CExportDlg.h"
#include "shell/ExchangeFileText.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <curl/curl.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int kExportRules = 100000;
constexpr int kRounds = 5;
// Ten files make the 10,000 rules; MORVIX_BENCH_IMPORT_FILES asks for fewer on a busy machine.
const int kImportFiles = qEnvironmentVariableIsSet("MORVIX_BENCH_IMPORT_FILES")
                             ? qEnvironmentVariableIntValue("MORVIX_BENCH_IMPORT_FILES")
                             : 10;
constexpr int kRulesPerFile = kMostRulesPerBlock;

FCacheRule Rule(int file, int n)
{
    FCacheRule rule;
    rule.Url = "http://www.example.com/site" + std::to_string(file) + "/page" + std::to_string(n) + "/*";
    rule.Icase = 1;
    rule.Expire = 30;
    rule.Unit = 2;
    rule.Note = "规则 " + std::to_string(n);
    return rule;
}

double BestOf(const std::function<void()>& run)
{
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        run();
        best = std::min(best, Milliseconds(Clock::now() - start));
    }
    return best;
}

void MeasureExport(const std::filesystem::path& folder)
{
    RuleSet rules;
    for (int n = 0; n < kExportRules; ++n)
        rules.fcache.push_back(Rule(0, n));
    const std::string bytes = RulesFileText(rules, eRulesBlock_FCache).text;
    const std::string raw = (folder / "raw.txt").string();
    const double fwriteMs = BestOf([&] {
        FILE* file = std::fopen(raw.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    });
    // The export flushes its file to the disk before it replaces the old one; the same bytes
    // written and flushed alike show what that durability costs by itself.
    const double fwriteSyncMs = BestOf([&] {
        FILE* file = std::fopen(raw.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fflush(file);
        ::fsync(fileno(file));
        std::fclose(file);
    });
    const double textMs = BestOf([&] { RulesFileText(rules, eRulesBlock_FCache); });
    const double exportMs = BestOf([&] {
        ExchangeFileText::Write(folder / "rules.txt", RulesFileText(rules, eRulesBlock_FCache).text, nullptr);
    });
    std::printf("export of %d page-cache rules (%.1f MB), best of %d:\n", kExportRules, bytes.size() / 1e6, kRounds);
    std::printf("  one fwrite of the same bytes (baseline)   %8.1f ms\n", fwriteMs);
    std::printf("  one fwrite, flushed to the disk           %8.1f ms\n", fwriteSyncMs);
    std::printf("  the file's text built alone               %8.1f ms  (%.2f x the fwrite)\n", textMs, textMs / fwriteMs);
    std::printf("  rules file built and written              %8.1f ms  (%.2f x the fwrite, target <= 3 x; "
                "%.2f x the flushed fwrite)\n",
                exportMs, exportMs / fwriteMs, exportMs / fwriteSyncMs);
    std::printf("  (the export writes atomically: a temporary file, flushed to the disk, then renamed)\n");
}

std::string Escape(CURL* curl, const std::string& text)
{
    char* escaped = curl_easy_escape(curl, text.data(), static_cast<int>(text.size()));
    std::string result(escaped);
    curl_free(escaped);
    return result;
}

size_t Discard(char*, size_t size, size_t count, void*)
{
    return size * count;
}

// The same add requests, one at a time, by libcurl alone: on one kept-alive connection, or on a
// fresh connection for each as the console makes them.
double BareLoopMs(morvix::test::SimProcess& sim, const std::string& sessionId, bool freshConnections)
{
    CURL* curl = curl_easy_init();
    const std::string url = "http://" + sim.host() + "/morvix/webcache.mox?type=fcache&cmd=add";
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Discard);
    curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, freshConnections ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, freshConnections ? 1L : 0L);
    const auto start = Clock::now();
    int requestId = 1000000;
    for (int file = 0; file < kImportFiles; ++file) {
        for (int n = 0; n < kRulesPerFile; ++n) {
            const FCacheRule rule = Rule(file, n);
            const std::string body = "Url=" + Escape(curl, rule.Url) + "&Icase=1&Rules=0&Expire=30&Unit=2&Icookie=1"
                                     "&Olimit=0&IsDiskCache=1&Note=" + Escape(curl, rule.Note) +
                                     "&SessionID=" + sessionId + "&RequestID=" + std::to_string(++requestId);
            curl_easy_setopt(curl, CURLOPT_COPYPOSTFIELDS, body.c_str());
            curl_easy_perform(curl);
        }
    }
    const double ms = Milliseconds(Clock::now() - start);
    curl_easy_cleanup(curl);
    return ms;
}

void ClearRules(morvix::test::SimProcess& sim)
{
    Json::Value none;
    none["count"] = 0;
    sim.setState("fcache", none);
}

}  // namespace

int main(int argc, char** argv)
{
    PreferOffscreen();
    QApplication application(argc, argv);
    const std::filesystem::path folder = MakeScratchFolder();

    MeasureExport(folder);

    for (int file = 0; file < kImportFiles; ++file) {
        RuleSet rules;
        for (int n = 0; n < kRulesPerFile; ++n)
            rules.fcache.push_back(Rule(file, n));
        ExchangeFileText::Write(folder / ("import" + std::to_string(file) + ".txt"),
                                RulesFileText(rules, eRulesBlock_FCache).text, nullptr);
    }
    morvix::test::SimProcess sim;
    morvix::test::ConsoleSession console(sim.host());
    ClearRules(sim);
    const double bareMs = BareLoopMs(sim, console.SessionId(), false);
    ClearRules(sim);
    const double freshMs = BareLoopMs(sim, console.SessionId(), true);
    ClearRules(sim);

    StallMeter stalls;
    double formMs = 0;
    Clock::duration longestStall{};
    for (int file = 0; file < kImportFiles; ++file) {
        CExportDlg form(CExportDlg::Mode::Import, nullptr);
        form.show();
        form.PathEdit()->setText(QString::fromStdString((folder / ("import" + std::to_string(file) + ".txt")).string()));
        stalls.Start();
        const auto start = Clock::now();
        form.StartButton()->click();
        if (!ProcessUntil([&] { return form.StartButton()->text() == QStringLiteral("导入完成"); }, 600000)) {
            std::fprintf(stderr, "the import did not finish\n");
            return 1;
        }
        formMs += Milliseconds(Clock::now() - start);
        stalls.Stop();
        longestStall = std::max(longestStall, stalls.LongestAfter(start));
    }
    const int total = kImportFiles * kRulesPerFile;
    std::printf("import of %d page-cache rules, one add at a time:\n", total);
    std::printf("  bare libcurl loop (baseline)              %8.0f rules/s\n", total / (bareMs / 1000));
    std::printf("  bare loop, a fresh connection per add     %8.0f rules/s\n", total / (freshMs / 1000));
    std::printf("  the rules form                            %8.0f rules/s  (%.2f of the bare rate; target >= 0.8; "
                "%.2f of the fresh-connection rate)\n",
                total / (formMs / 1000), bareMs / formMs, freshMs / formMs);
    std::printf("  longest event-loop stall                  %8.1f ms  (target < 50 ms)\n", Milliseconds(longestStall));
    std::filesystem::remove_all(folder);
    return 0;
}
