#include "DnsRedirect.h"

#include "AdminError.h"
#include "CommandTable.h"
#include "Ipv4.h"
#include "JsonText.h"
#include "PercentCodec.h"
#include "StateJson.h"
#include "TrafficModel.h"

#include <algorithm>
#include <functional>

namespace morvix::sim {

namespace {

bool isDomainName(const std::string& name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '*' || c == '_';
    });
}

std::shared_ptr<const std::string> written(const std::vector<Record>& records)
{
    return std::make_shared<const std::string>(JsonText::array(records));
}

}  // namespace

DnsRedirect::DnsRedirect(TrafficModel& traffic) : traffic_(traffic) {}

void DnsRedirect::registerCommands(CommandTable& table)
{
    table.add("dns", "redirect-list", Access::Read, [this](const FormFields&) { return redirectList(); });
    table.add("dns", "redirect-add", Access::Change, [this](const FormFields& f) { return redirectAdd(f); });
    table.add("dns", "redirect-modify", Access::Change, [this](const FormFields& f) { return redirectModify(f); });
    table.add("dns", "redirect-del", Access::Change, [this](const FormFields& f) { return redirectDelete(f); });
    table.add("dns", "redirectclass-list", Access::Read, [this](const FormFields&) { return classList(); });
    table.add("dns", "redirectclass-mod", Access::Change, [this](const FormFields& f) { return classModify(f); });
    table.add("dns", "redirectbalance-list", Access::Read, [this](const FormFields&) { return balanceList(); });
    table.add("dns", "redirectbalance-add", Access::Change, [this](const FormFields& f) { return balanceAdd(f); });
    table.add("dns", "redirectbalance-modify", Access::Change,
              [this](const FormFields& f) { return balanceModify(f); });
    table.add("dns", "redirectbalance-del", Access::Change, [this](const FormFields& f) { return balanceDelete(f); });
}

void DnsRedirect::seed()
{
    builtIn_ = {Domain{"www.example.com", "", 300, 1, "门户"},
                Domain{"img.example.net", "", 300, 1, "图片站"},
                Domain{"video.example.cn", "", 300, 1, "视频"},
                Domain{"update.example.org", "", 300, 0, "软件更新，直接回源"}};
    custom_ = {Domain{"news.example.com", "", 600, 1, "新闻频道"},
               Domain{"dl.example.com", "192.168.1.11", 300, 1, "下载走第二台缓存"},
               Domain{"pay.example.com", "", 300, 0, "支付不劫持"}};
    classes_ = {{"优酷", 1}, {"土豆", 1}, {"爱奇艺", 1}, {"腾讯视频", 1},
                {"搜狐视频", 0}, {"乐视", 1}, {"新浪视频", 0}, {"酷6", 1}};
    hosts_ = {BalanceHost{"192.168.1.10", 1, 1, false, "", "本机"},
              BalanceHost{"192.168.1.11", 1, 1, false, "", "缓存二号"},
              BalanceHost{"192.168.1.12", 0, 1, true, "2024-05-01 03:12:45", "维护中"}};
}

std::string DnsRedirect::resolutions(const std::string& key) const
{
    const double pace = 0.2 + static_cast<double>(std::hash<std::string>()(key) % 1000) / 500.0;
    return std::to_string(static_cast<long long>(traffic_.uptimeSeconds() * pace));
}

Reply DnsRedirect::redirectList() const
{
    std::vector<Record> system, user;
    for (const Domain& domain : builtIn_) {
        system.push_back(Record{{"Name", domain.name},
                                {"IP", domain.address},
                                {"Enable", std::to_string(domain.enable)},
                                {"THC", resolutions(domain.name)},
                                {"Note", percentEncode(domain.note)}});
    }
    for (const Domain& domain : custom_) {
        user.push_back(Record{{"Name", domain.name},
                              {"IP", domain.address},
                              {"TTL", std::to_string(domain.ttl)},
                              {"Enable", std::to_string(domain.enable)},
                              {"THC", resolutions(domain.name)},
                              {"Note", percentEncode(domain.note)}});
    }
    return Reply::accepted().setList("SystemRedirectLists", written(system)).setList("UserRedirectLists", written(user));
}

