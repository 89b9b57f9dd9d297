#include "CachedPages.h"

#include "AdminError.h"
#include "CommandTable.h"
#include "RuleList.h"
#include "StateJson.h"
#include "TrafficModel.h"
#include "UrlPattern.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace morvix::sim {

namespace {

constexpr size_t pagePopulation = 2000;
constexpr size_t sessionPopulation = 160;
constexpr double pagesPerSecond = 5.0;
constexpr double sessionsPerSecond = 0.5;

}  // namespace

CachedPages::CachedPages(TrafficModel& traffic, const RuleList& pageRules)
    : traffic_(traffic), pageRules_(pageRules), random_(mixBits(traffic.seed(), 17))
{
}

void CachedPages::registerCommands(CommandTable& table)
{
    table.add("icache", "cleancache", Access::Change, [this](const FormFields& fields) {
        const auto forced = pageRulePatterns();
        return clean(fields, [&](const Page& page) { return !matchesAny(forced, page.url); });
    });
    table.add("fcache", "cleancache", Access::Change, [this](const FormFields& fields) {
        const auto forced = pageRulePatterns();
        return clean(fields, [&](const Page& page) { return matchesAny(forced, page.url); });
    });
    table.add("allcache", "cleancache", Access::Change,
              [this](const FormFields& fields) { return clean(fields, [](const Page&) { return true; }); });
    table.add("thiscache", "cleancache", Access::Change, [this](const FormFields& fields) {
        const auto pattern = UrlPattern::compile(fields.text("Url", 1024, true), static_cast<int>(fields.number("Rules", 0, 2)),
                                                 fields.flag("Icase") == 1);
        if (!pattern)
            throw AdminError(CleanPatternInvalid);
        return clean(fields, [&](const Page& page) { return pattern->matches(page.url); });
    });
    table.add("scache", "cleancache", Access::Change, [this](const FormFields& fields) {
        fields.flag("WithCluster");
        refill();
        sessions_ = 0;
        return Reply::accepted();
    });
}

CachedPages::Page CachedPages::newPage()
{
    return Page{TrafficModel::sampleUrl(random_), static_cast<int>(random_.between(2, 180))};
}

void CachedPages::seed()
{
    pages_.clear();
    std::unordered_set<std::string> seen;
    while (pages_.size() < pagePopulation) {
        Page page = newPage();
        if (seen.insert(page.url).second)
            pages_.push_back(std::move(page));
    }
    sessions_ = sessionPopulation;
    lastRefill_ = traffic_.uptimeSeconds();
}

bool CachedPages::generate(size_t count, SeededRandom& random)
{
    pages_.clear();
    pages_.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        Page page = Page{TrafficModel::sampleUrl(random), static_cast<int>(random.between(2, 180))};
        // The number keeps the addresses distinct without a look-up per page.
        page.url += (page.url.find('?') == std::string::npos ? "?v=" : "&v=") + std::to_string(i);
        pages_.push_back(std::move(page));
    }
    lastRefill_ = traffic_.uptimeSeconds();
    return true;
}

void CachedPages::refill()
{
    const double now = traffic_.uptimeSeconds();
    const double elapsed = now - lastRefill_;
    const auto pagesDue = static_cast<size_t>(std::floor(elapsed * pagesPerSecond));
    if (pagesDue == 0)
        return;
    lastRefill_ = now;
    for (size_t i = 0; i < pagesDue && pages_.size() < pagePopulation; ++i) {
        Page page = newPage();
        if (!contains(page.url))
            pages_.push_back(std::move(page));
    }
    sessions_ = std::min(sessionPopulation, sessions_ + static_cast<size_t>(elapsed * sessionsPerSecond));
}

std::vector<UrlPattern> CachedPages::pageRulePatterns() const
{
    std::vector<UrlPattern> patterns;
    for (const auto& rule : pageRules_.entries().entries()) {
        long long kind = 0;
        parseDecimal(rule.fields.get("Rules"), kind);
        if (auto pattern = UrlPattern::compile(rule.fields.get("Url"), static_cast<int>(kind), rule.fields.get("Icase") == "1"))
            patterns.push_back(std::move(*pattern));
    }
    return patterns;
}

bool CachedPages::matchesAny(const std::vector<UrlPattern>& patterns, const std::string& url)
{
    return std::any_of(patterns.begin(), patterns.end(), [&](const UrlPattern& p) { return p.matches(url); });
}

bool CachedPages::contains(const std::string& url)
{
    return std::any_of(pages_.begin(), pages_.end(), [&](const Page& page) { return page.url == url; });
}

size_t CachedPages::pageCount()
{
    refill();
    return pages_.size();
}

double CachedPages::pageKB()
{
    refill();
    double total = 0;
    for (const Page& page : pages_)
        total += page.sizeKB;
    return total;
}

size_t CachedPages::sessionCount()
{
    refill();
    return sessions_;
}

Reply CachedPages::urlList()
{
    refill();
    std::string text;
    for (const Page& page : pages_) {
        text += page.url;
        text += "\r\n";
    }
    return Reply::text(std::move(text));
}

Reply CachedPages::clean(const FormFields& fields, const std::function<bool(const Page&)>& doomed)
{
    fields.flag("WithCluster");
    refill();
    std::erase_if(pages_, doomed);
    return Reply::accepted();
}

Json::Value CachedPages::save() const
{
    Json::Value pages(Json::arrayValue);
    for (const Page& page : pages_) {
        Json::Value item(Json::objectValue);
        item["url"] = page.url;
        item["sizeKB"] = page.sizeKB;
        pages.append(std::move(item));
    }
    Json::Value document(Json::objectValue);
    document["pages"] = std::move(pages);
    document["sessions"] = static_cast<Json::UInt64>(sessions_);
    return document;
}

void CachedPages::load(const Json::Value& document)
{
    std::vector<Page> pages;
    for (const Json::Value& item : requireMember(document, "pages", Json::arrayValue))
        pages.push_back(Page{requireText(item, "url"), static_cast<int>(requireNumber(item, "sizeKB"))});
    sessions_ = static_cast<size_t>(requireNumber(document, "sessions"));
    pages_ = std::move(pages);
    lastRefill_ = traffic_.uptimeSeconds();
}

}  // namespace morvix::sim
