#pragma once

#include "SeededRandom.h"
#include "StateFamily.h"
#include "UrlPattern.h"

#include <functional>
#include <string>
#include <vector>

namespace morvix::sim {

class CommandTable;
class FormFields;
class Reply;
class RuleList;
class TrafficModel;

// The pages the server holds in its cache and the login sessions it has cached, with the five
// cleaning commands. Cleaned stores fill again slowly, as traffic brings pages back.
class CachedPages : public StateFamily {
public:
    CachedPages(TrafficModel& traffic, const RuleList& pageRules);

    std::string name() const override { return "cachedpages"; }
    void registerCommands(CommandTable& table) override;
    void seed() override;
    // A cache of `count` distinct pages, e.g. a million for measuring the cached-URL list.
    bool generate(size_t count, SeededRandom& random) override;
    Json::Value save() const override;
    void load(const Json::Value& document) override;

    // Page-cache rules decide which pages were cached by force; the rest are the server's own choice.
    std::vector<UrlPattern> pageRulePatterns() const;
    static bool matchesAny(const std::vector<UrlPattern>& patterns, const std::string& url);
    bool contains(const std::string& url);
    size_t pageCount();
    double pageKB();
    size_t sessionCount();
    Reply urlList();

private:
    struct Page {
        std::string url;
        int sizeKB;
    };

    Reply clean(const FormFields& fields, const std::function<bool(const Page&)>& doomed);
    void refill();
    Page newPage();

    TrafficModel& traffic_;
    const RuleList& pageRules_;
    SeededRandom random_;
    std::vector<Page> pages_;
    size_t sessions_ = 0;
    double lastRefill_ = 0;
};

}  // namespace morvix::sim
