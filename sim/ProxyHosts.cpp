#include "ProxyHosts.h"

#include "AdminError.h"
#include "CommandTable.h"
#include "JsonText.h"
#include "PercentCodec.h"
#include "StateJson.h"
#include "TrafficModel.h"
#include "WallClock.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace morvix::sim {

struct ProxyHosts::Counters {
    std::string startTime;
    std::string endTime;
    long long requests;
    long long uploadBytes;
    long long downloadBytes;
    long long addresses;
    long long userConnections;
    long long upstreamConnections;
    std::string tick;
};

ProxyHosts::ProxyHosts(TrafficModel& traffic, IdIssuer& ids) : traffic_(traffic), ids_(ids) {}

void ProxyHosts::registerCommands(CommandTable& table)
{
    table.add("proxy", "list", Access::Read, [this](const FormFields&) { return hostList(); });
    table.add("upstream", "list", Access::Read, [this](const FormFields& f) { return upstreamList(f); });
    table.add("proxy", "add", Access::Change, [this](const FormFields& f) { return addHost(f); });
    table.add("proxy", "modify", Access::Change, [this](const FormFields& f) { return modifyHost(f); });
    table.add("proxy", "del", Access::Change, [this](const FormFields& f) { return removeHost(f); });
    table.add("upstream", "add", Access::Change, [this](const FormFields& f) { return addUpstream(f); });
    table.add("upstream", "modify", Access::Change, [this](const FormFields& f) { return modifyUpstream(f); });
    table.add("upstream", "del", Access::Change, [this](const FormFields& f) { return removeUpstream(f); });
}

void ProxyHosts::seed()
{
    const auto upstream = [this](std::string host, std::string note, bool down = false) {
        return Upstream{ids_.next(), std::move(host), std::move(note), down, down ? "2024-05-01 03:12:45" : ""};
    };
    hosts_.clear();
    hosts_.push_back(Host{ids_.next(), "www.example.com", 0, "门户", {}});
    hosts_.back().upstreams = {upstream("10.1.0.11:80", "web-1"), upstream("10.1.0.12:80", "web-2"),
                               upstream("10.1.0.13:80", "web-3 维护", true)};
    hosts_.push_back(Host{ids_.next(), "img.example.net", 2, "图片站", {}});
    hosts_.back().upstreams = {upstream("10.1.1.21:80", "img-1"), upstream("10.1.1.22:80", "img-2")};
    hosts_.push_back(Host{ids_.next(), "bbs.example.org", 1, "论坛", {}});
    hosts_.back().upstreams = {upstream("10.1.2.31:8080", "bbs")};
    hosts_.push_back(Host{ids_.next(), "video.example.cn", 0, "视频", {}});
    hosts_.back().upstreams = {upstream("10.1.3.41:80", "video-1"), upstream("10.1.3.42:80", "video-2")};
}

double ProxyHosts::weightOf(const std::string& name) const
{
    return 1.0 + static_cast<double>(mixBits(traffic_.seed(), std::hash<std::string>()(name)) % 400) / 100.0;
}

ProxyHosts::Counters ProxyHosts::countersFor(double share)
{
    const std::time_t now = std::time(nullptr);
    const std::time_t periodStart = traffic_.periodStart(now);
    const double uptime = traffic_.uptimeSeconds();
    const TrafficModel::Totals end = traffic_.totalsAt(uptime);
    const TrafficModel::Totals start = traffic_.totalsAt(uptime - static_cast<double>(now - periodStart));
    const double requests = (end.requests - start.requests) * share;
    const int64_t second = static_cast<int64_t>(uptime);
    const double perSecond = traffic_.requestsPerSecond(second) * share;
    return Counters{formatTime(periodStart),
                    formatTime(periodStart + 86399),
                    std::llround(requests),
                    std::llround((end.receivedKB - start.receivedKB) * share * 1024.0),
                    std::llround((end.sentKB - start.sentKB) * share * 1024.0),
                    std::llround(std::sqrt(requests) * 6.0),
                    std::llround(perSecond * 2.5),
                    std::llround(perSecond * (1.0 - traffic_.hitRatio(second)) * 0.8),
                    std::to_string(traffic_.tickCount())};
}

