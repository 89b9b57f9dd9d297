#include "Cluster.h"

#include "AdminError.h"
#include "CommandTable.h"
#include "Ipv4.h"
#include "JsonText.h"
#include "PercentCodec.h"
#include "StateJson.h"
#include "WallClock.h"

namespace morvix::sim {

namespace {

constexpr auto connectingTime = std::chrono::seconds(2);

// "IP:PORT" with a port from 1 to 65534, as the master's address is written.
bool isMasterAddress(const std::string& text)
{
    const size_t colon = text.rfind(':');
    long long port = 0;
    return colon != std::string::npos && parseIpv4(std::string_view(text).substr(0, colon)) &&
           parseDecimal(std::string_view(text).substr(colon + 1), port) && port >= 1 && port <= 65534;
}

}  // namespace

void Cluster::registerCommands(CommandTable& table)
{
    table.add("cluster", "get", Access::Read, [this](const FormFields&) { return configuration(); });
    table.add("cluster", "status", Access::Read, [this](const FormFields&) { return status(); });
    table.add("cluster", "modify", Access::Change, [this](const FormFields& fields) { return modify(fields); });
}

void Cluster::seed()
{
    role_ = Master;
    binding_ = 7780;
    auth_ = "3F2504E04F8911D39A0C0305E82C3301";
    note_.clear();
    masterHost_.clear();
    slaveName_.clear();
    slaves_ = {SlaveEntry{"北京节点", "10.0.0.12", "2024-05-01 08:00:12", Connected, ""},
               SlaveEntry{"cache-node-3", "10.0.0.13", "2024-05-01 08:00:15", Connected, "机房 B"},
               SlaveEntry{"cache-node-4", "10.0.0.14", "2024-05-01 09:41:03", AuthFailed, "序列号待更新"}};
}

int Cluster::slaveConnectionState() const
{
    if (role_ != Slave)
        return NotSlave;
    return std::chrono::steady_clock::now() - configuredAt_ < connectingTime ? Connecting : Connected;
}

Reply Cluster::configuration() const
{
    Reply reply = Reply::accepted().set("Role", std::to_string(role_));
    if (role_ == Master) {
        reply.set("Binding", std::to_string(binding_)).set("Auth", auth_).set("Note", percentEncode(note_));
    } else if (role_ == Slave) {
        reply.set("Host", masterHost_)
            .set("Auth", auth_)
            .set("SlaveID", percentEncode(slaveName_))
            .set("Note", percentEncode(note_));
    }
    return reply;
}

Reply Cluster::status() const
{
    std::vector<Record> records;
    if (role_ == Master) {
        for (size_t i = 0; i < slaves_.size(); ++i) {
            const SlaveEntry& slave = slaves_[i];
            records.push_back(Record{{"NO", std::to_string(i + 1)},
                                     {"SlaveID", percentEncode(slave.name)},
                                     {"IP", slave.address},
                                     {"LoginTime", slave.loginTime},
                                     {"SlaveStatus", std::to_string(slave.state)},
                                     {"Note", percentEncode(slave.note)}});
        }
    }
    const int slaveState = slaveConnectionState();
    const bool masterReachable = role_ == Master || slaveState == Connected;
    return Reply::accepted()
        .set("Role", std::to_string(role_))
        .set("MasterStatus", masterReachable ? "1" : "0")
        .set("SlaveStatus", std::to_string(slaveState))
        .set("NumOfLists", std::to_string(records.size()))
        .setList("Lists", std::make_shared<const std::string>(JsonText::array(records)));
}

Reply Cluster::modify(const FormFields& fields)
{
    const int role = static_cast<int>(fields.number("Role", Alone, Slave));
    if (role == Master) {
        const int binding = static_cast<int>(fields.number("Binding", 1, 65534));
        std::string auth = fields.text("Auth", 127, true);
        note_ = fields.text("Note", 511, false);
        binding_ = binding;
        auth_ = std::move(auth);
    } else if (role == Slave) {
        std::string host = fields.text("Host", 31, true);
        if (!isMasterAddress(host))
            throw AdminError(BadField, "master address must be IP:PORT");
        std::string auth = fields.text("Auth", 127, true);
        std::string slaveName = fields.text("SlaveID", 255, true);
        note_ = fields.text("Note", 511, false);
        masterHost_ = std::move(host);
        auth_ = std::move(auth);
        slaveName_ = std::move(slaveName);
        configuredAt_ = std::chrono::steady_clock::now();
    }
    role_ = role;
    return Reply::accepted();
}

Json::Value Cluster::save() const
{
    Json::Value document(Json::objectValue);
    document["Role"] = role_;
    document["Binding"] = binding_;
    document["Auth"] = auth_;
    document["Note"] = note_;
    document["Host"] = masterHost_;
    document["SlaveID"] = slaveName_;
    Json::Value slaves(Json::arrayValue);
    for (const SlaveEntry& slave : slaves_) {
        Json::Value item(Json::objectValue);
        item["SlaveID"] = slave.name;
        item["IP"] = slave.address;
        item["LoginTime"] = slave.loginTime;
        item["SlaveStatus"] = slave.state;
        item["Note"] = slave.note;
        slaves.append(std::move(item));
    }
    document["slaves"] = std::move(slaves);
    return document;
}

void Cluster::load(const Json::Value& document)
{
    std::vector<SlaveEntry> slaves;
    for (const Json::Value& item : requireMember(document, "slaves", Json::arrayValue)) {
        slaves.push_back(SlaveEntry{requireText(item, "SlaveID"), requireText(item, "IP"),
                                    requireText(item, "LoginTime"), static_cast<int>(requireNumber(item, "SlaveStatus")),
                                    requireText(item, "Note")});
    }
    const long long role = requireNumber(document, "Role");
    if (role < Alone || role > Slave)
        throw StateFormatError("cluster role must be 0, 1 or 2");
    role_ = static_cast<int>(role);
    binding_ = static_cast<int>(requireNumber(document, "Binding"));
    auth_ = requireText(document, "Auth");
    note_ = requireText(document, "Note");
    masterHost_ = requireText(document, "Host");
    slaveName_ = requireText(document, "SlaveID");
    slaves_ = std::move(slaves);
    configuredAt_ = std::chrono::steady_clock::now();
}

}  // namespace morvix::sim