DnsRedirect::Domain DnsRedirect::readDomain(const FormFields& fields) const
{
    Domain domain;
    domain.name = fields.text("Name", 128, true);
    if (!isDomainName(domain.name))
        throw AdminError(BadField, "not a domain name");
    domain.address = fields.text("IP");
    if (!domain.address.empty() && !parseIpv4(domain.address))
        throw AdminError(BadField, "not an address");
    domain.enable = fields.flag("Enable");
    domain.note = fields.text("Note", 499, false);
    return domain;
}

std::vector<DnsRedirect::Domain>::iterator DnsRedirect::customDomain(const std::string& name)
{
    return std::find_if(custom_.begin(), custom_.end(), [&](const Domain& d) { return d.name == name; });
}

Reply DnsRedirect::redirectAdd(const FormFields& fields)
{
    Domain domain = readDomain(fields);
    if (customDomain(domain.name) != custom_.end())
        throw AdminError(DnsDomainExists);
    custom_.push_back(std::move(domain));
    return Reply::accepted();
}

Reply DnsRedirect::redirectModify(const FormFields& fields)
{
    Domain domain = readDomain(fields);
    const auto existing = customDomain(domain.name);
    if (existing == custom_.end())
        throw AdminError(BadField, "no custom domain " + domain.name);
    domain.ttl = existing->ttl;
    *existing = std::move(domain);
    return Reply::accepted();
}

Reply DnsRedirect::redirectDelete(const FormFields& fields)
{
    const auto existing = customDomain(fields.text("Name"));
    if (existing == custom_.end())
        throw AdminError(BadField, "no custom domain");
    custom_.erase(existing);
    return Reply::accepted();
}

Reply DnsRedirect::classList() const
{
    std::vector<Record> records;
    for (const VideoClass& videoClass : classes_)
        records.push_back(Record{{"Name", percentEncode(videoClass.name)}, {"Enable", std::to_string(videoClass.enable)}});
    return Reply::accepted().set("NumOfLists", std::to_string(records.size())).setList("Lists", written(records));
}

Reply DnsRedirect::classModify(const FormFields& fields)
{
    const std::string& name = fields.text("Name");
    const int enable = fields.flag("Enable");
    const auto found = std::find_if(classes_.begin(), classes_.end(), [&](const VideoClass& c) { return c.name == name; });
    if (found == classes_.end())
        throw AdminError(BadField, "no class " + name);
    found->enable = enable;
    return Reply::accepted();
}

Reply DnsRedirect::balanceList() const
{
    std::vector<Record> records;
    for (const BalanceHost& host : hosts_) {
        records.push_back(Record{{"IP", host.address},
                                 {"Enable", std::to_string(host.enable)},
                                 {"Checking", std::to_string(host.checking)},
                                 {"IsDown", host.down && host.checking ? "1" : "0"},
                                 {"DownTime", host.down ? host.downTime : ""},
                                 {"THC", host.enable ? resolutions(host.address) : "0"},
                                 {"Note", percentEncode(host.note)}});
    }
    return Reply::accepted().set("NumOfLists", std::to_string(records.size())).setList("Lists", written(records));
}

DnsRedirect::BalanceHost DnsRedirect::readHost(const FormFields& fields) const
{
    BalanceHost host;
    host.address = fields.text("IP");
    if (!parseIpv4(host.address))
        throw AdminError(BadField, "not an address");
    host.enable = fields.flag("Enable");
    host.checking = fields.flag("Checking");
    host.note = fields.text("Note", 399, false);
    return host;
}

std::vector<DnsRedirect::BalanceHost>::iterator DnsRedirect::balanceHost(const std::string& address)
{
    return std::find_if(hosts_.begin(), hosts_.end(), [&](const BalanceHost& h) { return h.address == address; });
}

Reply DnsRedirect::balanceAdd(const FormFields& fields)
{
    BalanceHost host = readHost(fields);
    if (balanceHost(host.address) != hosts_.end())
        throw AdminError(ListAddConflict);
    hosts_.push_back(std::move(host));
    return Reply::accepted();
}