Record ProxyHosts::withCounters(Record record, const Counters& counters)
{
    record.set("StartTime", counters.startTime)
        .set("EndTime", counters.endTime)
        .set("RequestCount", std::to_string(counters.requests))
        .set("UploadCount", std::to_string(counters.uploadBytes))
        .set("DownloadCount", std::to_string(counters.downloadBytes))
        .set("IpCount", std::to_string(counters.addresses))
        .set("UserConnections", std::to_string(counters.userConnections))
        .set("UpstreamConnections", std::to_string(counters.upstreamConnections))
        .set("CurrentTickCount", counters.tick);
    return record;
}

Reply ProxyHosts::hostList()
{
    double total = 0;
    for (const Host& host : hosts_)
        total += weightOf(host.host);
    std::vector<Record> records;
    for (size_t i = 0; i < hosts_.size(); ++i) {
        const Host& host = hosts_[i];
        Record record = withCounters(Record{{"NO", std::to_string(i + 1)},
                                              {"ProxyID", host.id},
                                              {"Host", host.host},
                                              {"Balance", std::to_string(host.balance)}},
                                       countersFor(weightOf(host.host) / total));
        record.set("Note", percentEncode(host.note));
        records.push_back(std::move(record));
    }
    return Reply::accepted()
        .set("NumOfLists", std::to_string(records.size()))
        .setList("Lists", std::make_shared<const std::string>(JsonText::array(records)));
}

Reply ProxyHosts::upstreamList(const FormFields& fields)
{
    double total = 0;
    for (const Host& host : hosts_)
        total += weightOf(host.host);
    Host& host = hostById(fields.text("ProxyID"), ProxyModifyMissing);
    double working = 0;
    for (const Upstream& upstream : host.upstreams)
        working += upstream.down ? 0.0 : weightOf(upstream.host);
    std::vector<Record> records;
    for (size_t i = 0; i < host.upstreams.size(); ++i) {
        const Upstream& upstream = host.upstreams[i];
        const double share = upstream.down ? 0.0 : weightOf(host.host) / total * weightOf(upstream.host) / working;
        Record record = withCounters(
            Record{{"NO", std::to_string(i + 1)}, {"UpstreamID", upstream.id}, {"Host", upstream.host}},
            countersFor(share));
        record.set("IsDown", upstream.down ? "1" : "0").set("DownTime", upstream.downTime);
        record.set("Note", percentEncode(upstream.note));
        records.push_back(std::move(record));
    }
    return Reply::accepted()
        .set("NumOfLists", std::to_string(records.size()))
        .setList("Lists", std::make_shared<const std::string>(JsonText::array(records)));
}

ProxyHosts::Host& ProxyHosts::hostById(const std::string& id, int refusal)
{
    const auto it = std::find_if(hosts_.begin(), hosts_.end(), [&](const Host& h) { return h.id == id; });
    if (it == hosts_.end())
        throw AdminError(refusal, "no proxied host " + id);
    return *it;
}

ProxyHosts::Upstream& ProxyHosts::upstreamById(Host& host, const std::string& id)
{
    const auto it =
        std::find_if(host.upstreams.begin(), host.upstreams.end(), [&](const Upstream& u) { return u.id == id; });
    if (it == host.upstreams.end())
        throw AdminError(UpstreamModifyMissing, "no upstream " + id);
    return *it;
}

Reply ProxyHosts::addHost(const FormFields& fields)
{
    std::string name = fields.text("Host", 255, true);
    const int balance = static_cast<int>(fields.number("Balance", 0, 2));
    std::string note = fields.text("Note", 599, false);
    if (std::any_of(hosts_.begin(), hosts_.end(), [&](const Host& h) { return h.host == name; }))
        throw AdminError(ProxyAddExists);
    hosts_.push_back(Host{ids_.next(), std::move(name), balance, std::move(note), {}});
    return Reply::accepted().set("ProxyID", hosts_.back().id);
}

Reply ProxyHosts::modifyHost(const FormFields& fields)
{
    Host& host = hostById(fields.text("ProxyID"), ProxyModifyMissing);
    std::string name = fields.text("Host", 255, true);
    const int balance = static_cast<int>(fields.number("Balance", 0, 2));
    std::string note = fields.text("Note", 599, false);
    if (std::any_of(hosts_.begin(), hosts_.end(), [&](const Host& h) { return h.host == name && &h != &host; }))
        throw AdminError(ProxyModifyMissing, "host name taken");
    host.host = std::move(name);
    host.balance = balance;
    host.note = std::move(note);
    return Reply::accepted().set("ProxyID", host.id);
}

