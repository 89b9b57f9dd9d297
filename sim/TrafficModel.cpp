#include "TrafficModel.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace morvix::sim {

namespace {

constexpr double pretendedUptimeSeconds = 86400.0;
constexpr double averagePageKB = 24.0;
constexpr double requestHeaderKB = 0.6;
constexpr double pi = 3.14159265358979323846;

}  // namespace

TrafficModel::TrafficModel(uint64_t seed)
    : seed_(seed),
      processStart_(std::chrono::steady_clock::now()),
      startTime_(std::time(nullptr) - static_cast<std::time_t>(pretendedUptimeSeconds))
{
}

double TrafficModel::noise(int64_t second, uint64_t stream) const
{
    const uint64_t bits = mixBits(mixBits(seed_, stream), static_cast<uint64_t>(second));
    return static_cast<double>(bits >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
}

double TrafficModel::requestsPerSecond(int64_t second) const
{
    const double wave = 1.0 + 0.35 * std::sin(2.0 * pi * static_cast<double>(second) / 600.0);
    return 120.0 * wave * (1.0 + 0.15 * noise(second, 1));
}

double TrafficModel::hitRatio(int64_t second) const
{
    const double wave = 0.12 * std::sin(2.0 * pi * static_cast<double>(second) / 900.0 + 1.0);
    return std::clamp(0.72 + wave + 0.05 * noise(second, 2), 0.05, 0.98);
}

void TrafficModel::addSecond(Totals& totals, int64_t second) const
{
    const double requests = requestsPerSecond(second);
    const double hits = requests * hitRatio(second);
    const double pageKB = averagePageKB * (1.0 + 0.2 * noise(second, 3));
    totals.requests += requests;
    totals.hits += hits;
    totals.sentKB += requests * pageKB;
    totals.receivedKB += requests * requestHeaderKB;
    totals.sentToOriginKB += (requests - hits) * requestHeaderKB;
    totals.receivedFromOriginKB += (requests - hits) * pageKB;
}

TrafficModel::Totals TrafficModel::wholeSeconds(int64_t second)
{
    const size_t minute = static_cast<size_t>(second / 60);
    while (minuteCheckpoints_.size() <= minute) {
        Totals next = minuteCheckpoints_.back();
        const int64_t first = static_cast<int64_t>(minuteCheckpoints_.size() - 1) * 60;
        for (int64_t s = first; s < first + 60; ++s)
            addSecond(next, s);
        minuteCheckpoints_.push_back(next);
    }
    Totals totals = minuteCheckpoints_[minute];
    for (int64_t s = static_cast<int64_t>(minute) * 60; s < second; ++s)
        addSecond(totals, s);
    return totals;
}

TrafficModel::Totals TrafficModel::totalsAt(double uptime)
{
    const int64_t whole = static_cast<int64_t>(std::max(uptime, 0.0));
    std::lock_guard lock(mutex_);
    Totals totals = wholeSeconds(whole);
    Totals current;
    addSecond(current, whole);
    const double fraction = std::max(uptime, 0.0) - static_cast<double>(whole);
    totals.requests += current.requests * fraction;
    totals.hits += current.hits * fraction;
    totals.sentKB += current.sentKB * fraction;
    totals.receivedKB += current.receivedKB * fraction;
    totals.sentToOriginKB += current.sentToOriginKB * fraction;
    totals.receivedFromOriginKB += current.receivedFromOriginKB * fraction;
    return totals;
}

TrafficModel::Totals TrafficModel::totals()
{
    return totalsAt(uptimeSeconds());
}

double TrafficModel::uptimeSeconds() const
{
    const std::chrono::duration<double> running = std::chrono::steady_clock::now() - processStart_;
    return pretendedUptimeSeconds + running.count();
}

uint64_t TrafficModel::tickCount() const
{
    return static_cast<uint64_t>(uptimeSeconds() * 1000.0);
}

const std::vector<std::string>& TrafficModel::sites()
{
    static const std::vector<std::string> names = {"www.example.com", "news.example.com", "img.example.net",
                                                   "bbs.example.org", "video.example.cn", "shop.example.com"};
    return names;
}

const std::vector<std::string>& TrafficModel::provinces()
{
    static const std::vector<std::string> names = {"北京", "上海", "广东", "浙江", "江苏", "四川",
                                                   "湖北", "山东", "福建", "河南", "陕西", "辽宁"};
    return names;
}

std::string TrafficModel::sampleFragment(SeededRandom& random)
{
    static const std::vector<std::string> words = {"news", "2024", "sports", "tech", "item", "list",
                                                   "photo", "article", "video", "static", "css", "page"};
    return random.pick(words) + "/" + random.pick(words) + std::to_string(random.between(1, 99999));
}

std::string TrafficModel::sampleUrl(SeededRandom& random)
{
    static const std::vector<std::string> shapes = {"/news/2024/n#.html", "/static/js/app.#.js", "/images/#.jpg",
                                                    "/forum.php?tid=#",   "/video/#.mp4",       "/index.html",
                                                    "/list.php?page=#",   "/api/item?id=#",     "/photo/#.png"};
    std::string path = random.pick(shapes);
    const size_t mark = path.find('#');
    if (mark != std::string::npos)
        path.replace(mark, 1, std::to_string(random.between(1, 20000)));
    return "http://" + random.pick(sites()) + path;
}

const char* TrafficModel::sampleUserAgent(SeededRandom& random)
{
    static const char* const agents[] = {
        "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/120.0 Safari/537.36",
        "Mozilla/5.0 (iPhone; CPU iPhone OS 17_0 like Mac OS X) AppleWebKit/605.1.15 Mobile/15E148",
        "Mozilla/5.0 (X11; Linux x86_64; rv:121.0) Gecko/20100101 Firefox/121.0",
        "Mozilla/5.0 (compatible; Baiduspider/2.0; +http://www.baidu.com/search/spider.html)",
        "Mozilla/5.0 (Linux; Android 14) AppleWebKit/537.36 Chrome/120.0 Mobile Safari/537.36",
    };
    return agents[random.next() % (sizeof agents / sizeof agents[0])];
}

const char* TrafficModel::sampleProvince(SeededRandom& random)
{
    return random.pick(provinces()).c_str();
}

std::time_t TrafficModel::periodStart(std::time_t now) const
{
    std::tm parts{};
    localtime_r(&now, &parts);
    parts.tm_hour = parts.tm_min = parts.tm_sec = 0;
    parts.tm_isdst = -1;
    return std::max(std::mktime(&parts), startTime_);
}

}  // namespace morvix::sim
