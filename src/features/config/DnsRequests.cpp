#include "features/config/DnsRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

namespace {

bool Send(int kind, const RequestValues& values = {})
{
    return CMoxCacheProtocol::GetProtocol().Send(kind, values);
}

bool SendSystemSetting(const char* key, int value)
{
    return Send(eReq_DnsSystemSet, RequestValues().AddExtraPair(key, std::to_string(value)));
}

RequestValues RedirectEntryValues(const DnsRedirectEntry& entry)
{
    RequestValues values;
    values.Set("Name", entry.Name).Set("IP", entry.IP).Set("Enable", entry.Enable).Set("Note", entry.Note);
    return values;
}

RequestValues BalanceHostValues(const DnsBalanceHost& host)
{
    RequestValues values;
    values.Set("IP", host.IP).Set("Enable", host.Enable).Set("Checking", host.Checking).Set("Note", host.Note);
    return values;
}

}  // namespace

bool DnsManager_SystemList()
{
    return Send(eReq_DnsSystemList);
}

bool DnsManager_SystemSave(const DnsSystemOptions& options)
{
    RequestValues values;
    for (std::size_t i = 0; i < options.UpstreamDNS.size(); ++i)
        values.AddExtraPair("UpstreamDNS" + std::to_string(i + 1), options.UpstreamDNS[i]);
    values.AddExtraPair("DefaultRedirectIP", options.DefaultRedirectIP)
        .AddExtraPair("MaxNumOfDNSCache", std::to_string(options.MaxNumOfDNSCache))
        .AddExtraPair("MinTTLOfDNSCache", std::to_string(options.MinTTLOfDNSCache));
    return Send(eReq_DnsSystemSet, values);
}

bool DnsManager_SetCacheService(int enable)
{
    return SendSystemSetting("EnableDNSCacheService", enable);
}

bool DnsManager_SetRedirect(int enable)
{
    return SendSystemSetting("EnableRedirect", enable);
}

bool DnsManager_SetBalanceType(int balanceType)
{
    return SendSystemSetting("DNSRedirectBalanceType", balanceType);
}

bool DnsManager_CacheList()
{
    return Send(eReq_DnsCacheList);
}

bool DnsManager_CacheClean()
{
    return Send(eReq_DnsCacheClean);
}

bool DnsManager_RedirectList()
{
    return Send(eReq_DnsRedirectList);
}

bool DnsManager_RedirectAdd(const DnsRedirectEntry& entry)
{
    return Send(eReq_DnsRedirectAdd, RedirectEntryValues(entry));
}

bool DnsManager_RedirectModify(const DnsRedirectEntry& entry)
{
    return Send(eReq_DnsRedirectModify, RedirectEntryValues(entry));
}

bool DnsManager_RedirectDel(const std::string& name)
{
    return Send(eReq_DnsRedirectDel, RequestValues().Set("Name", name));
}

bool DnsManager_ClassList()
{
    return Send(eReq_DnsRedirectClassList);
}

bool DnsManager_ClassModify(const DnsRedirectClass& redirectClass)
{
    return Send(eReq_DnsRedirectClassMod,
                RequestValues().Set("Name", redirectClass.Name).Set("Enable", redirectClass.Enable));
}

bool DnsManager_BalanceList()
{
    return Send(eReq_DnsBalanceList);
}

bool DnsManager_BalanceAdd(const DnsBalanceHost& host)
{
    return Send(eReq_DnsBalanceAdd, BalanceHostValues(host));
}

bool DnsManager_BalanceModify(const DnsBalanceHost& host)
{
    return Send(eReq_DnsBalanceModify, BalanceHostValues(host));
}

bool DnsManager_BalanceDel(const std::string& ip)
{
    return Send(eReq_DnsBalanceDel, RequestValues().Set("IP", ip));
}

DnsSystemOptions DnsSystemOptionsFromValues(const RequestValues& values)
{
    // The fixed head of every set, then whatever the request changed.
    DnsSystemOptions options;
    options.DNSType = 1;
    options.EnableDNSCacheService = 1;
    for (const auto& [key, value] : values.ExtraPairs())
        SetDnsSystemOption(options, key, value);
    return options;
}

DnsRedirectEntry DnsRedirectEntryFromValues(const RequestValues& values)
{
    DnsRedirectEntry entry;
    entry.Name = values.Text("Name");
    entry.IP = values.Text("IP");
    entry.Enable = values.Number("Enable", entry.Enable);
    entry.Note = values.Text("Note");
    return entry;
}

DnsRedirectClass DnsRedirectClassFromValues(const RequestValues& values)
{
    DnsRedirectClass redirectClass;
    redirectClass.Name = values.Text("Name");
    redirectClass.Enable = values.Number("Enable", redirectClass.Enable);
    return redirectClass;
}

DnsBalanceHost DnsBalanceHostFromValues(const RequestValues& values)
{
    DnsBalanceHost host;
    host.IP = values.Text("IP");
    host.Enable = values.Number("Enable", host.Enable);
    host.Checking = values.Number("Checking", host.Checking);
    host.Note = values.Text("Note");
    return host;
}
