#include "ServerMetrics.h"

#include "MetricFamilies.h"

#include <json/json.h>

#include <memory>

namespace {

double UnixNow()
{
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

bool ParseLine(const std::string& line, Json::Value& root)
{
    std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
    return reader->parse(line.data(), line.data() + line.size(), &root, nullptr) && root.isObject();
}

}  // namespace

ServerMetrics::ServerMetrics(std::string server) : server_(std::move(server)) {}

std::optional<ServerMetrics::PollerNews> ServerMetrics::OnPollerLine(const std::string& line)
{
    Json::Value parsedRoot;
    const bool parsed = ParseLine(line, parsedRoot);
    // Read only: a lookup through a non-const value would add the member it looks for.
    const Json::Value& root = parsedRoot;
    const std::size_t familyCount = PolledMetricFamilies().size();
    // Rendered before taking the lock: scrapes wait only for the exchange of texts.
    std::vector<std::string> texts;
    std::string figures;
    if (parsed && root["Realtime"].isObject()) {
        Json::Value realtime = root["Realtime"];
        for (const std::string& name : root["Counters"].getMemberNames())
            realtime[name] = root["Counters"][name];
        texts.resize(familyCount);
        RenderRealtime(realtime, server_, texts);
        Json::StreamWriterBuilder builder;
        builder["indentation"] = "";
        builder["precision"] = 15;  // 26.99 stays 26.99
        figures = Json::writeString(builder, root["Realtime"]);
    } else if (parsed && root["Hosts"].isArray()) {
        Json::Value hosts = root["Hosts"];
        requests_.Count(hosts);
        texts.resize(familyCount);
        RenderHosts(hosts, server_, texts);
    }

    std::lock_guard guard(lock_);
    pollerRunning_ = true;
    if (!parsed || root.isMember("Error")) {
        ++errors_;
        // A failed counters poll is a server that does not answer now; a failed host list is not.
        const bool counters = !parsed || root["Request"].asString() == kRealtimeRequest;
        realtimeFailed_ = realtimeFailed_ || counters;
        return PollerNews{counters ? ServerLog::Part::Counters : ServerLog::Part::Hosts, true,
                          parsed ? root["Error"].asString() : "the poller wrote an unreadable line"};
    }
    if (root.isMember("Realtime")) {
        realtimeTexts_ = std::move(texts);
        lastFigures_ = std::move(figures);
        lastRealtime_ = Clock::now();
        realtimeFailed_ = false;
        everAnswered_ = true;
        lastSuccess_ = UnixNow();
        return PollerNews{ServerLog::Part::Counters, false, {}};
    }
    if (root.isMember("Hosts")) {
        hostTexts_ = std::move(texts);
        return PollerNews{ServerLog::Part::Hosts, false, {}};
    }
    return std::nullopt;
}

void ServerMetrics::OnPollerEnded()
{
    std::lock_guard guard(lock_);
    pollerRunning_ = false;
    ++errors_;
    realtimeTexts_.clear();
    hostTexts_.clear();
}

bool ServerMetrics::UpAt(Clock::time_point now) const
{
    return pollerRunning_ && everAnswered_ && !realtimeFailed_ && now - lastRealtime_ <= kStaleAfter;
}

ServerMetrics::Status ServerMetrics::StatusAt(Clock::time_point now) const
{
    std::lock_guard guard(lock_);
    return {UpAt(now), lastSuccess_, errors_, UpAt(now) ? lastFigures_ : std::string()};
}

void ServerMetrics::AppendFamily(std::size_t family, Clock::time_point now, std::string& out) const
{
    std::lock_guard guard(lock_);
    if (!UpAt(now))
        return;
    if (family < realtimeTexts_.size())
        out += realtimeTexts_[family];
    if (family < hostTexts_.size())
        out += hostTexts_[family];
}
