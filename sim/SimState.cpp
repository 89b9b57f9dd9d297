#include "SimState.h"

#include "Accounts.h"
#include "AddressLists.h"
#include "CacheRuleLists.h"
#include "CachedPages.h"
#include "Cluster.h"
#include "DiskCache.h"
#include "DnsRedirect.h"
#include "DnsService.h"
#include "ProxyHosts.h"
#include "Realtime.h"
#include "RequestHistory.h"
#include "RewriteRules.h"
#include "RuleList.h"
#include "SystemOptions.h"
#include "Tools.h"
#include "RuntimeSettings.h"
#include "SimOptions.h"
#include "StateJson.h"

#include <iostream>
#include <random>

namespace morvix::sim {

namespace {

constexpr int stateFormatVersion = 1;

uint64_t chosenSeed(const SimOptions& options)
{
    if (options.seed)
        return *options.seed;
    std::random_device device;
    return (static_cast<uint64_t>(device()) << 32) | device();
}

}  // namespace

template <class Family, class... Arguments>
Family& SimState::addFamily(Arguments&&... arguments)
{
    auto family = std::make_unique<Family>(std::forward<Arguments>(arguments)...);
    Family& added = *family;
    added.registerCommands(commands_);
    families_.push_back(std::move(family));
    return added;
}

template <class Group, class... Arguments>
void SimState::addStateless(Arguments&&... arguments)
{
    auto group = std::make_unique<Group>(std::forward<Arguments>(arguments)...);
    group->registerCommands(commands_);
    stateless_.push_back(std::move(group));
}

SimState::SimState(const SimOptions& options, SessionStore& sessions, RuntimeSettings& settings)
    : seed_(chosenSeed(options)), random_(seed_), traffic_(seed_)
{
    auto& accounts = addFamily<Accounts>(sessions, settings, options.adminPassword, options.keeperPassword);
    auto& pageRules = addFamily<RuleList>(pageCacheRules(), ids_);
    auto& refuseRules = addFamily<RuleList>(refuseCacheRules(), ids_);
    auto& sessionRules = addFamily<RuleList>(sessionCacheRules(), ids_);
    addFamily<RuleList>(rewriteRules(), ids_);
    addFamily<RuleList>(blackList(), ids_);
    addFamily<RuleList>(whiteList(), ids_);
    auto& systemOptions = addFamily<SystemOptions>(traffic_);
    auto& disks = addFamily<DiskCache>();
    addFamily<Cluster>();
    auto& dns = addFamily<DnsService>(systemOptions, traffic_);
    addFamily<DnsRedirect>(traffic_);
    addFamily<RequestHistory>();
    addFamily<ProxyHosts>(traffic_, ids_);
    auto& pages = addFamily<CachedPages>(traffic_, pageRules);
    addStateless<Realtime>(traffic_, pages, dns, disks);
    addStateless<Tools>(pageRules, refuseRules, sessionRules, pages);

    for (auto& family : families_)
        family->seed();
    if (!options.statePath)
        return;
    file_.emplace(*options.statePath);
    if (auto saved = file_->read()) {
        load(*saved);
        // Passwords named on the command line win over the saved ones.
        if (options.adminPasswordGiven)
            accounts.setPassword(Role::Admin, options.adminPassword);
        if (options.keeperPasswordGiven)
            accounts.setPassword(Role::Keeper, options.keeperPassword);
    }
    persist();
}

SimState::~SimState() = default;

Json::Value SimState::document() const
{
    Json::Value document(Json::objectValue);
    document["morvix-sim-state"] = stateFormatVersion;
    document["nextId"] = static_cast<Json::UInt64>(ids_.peek());
    for (const auto& family : families_)
        document[family->name()] = family->save();
    return document;
}

void SimState::load(const Json::Value& document)
{
    const Json::Value before = this->document();
    try {
        if (requireNumber(document, "morvix-sim-state") != stateFormatVersion)
            throw StateFormatError("unsupported state format version");
        ids_.restart(static_cast<uint64_t>(requireNumber(document, "nextId")));
        for (auto& family : families_) {
            try {
                family->load(requireMember(document, family->name().c_str(), Json::objectValue));
            } catch (const StateFormatError& error) {
                throw StateFormatError(family->name() + ": " + error.what());
            }
        }
    } catch (const StateFormatError&) {
        ids_.restart(before["nextId"].asUInt64());
        for (auto& family : families_)
            family->load(before[family->name()]);
        throw;
    }
}

StateFamily* SimState::family(std::string_view name)
{
    for (auto& family : families_) {
        if (family->name() == name)
            return family.get();
    }
    return nullptr;
}

bool SimState::generate(std::string_view familyName, size_t count)
{
    StateFamily* target = family(familyName);
    return target && target->generate(count, random_);
}

void SimState::persist()
{
    if (!file_)
        return;
    try {
        file_->write(document());
    } catch (const std::exception& error) {
        std::cerr << "morvix-sim: " << error.what() << std::endl;
    }
}

}  // namespace morvix::sim
