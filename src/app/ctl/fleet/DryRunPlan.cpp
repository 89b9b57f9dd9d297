#include "DryRunPlan.h"

#include "CurrentRecord.h"
#include "DnsFileCommand.h"
#include "JsonText.h"
#include "RecordKeys.h"
#include "TransferCommands.h"
#include "features/access/AddressListRequests.h"
#include "features/access/BlackListFile.h"
#include "features/access/RewriteRequests.h"
#include "features/cache/FCacheRequests.h"
#include "features/cache/RCacheRequests.h"
#include "features/cache/RulesFile.h"
#include "features/cache/SCacheRequests.h"
#include "features/config/DnsRedirectFile.h"
#include "protocol/RequestBody.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxCacheInstance.h"

#include <json/json.h>

#include <iostream>

namespace {

using nsMoxHttp::FindCatalogueRow;
using nsMoxHttp::RequestValues;

// The placeholder of the session the sign-in would hand out.
constexpr std::string_view kSessionPlaceholder = "SESSION";

template <class Item>
void AddEach(std::vector<PlannedRequest>& plan, int kind, const std::vector<Item>& items,
             RequestValues (*valuesOf)(const Item&))
{
    for (const Item& item : items)
        plan.push_back({FindCatalogueRow(kind), valuesOf(item), {}});
}

RequestValues BlackValues(const AddressListEntry& entry)
{
    return AddressListEntryValues(entry, AddressList::Black);
}

std::optional<std::vector<PlannedRequest>> PlanRules(const CtlOptions& options)
{
    const unsigned blocks = options.ruleBlocks == 0 ? eRulesBlock_All : options.ruleBlocks;
    std::vector<PlannedRequest> plan;
    if (options.cmd == "export") {
        const std::pair<RulesFileBlock, int> lists[] = {{eRulesBlock_FCache, eReq_FCacheList},
                                                        {eRulesBlock_RCache, eReq_RCacheList},
                                                        {eRulesBlock_SCache, eReq_SCacheList},
                                                        {eRulesBlock_Rewrite, eReq_RewriteList}};
        for (const auto& [block, kind] : lists)
            if (blocks & block)
                plan.push_back({FindCatalogueRow(kind), {}, {}});
        return plan;
    }
    const std::optional<std::string> text = ReadExchangeFile(options.pairs.front());
    if (!text)
        return std::nullopt;
    const RuleSet rules = ReadRulesFile(*text, blocks);
    AddEach(plan, eReq_FCacheAdd, rules.fcache, FCacheRuleValues);
    AddEach(plan, eReq_RCacheAdd, rules.rcache, RCacheRuleValues);
    AddEach(plan, eReq_SCacheAdd, rules.scache, SCacheRuleValues);
    AddEach(plan, eReq_RewriteAdd, rules.rewrite, RewriteRuleValues);
    return plan;
}

std::optional<std::vector<PlannedRequest>> PlanBlackList(const CtlOptions& options)
{
    if (options.cmd == "export")
        return std::vector<PlannedRequest>{{FindCatalogueRow(eReq_BlackList), {}, {}}};
    const std::optional<std::string> text = ReadExchangeFile(options.pairs.front());
    if (!text)
        return std::nullopt;
    std::vector<PlannedRequest> plan;
    AddEach(plan, eReq_BlackAdd, ReadBlackListFile(*text).entries.All(), BlackValues);
    return plan;
}

std::optional<std::vector<PlannedRequest>> PlanDnsFile(const CtlOptions& options)
{
    if (options.cmd == "export")
        return std::vector<PlannedRequest>{{FindCatalogueRow("dns", "redirect-list"), {}, {}}};
    std::string error;
    const auto read = ReadDnsRedirectFile(options.pairs.front(), &error);
    if (!read) {
        std::cerr << "morvixctl: " << error << "\n";
        return std::nullopt;
    }
    std::vector<PlannedRequest> plan;
    for (const DnsRedirectEntry& entry : read->entries.All())
        plan.push_back({FindCatalogueRow("dns", "redirect-add"), DnsRedirectAddValues(entry), {}});
    return plan;
}

std::vector<PlannedRequest> PlanCatalogueRequest(const CtlRequest& request, const std::vector<std::string>& match)
{
    std::vector<PlannedRequest> plan;
    const CurrentRecordSource* source = CurrentRecordSourceFor(request.row->type, request.row->cmd);
    const RecordKeys* keys = match.empty() ? nullptr : RecordKeysFor(request.row->type, request.row->cmd);
    if (source)
        plan.push_back({FindCatalogueRow(source->listType, source->listCmd), {}, {}});
    else if (keys)
        plan.push_back({FindCatalogueRow(keys->type, keys->listCmd), {}, {}});
    std::string note = source ? "the fields not named are the record's as the list above gives them" : "";
    if (keys) {
        std::string key;
        for (const std::string& pair : match)
            key += (key.empty() ? "" : " ") + pair;
        note = std::string(keys->idField) + " is that of the one record with " + key + " in the list above" +
               (note.empty() ? "" : "; " + note);
    }
    plan.push_back({request.row, request.values, note});
    return plan;
}

struct ShownRequest {
    std::string url;
    std::string body;
    std::string note;
};

// The request's address on the server, under the server's own scheme.
std::string ShownUrl(const ServerAddress& server, const nsMoxHttp::CatalogueRow& row)
{
    return server.scheme + nsMoxHttp::RequestUrl(server.HostPort(), row).substr(std::string_view("http").size());
}

std::vector<ShownRequest> Shown(const ServerAddress& server, const std::string& role,
                                const std::vector<PlannedRequest>& requests)
{
    const nsMoxHttp::CatalogueRow* signIn = FindCatalogueRow(eReq_SignIn);
    const int roleNumber = role == "keeper" ? eMoxRole_Keeper : eMoxRole_Admin;
    std::vector<ShownRequest> shown;
    const RequestValues signInValues =
        RequestValues().Set("Username", std::string(CMoxCacheInstance::UserName(roleNumber))).Set("Password", "********");
    shown.push_back({ShownUrl(server, *signIn),
                     nsMoxHttp::FormatRequestBody(*signIn, signInValues, {}, 1).body, "the password is not shown"});
    unsigned long number = 1;
    for (const PlannedRequest& request : requests)
        shown.push_back({ShownUrl(server, *request.row),
                         nsMoxHttp::FormatRequestBody(*request.row, request.values, kSessionPlaceholder, ++number).body,
                         request.note});
    return shown;
}

}  // namespace

