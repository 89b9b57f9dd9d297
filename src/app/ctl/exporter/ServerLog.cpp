#include "ServerLog.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace {

std::mutex writing;

std::size_t Index(ServerLog::Part part)
{
    return part == ServerLog::Part::Counters ? 0 : 1;
}

// "2026-12-08T11:20:03.125Z": UTC to the millisecond, so that the exporter's lines line up with
// Prometheus' and any other log of the night.
std::string LogTimestamp(std::chrono::system_clock::time_point when)
{
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(milliseconds / 1000);
    std::tm utc{};
    ::gmtime_r(&seconds, &utc);
    char text[40];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%03dZ", static_cast<int>(milliseconds % 1000));
    return std::string(text, length) + fraction;
}

// One line: the time, then the text. Lines of several pollers never interleave.
void WriteLogLine(std::ostream& out, std::string_view text)
{
    const std::string line = LogTimestamp(std::chrono::system_clock::now()) + " " + std::string(text) + "\n";
    std::lock_guard guard(writing);
    out << line << std::flush;
}

}  // namespace

ServerLog::ServerLog(std::string server, std::ostream& out) : server_(std::move(server)), out_(out) {}

void ServerLog::Failed(Part part, std::string_view why)
{
    std::string& last = failure_[Index(part)];
    const std::string_view text = why.empty() ? std::string_view("fails without saying why") : why;
    if (last == text)
        return;
    last = text;
    WriteLogLine(out_, server_ + (part == Part::Hosts ? ": host list: " : ": ") + last);
}

void ServerLog::Answered(Part part)
{
    std::string& last = failure_[Index(part)];
    if (last.empty())
        return;
    last.clear();
    WriteLogLine(out_, server_ + (part == Part::Hosts ? ": host list answers again" : ": answers again"));
}
