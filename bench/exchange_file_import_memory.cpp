// The peak memory of reading an exchanged file of 16 MiB for an import (target: within 8 times
// the file's size plus a fixed base), beside a baseline of the same run: the plain read of the same
// file into memory. Each figure is taken in a child process of its own, from the kernel's peak of
// resident memory, less what the child held when it started.
#include "features/access/BlackListFile.h"
#include "features/cache/RulesFile.h"
#include "features/config/DnsRedirectFile.h"
#include "shell/ExchangeFileText.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long StatusKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + std::string_view(key).size(), nullptr, 10);
    return -1;
}

// The peak resident memory, in kB, that `work` adds in a fresh child process.
long PeakKb(const std::function<void()>& work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
        const long before = StatusKb("VmRSS:");
        work();
        const long added = StatusKb("VmHWM:") - before;
        (void)!::write(channel[1], &added, sizeof added);
        ::_exit(0);
    }
    long added = -1;
    (void)!::read(channel[0], &added, sizeof added);
    ::waitpid(child, nullptr, 0);
    ::close(channel[0]);
    ::close(channel[1]);
    return added;
}

// Lines of `line(n)` until the text reaches the bound.
std::string Filled(const std::function<std::string(int)>& line)
{
    std::string text;
    for (int n = 0;; ++n) {
        const std::string next = line(n);
        if (text.size() + next.size() > ExchangeFileText::kMostBytes)
            return text;
        text += next;
    }
}

// `parse` takes the text as morvixctl hands it over: moved, not copied.
void Report(const char* name, const std::filesystem::path& file, const std::function<void(std::string)>& parse)
{
    const double sizeKb = static_cast<double>(std::filesystem::file_size(file)) / 1024;
    const long plain = PeakKb([&] { (void)ExchangeFileText::Read(file, nullptr); });
    const long import = PeakKb([&] {
        if (std::optional<std::string> text = ExchangeFileText::Read(file, nullptr))
            parse(std::move(*text));
    });
    std::printf("%-34s file %7.0f kB  plain read %7ld kB (%.1fx)  "
                "import read %7ld kB (%.1fx the file, %.1fx the plain read)\n",
                name, sizeKb, plain, plain / sizeKb, import, import / sizeKb, static_cast<double>(import) / plain);
}

}  // namespace

int main()
{
    char pattern[] = "/tmp/morvix-bench-XXXXXX";
    const std::filesystem::path folder = ::mkdtemp(pattern);
    const auto write = [&folder](const char* name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return folder / name;
    };
    // Short lines are the worst case: the most entries for the bytes.
    const auto shortBlack = write("black-short.txt", Filled([](int n) {
        return std::to_string(n % 250) + "-" + std::to_string(n % 250) + "//\r\n";
    }));
    const auto ordinaryBlack = write("black.txt", Filled([](int n) {
        const std::string third = std::to_string(n % 250);
        return "10.0." + third + ".1-10.0." + third + ".9/2030-01-01 00:00:00/备注 " + std::to_string(n) + "\r\n";
    }));
    const auto shortDns =
        write("dns-short.txt", Filled([](int n) { return "address=/" + std::to_string(n % 10) + "\r\n"; }));
    const auto dns =
        write("dns.txt", Filled([](int n) { return "address=/d" + std::to_string(n) + ".example.com/\r\n"; }));
    const auto rules = write("rules.txt", Filled([](int n) {
        return n == 0 ? std::string("[FCache]\r\nFCacheCount=1000\r\n") : "Url_" + std::to_string(n) + "=/p/*\r\n";
    }));

    const auto black = [](std::string text) { (void)ReadBlackListFile(std::move(text)); };
    const auto redirects = [](std::string text) { (void)ReadDnsRedirectText(std::move(text)); };
    Report("black list, shortest lines", shortBlack, black);
    Report("black list, ordinary lines", ordinaryBlack, black);
    Report("DNS redirect list, shortest lines", shortDns, redirects);
    Report("DNS redirect list", dns, redirects);
    Report("rules", rules, [](std::string text) { (void)ReadRulesFile(text, eRulesBlock_All); });
    std::filesystem::remove_all(folder);
    return 0;
}