std::optional<std::vector<PlannedRequest>> PlanRequests(const CtlOptions& options, const CtlCommand& command)
{
    if (command.transfer)
        return options.type == "rules" ? PlanRules(options) : PlanBlackList(options);
    if (command.dnsFile)
        return PlanDnsFile(options);
    if (command.request)
        return PlanCatalogueRequest(*command.request, options.match);
    return std::vector<PlannedRequest>{{FindCatalogueRow(eReq_ProxyList), {}, {}}};
}

void WriteDryRun(std::ostream& out, const std::vector<FleetServer>& servers, const std::string& role,
                 const std::vector<PlannedRequest>& requests, bool json)
{
    Json::Value array(Json::arrayValue);
    for (const auto& [address, settings] : servers) {
        const std::string server = address.Text();
        const std::vector<ShownRequest> shown = Shown(address, settings.role.value_or(role), requests);
        if (!json) {
            out << "== " << server << "\n";
            for (const ShownRequest& request : shown)
                out << "POST " << request.url << "\n  " << request.body
                    << (request.note.empty() ? "" : "\n  # " + request.note) << "\n";
            continue;
        }
        Json::Value& entry = array.append(Json::Value(Json::objectValue));
        entry["server"] = server;
        Json::Value& list = entry["requests"] = Json::Value(Json::arrayValue);
        for (const ShownRequest& request : shown) {
            Json::Value& item = list.append(Json::Value(Json::objectValue));
            item["url"] = request.url;
            item["body"] = request.body;
            if (!request.note.empty())
                item["note"] = request.note;
        }
    }
    if (json)
        out << IndentedJson(array) << "\n";
}