Reply ProxyHosts::removeHost(const FormFields& fields)
{
    const Host& host = hostById(fields.text("ProxyID"), ProxyModifyMissing);
    const std::string id = host.id;
    std::erase_if(hosts_, [&](const Host& h) { return h.id == id; });
    return Reply::accepted().set("ProxyID", id);
}

Reply ProxyHosts::addUpstream(const FormFields& fields)
{
    Host& host = hostById(fields.text("ProxyID"), ProxyModifyMissing);
    std::string name = fields.text("Host", 255, true);
    std::string note = fields.text("Note", 599, false);
    if (std::any_of(host.upstreams.begin(), host.upstreams.end(), [&](const Upstream& u) { return u.host == name; }))
        throw AdminError(UpstreamAddExists);
    host.upstreams.push_back(Upstream{ids_.next(), std::move(name), std::move(note), false, ""});
    return Reply::accepted().set("UpstreamID", host.upstreams.back().id);
}

Reply ProxyHosts::modifyUpstream(const FormFields& fields)
{
    Host& host = hostById(fields.text("ProxyID"), ProxyModifyMissing);
    Upstream& upstream = upstreamById(host, fields.text("UpstreamID"));
    std::string name = fields.text("Host", 255, true);
    std::string note = fields.text("Note", 599, false);
    if (std::any_of(host.upstreams.begin(), host.upstreams.end(),
                    [&](const Upstream& u) { return u.host == name && &u != &upstream; }))
        throw AdminError(UpstreamModifyMissing, "upstream name taken");
    upstream.host = std::move(name);
    upstream.note = std::move(note);
    return Reply::accepted().set("UpstreamID", upstream.id);
}

Reply ProxyHosts::removeUpstream(const FormFields& fields)
{
    Host& host = hostById(fields.text("ProxyID"), ProxyModifyMissing);
    const std::string id = upstreamById(host, fields.text("UpstreamID")).id;
    std::erase_if(host.upstreams, [&](const Upstream& u) { return u.id == id; });
    return Reply::accepted().set("UpstreamID", id);
}

Json::Value ProxyHosts::save() const
{
    Json::Value list(Json::arrayValue);
    for (const Host& host : hosts_) {
        Json::Value item(Json::objectValue);
        item["ProxyID"] = host.id;
        item["Host"] = host.host;
        item["Balance"] = host.balance;
        item["Note"] = host.note;
        Json::Value upstreams(Json::arrayValue);
        for (const Upstream& upstream : host.upstreams) {
            Json::Value entry(Json::objectValue);
            entry["UpstreamID"] = upstream.id;
            entry["Host"] = upstream.host;
            entry["Note"] = upstream.note;
            entry["IsDown"] = upstream.down;
            entry["DownTime"] = upstream.downTime;
            upstreams.append(std::move(entry));
        }
        item["upstreams"] = std::move(upstreams);
        list.append(std::move(item));
    }
    Json::Value document(Json::objectValue);
    document["hosts"] = std::move(list);
    return document;
}

void ProxyHosts::load(const Json::Value& document)
{
    std::vector<Host> hosts;
    for (const Json::Value& item : requireMember(document, "hosts", Json::arrayValue)) {
        Host host{requireText(item, "ProxyID"), requireText(item, "Host"),
                  static_cast<int>(requireNumber(item, "Balance")), requireText(item, "Note"), {}};
        for (const Json::Value& entry : requireMember(item, "upstreams", Json::arrayValue)) {
            host.upstreams.push_back(Upstream{requireText(entry, "UpstreamID"), requireText(entry, "Host"),
                                              requireText(entry, "Note"),
                                              requireMember(entry, "IsDown", Json::booleanValue).asBool(),
                                              requireText(entry, "DownTime")});
        }
        hosts.push_back(std::move(host));
    }
    for (const Host& host : hosts) {
        ids_.reserve(host.id);
        for (const Upstream& upstream : host.upstreams)
            ids_.reserve(upstream.id);
    }
    hosts_ = std::move(hosts);
}

}  // namespace morvix::sim
