#include "SystemOptions.h"

#include "AdminError.h"
#include "CommandTable.h"
#include "StateJson.h"
#include "TrafficModel.h"

#include <cstring>
#include <vector>

namespace morvix::sim {

namespace {

constexpr long long physicalMemoryKB = 8LL * 1024 * 1024;

struct OptionShape {
    const char* key;
    const char* modifySpelling;  // how the modify request names it, when that differs
    long long min;
    long long max;
    long long initial;
    bool readOnly;
};

// In reply order. The ranges are the ones the console's forms announce.
const std::vector<OptionShape>& optionShapes()
{
    static const std::vector<OptionShape> shapes = {
        {"MaxUsableMemSize", nullptr, 32, physicalMemoryKB / 1024, 2048, false},
        {"MaxConnections", nullptr, 0, 60000, 5000, false},
        {"IsUsedMemCache", nullptr, 0, 1, 1, false},
        {"MaxClientSendBuffer", nullptr, 8, 32, 32, false},
        {"MaxClientRecvBuffer", nullptr, 8, 32, 8, false},
        {"MaxCacheBlockSize", nullptr, 0, 1024, 512, false},
        {"IsUsedXForwardedFor", "IsUsedXForwordedFor", 0, 1, 1, false},
        {"IsHitCacheForRefresh", "IsHitCacheWhenRefresh", 0, 1, 1, false},
        {"IsRunning", nullptr, 0, 1, 1, false},
        {"ClientRequestTimeOut", "ClientRequstTimeOut", 5, 3600, 16, false},
        {"IsUsedPageViewStat", nullptr, 0, 1, 1, false},
        {"PVRCreatingOption", nullptr, 0, 1, 1, false},
        {"PVRCreatingThisTime", nullptr, 0, 23, 2, false},
        {"PVRCreatingPeriodTime", nullptr, 1, 240, 24, false},
        {"MaxUpstreamConnections", nullptr, 0, 60000, 5000, false},
        {"MaxSessionCacheSize", nullptr, 0, 200, 100, false},
        {"UnenableWebcacheBySpider", nullptr, 0, 1, 1, false},
        {"UnenableStatBySpider", nullptr, 0, 1, 1, false},
        {"UnenableAccessLog", nullptr, 0, 1, 1, false},
        {"IsDiskCache", nullptr, 0, 1, 1, false},
        {"MinSizeForActivePageByDiskCache", nullptr, 8096, 1048576, 32768, false},
        {"DiskCacheDirectoryDepth", nullptr, 1, 6, 4, false},
        {"MinSizeForRSCPByDiskCache", nullptr, 64, 10240, 2048, false},
        {"MaxOpenedFilesByDiskCache", nullptr, 1, 10240, 5000, false},
        {"RatioOfDCIMSAndMUMS", nullptr, 0, 50, 30, false},
        {"MinDiskCacheContentSize", nullptr, 8096, 1048576, 32768, false},
        {"ReadOnly_TotalPhyMemSizeKB", nullptr, 0, 0, 0, true},
        {"ReadOnly_FreePhyMemSizeKB", nullptr, 0, 0, 0, true},
        {"ReadOnly_MoxPeakUsedMemSizeKB", nullptr, 0, 0, 0, true},
        {"ReadOnly_MoxUsedMemSizeKB", nullptr, 0, 0, 0, true},
        {"DNSRedirectBalanceType", nullptr, 0, 3, 1, false},
        {"EnableWhiteList", nullptr, 0, 1, 0, false},
    };
    return shapes;
}

const OptionShape* optionNamed(std::string_view name)
{
    for (const OptionShape& shape : optionShapes()) {
        if (name == shape.key || (shape.modifySpelling && name == shape.modifySpelling))
            return &shape;
    }
    return nullptr;
}

}  // namespace

SystemOptions::SystemOptions(TrafficModel& traffic) : traffic_(traffic) {}

void SystemOptions::registerCommands(CommandTable& table)
{
    table.add("system", "list", Access::Read, [this](const FormFields&) { return list(); });
    table.add("system", "modify", Access::Change, [this](const FormFields& fields) { return modify(fields); });
}

void SystemOptions::seed()
{
    values_.clear();
    for (const OptionShape& shape : optionShapes()) {
        if (!shape.readOnly)
            values_[shape.key] = shape.initial;
    }
}

long long SystemOptions::value(std::string_view key) const
{
    const auto it = values_.find(key);
    return it == values_.end() ? 0 : it->second;
}

void SystemOptions::setValue(std::string_view key, long long value)
{
    values_[std::string(key)] = value;
}

long long SystemOptions::readOnlyValue(std::string_view key) const
{
    // The process's memory follows the traffic a little, so that the figures are alive.
    const double wave = traffic_.requestsPerSecond(static_cast<int64_t>(traffic_.uptimeSeconds())) / 120.0;
    const long long used = 900000 + static_cast<long long>(wave * 150000);
    if (key == "ReadOnly_TotalPhyMemSizeKB")
        return physicalMemoryKB;
    if (key == "ReadOnly_FreePhyMemSizeKB")
        return physicalMemoryKB - used - 2200000;
    if (key == "ReadOnly_MoxPeakUsedMemSizeKB")
        return 1200000;
    return used;
}

Reply SystemOptions::list() const
{
    Reply reply = Reply::accepted();
    for (const OptionShape& shape : optionShapes())
        reply.set(shape.key, std::to_string(shape.readOnly ? readOnlyValue(shape.key) : value(shape.key)));
    return reply;
}

Reply SystemOptions::modify(const FormFields& fields)
{
    std::vector<std::pair<const OptionShape*, long long>> changes;
    for (const auto& [name, text] : fields.pairs()) {
        if (name == "SessionID" || name == "RequestID")
            continue;
        const OptionShape* shape = optionNamed(name);
        long long number = 0;
        if (!shape || shape->readOnly)
            throw AdminError(BadField, "no option " + name);
        if (!parseDecimal(text, number) || number < shape->min || number > shape->max)
            throw AdminError(BadField, "option " + name + " out of range");
        changes.emplace_back(shape, number);
    }
    for (const auto& [shape, number] : changes)
        values_[shape->key] = number;
    return Reply::accepted();
}

Json::Value SystemOptions::save() const
{
    Json::Value document(Json::objectValue);
    for (const auto& [key, number] : values_)
        document[key] = static_cast<Json::Int64>(number);
    return document;
}

void SystemOptions::load(const Json::Value& document)
{
    std::map<std::string, long long, std::less<>> loaded;
    for (const OptionShape& shape : optionShapes()) {
        if (!shape.readOnly)
            loaded[shape.key] = requireNumber(document, shape.key);
    }
    values_ = std::move(loaded);
}

}  // namespace morvix::sim