Reply DnsRedirect::balanceModify(const FormFields& fields)
{
    BalanceHost host = readHost(fields);
    const auto existing = balanceHost(host.address);
    if (existing == hosts_.end())
        throw AdminError(ListModifyConflict);
    host.down = existing->down;
    host.downTime = existing->downTime;
    *existing = std::move(host);
    return Reply::accepted();
}

Reply DnsRedirect::balanceDelete(const FormFields& fields)
{
    const auto existing = balanceHost(fields.text("IP"));
    if (existing == hosts_.end())
        throw AdminError(ListModifyConflict);
    hosts_.erase(existing);
    return Reply::accepted();
}

bool DnsRedirect::generate(size_t count, SeededRandom& random)
{
    custom_.clear();
    for (size_t i = 0; i < count; ++i) {
        custom_.push_back(Domain{"site" + std::to_string(i) + ".example.com",
                                 random.between(0, 3) == 0 ? "192.168.1.11" : "", 300,
                                 static_cast<int>(random.between(0, 1)), "generated domain " + std::to_string(i + 1)});
    }
    return true;
}

Json::Value DnsRedirect::save() const
{
    const auto domains = [](const std::vector<Domain>& list) {
        Json::Value out(Json::arrayValue);
        for (const Domain& domain : list) {
            Json::Value item(Json::objectValue);
            item["Name"] = domain.name;
            item["IP"] = domain.address;
            item["TTL"] = domain.ttl;
            item["Enable"] = domain.enable;
            item["Note"] = domain.note;
            out.append(std::move(item));
        }
        return out;
    };
    Json::Value document(Json::objectValue);
    document["system"] = domains(builtIn_);
    document["custom"] = domains(custom_);
    Json::Value classes(Json::arrayValue);
    for (const VideoClass& videoClass : classes_) {
        Json::Value item(Json::objectValue);
        item["Name"] = videoClass.name;
        item["Enable"] = videoClass.enable;
        classes.append(std::move(item));
    }
    document["classes"] = std::move(classes);
    Json::Value hosts(Json::arrayValue);
    for (const BalanceHost& host : hosts_) {
        Json::Value item(Json::objectValue);
        item["IP"] = host.address;
        item["Enable"] = host.enable;
        item["Checking"] = host.checking;
        item["IsDown"] = host.down;
        item["DownTime"] = host.downTime;
        item["Note"] = host.note;
        hosts.append(std::move(item));
    }
    document["balance"] = std::move(hosts);
    return document;
}

void DnsRedirect::load(const Json::Value& document)
{
    const auto domains = [](const Json::Value& list) {
        std::vector<Domain> out;
        for (const Json::Value& item : list) {
            out.push_back(Domain{requireText(item, "Name"), requireText(item, "IP"),
                                 static_cast<int>(requireNumber(item, "TTL")),
                                 static_cast<int>(requireNumber(item, "Enable")), requireText(item, "Note")});
        }
        return out;
    };
    std::vector<Domain> builtIn = domains(requireMember(document, "system", Json::arrayValue));
    std::vector<Domain> custom = domains(requireMember(document, "custom", Json::arrayValue));
    std::vector<VideoClass> classes;
    for (const Json::Value& item : requireMember(document, "classes", Json::arrayValue))
        classes.push_back(VideoClass{requireText(item, "Name"), static_cast<int>(requireNumber(item, "Enable"))});
    std::vector<BalanceHost> hosts;
    for (const Json::Value& item : requireMember(document, "balance", Json::arrayValue)) {
        hosts.push_back(BalanceHost{requireText(item, "IP"), static_cast<int>(requireNumber(item, "Enable")),
                                    static_cast<int>(requireNumber(item, "Checking")),
                                    requireMember(item, "IsDown", Json::booleanValue).asBool(),
                                    requireText(item, "DownTime"), requireText(item, "Note")});
    }
    builtIn_ = std::move(builtIn);
    custom_ = std::move(custom);
    classes_ = std::move(classes);
    hosts_ = std::move(hosts);
}

}  // namespace morvix::sim
