#include "DnsService.h"

#include "AdminError.h"
#include "CommandTable.h"
#include "Ipv4.h"
#include "StateJson.h"
#include "SystemOptions.h"
#include "TrafficModel.h"

#include <cmath>

namespace morvix::sim {

namespace {

constexpr size_t cachePopulation = 1200;
constexpr double refillPerSecond = 2.0;
const char* const balanceKey = "DNSRedirectBalanceType";

struct NumberShape {
    const char* key;
    long long min;
    long long max;
    long long initial;
};

const std::vector<NumberShape>& numberShapes()
{
    static const std::vector<NumberShape> shapes = {
        {"EnableDNSCacheService", 0, 1, 1}, {"DNSType", 0, 9, 1},         {"MaxNumOfDNSCache", 1, 200000, 50000},
        {"MinTTLOfDNSCache", 60, 1800, 300}, {"MaxRetryingTimes", 0, 10, 3}, {"EnableRedirect", 0, 1, 1},
    };
    return shapes;
}

std::vector<std::string> addressKeys()
{
    std::vector<std::string> keys;
    for (int i = 1; i <= 8; ++i)
        keys.push_back("UpstreamDNS" + std::to_string(i));
    keys.push_back("DefaultRedirectIP");
    return keys;
}

// The address fields that must never be empty.
bool isRequiredAddress(std::string_view key)
{
    return key == "UpstreamDNS1" || key == "DefaultRedirectIP";
}

}  // namespace

DnsService::DnsService(SystemOptions& systemOptions, TrafficModel& traffic)
    : systemOptions_(systemOptions), traffic_(traffic)
{
}

void DnsService::registerCommands(CommandTable& table)
{
    table.add("dns", "system-list", Access::Read, [this](const FormFields&) { return settings(); });
    table.add("dns", "system-set", Access::Change, [this](const FormFields& fields) { return set(fields); });
    table.add("dns", "cache-list", Access::Read, [this](const FormFields&) { return cacheList(); });
    table.add("dns", "cache-clean", Access::Change, [this](const FormFields&) { return cacheClean(); });
}

void DnsService::seed()
{
    texts_.clear();
    for (const std::string& key : addressKeys())
        texts_[key] = "";
    texts_["UpstreamDNS1"] = "223.5.5.5";
    texts_["UpstreamDNS2"] = "119.29.29.29";
    texts_["UpstreamDNS3"] = "114.114.114.114";
    texts_["DefaultRedirectIP"] = "192.168.1.10";
    numbers_.clear();
    for (const NumberShape& shape : numberShapes())
        numbers_[shape.key] = shape.initial;
    cachedNames_ = cachePopulation;
    lastRefill_ = traffic_.uptimeSeconds();
}

void DnsService::refill()
{
    const double now = traffic_.uptimeSeconds();
    const auto due = static_cast<size_t>(std::floor((now - lastRefill_) * refillPerSecond));
    if (due == 0)
        return;
    lastRefill_ = now;
    cachedNames_ = std::min(cachePopulation, cachedNames_ + due);
}

size_t DnsService::cachedNames()
{
    refill();
    return numbers_["EnableDNSCacheService"] == 1 ? cachedNames_ : 0;
}

Reply DnsService::settings() const
{
    Reply reply = Reply::accepted();
    for (const NumberShape& shape : numberShapes())
        reply.set(shape.key, std::to_string(numbers_.at(shape.key)));
    for (const std::string& key : addressKeys())
        reply.set(key, texts_.at(key));
    reply.set(balanceKey, std::to_string(systemOptions_.value(balanceKey)));
    return reply;
}

Reply DnsService::set(const FormFields& fields)
{
    std::map<std::string, long long, std::less<>> numbers = numbers_;
    std::map<std::string, std::string, std::less<>> texts = texts_;
    long long balance = systemOptions_.value(balanceKey);
    for (const auto& [key, value] : fields.pairs()) {
        if (key == "SessionID" || key == "RequestID")
            continue;
        long long number = 0;
        if (key == balanceKey) {
            if (!parseDecimal(value, number) || number < 0 || number > 3)
                throw AdminError(BadField, "balance mode out of range");
            balance = number;
        } else if (texts.count(key)) {
            if ((!value.empty() || isRequiredAddress(key)) && !parseIpv4(value))
                throw AdminError(BadField, key + " is not an address");
            texts[key] = value;
        } else if (const auto shape = std::find_if(numberShapes().begin(), numberShapes().end(),
                                                  [&name = key](const NumberShape& s) { return name == s.key; });
                   shape != numberShapes().end()) {
            if (!parseDecimal(value, number) || number < shape->min || number > shape->max)
                throw AdminError(BadField, key + " out of range");
            numbers[key] = number;
        } else {
            throw AdminError(BadField, "no DNS setting " + key);
        }
    }
    numbers_ = std::move(numbers);
    texts_ = std::move(texts);
    systemOptions_.setValue(balanceKey, balance);
    return Reply::accepted();
}

Reply DnsService::cacheList()
{
    const size_t count = cachedNames();
    SeededRandom random(traffic_.seed());
    const long long minimumTtl = numbers_["MinTTLOfDNSCache"];
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        const std::string& site = random.pick(TrafficModel::sites());
        const std::string name = i < TrafficModel::sites().size() ? TrafficModel::sites()[i]
                                                                  : "host" + std::to_string(i) + "." + site;
        const uint32_t address = 0x3A000000u + static_cast<uint32_t>(mixBits(traffic_.seed(), i) & 0x00FFFFFF);
        text += name + "  A  " + formatIpv4(address) + "  TTL " +
                std::to_string(minimumTtl + static_cast<long long>(random.between(0, 3600))) + "\r\n";
    }
    return Reply::text(std::move(text));
}

Reply DnsService::cacheClean()
{
    refill();
    cachedNames_ = 0;
    return Reply::accepted();
}

Json::Value DnsService::save() const
{
    Json::Value document(Json::objectValue);
    for (const auto& [key, value] : texts_)
        document[key] = value;
    for (const auto& [key, value] : numbers_)
        document[key] = static_cast<Json::Int64>(value);
    return document;
}

void DnsService::load(const Json::Value& document)
{
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, long long, std::less<>> numbers;
    for (const std::string& key : addressKeys())
        texts[key] = requireText(document, key.c_str());
    for (const NumberShape& shape : numberShapes())
        numbers[shape.key] = requireNumber(document, shape.key);
    texts_ = std::move(texts);
    numbers_ = std::move(numbers);
    cachedNames_ = cachePopulation;
    lastRefill_ = traffic_.uptimeSeconds();
}

}  // namespace morvix::sim
