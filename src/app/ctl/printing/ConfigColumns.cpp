#include "RecordColumns.h"
#include "features/config/ClusterConfig.h"
#include "features/config/DiskCacheEntry.h"
#include "features/config/DnsBalanceHost.h"
#include "features/config/DnsRedirectClass.h"
#include "features/config/DnsRedirectEntry.h"
#include "features/config/DnsSystemOptions.h"
#include "features/config/SystemOptionFields.h"

template <>
const std::vector<Column<ClusterConfig>>& ColumnsOf<ClusterConfig>()
{
    using R = ClusterConfig;
    static const std::vector<Column<R>> columns = {
        Field("NO", &R::NO),
        Field("Role", &R::Role),
        Field("Binding", &R::Binding),
        Field("Auth", &R::Auth),
        Field("Host", &R::Host),
        Field("SlaveID", &R::SlaveID),
        Field("SlaveStatus", &R::SlaveStatus),
        Field("MasterStatus", &R::MasterStatus),
        Field("LoginTime", &R::LoginTime),
        Field("Note", &R::Note),
    };
    return columns;
}

template <>
const std::vector<Column<DiskCacheEntry>>& ColumnsOf<DiskCacheEntry>()
{
    using R = DiskCacheEntry;
    static const std::vector<Column<R>> columns = {
        Field("DiskNo", &R::DiskNo), Field("Path", &R::Path), Field("Enable", &R::Enable),
        Field("Status", &R::Status), Field("Note", &R::Note),
    };
    return columns;
}

template <>
const std::vector<Column<DnsRedirectEntry>>& ColumnsOf<DnsRedirectEntry>()
{
    using R = DnsRedirectEntry;
    static const std::vector<Column<R>> columns = {
        Field("Name", &R::Name), Field("IP", &R::IP),   Field("TTL", &R::TTL),           Field("Enable", &R::Enable),
        Field("THC", &R::THC),   Field("Note", &R::Note), Field("IsSystem", &R::IsSystem),
    };
    return columns;
}

template <>
const std::vector<Column<DnsRedirectClass>>& ColumnsOf<DnsRedirectClass>()
{
    using R = DnsRedirectClass;
    static const std::vector<Column<R>> columns = {Field("Name", &R::Name), Field("Enable", &R::Enable)};
    return columns;
}

template <>
const std::vector<Column<DnsBalanceHost>>& ColumnsOf<DnsBalanceHost>()
{
    using R = DnsBalanceHost;
    static const std::vector<Column<R>> columns = {
        Field("IP", &R::IP),         Field("Enable", &R::Enable),     Field("Checking", &R::Checking),
        Field("IsDown", &R::IsDown), Field("DownTime", &R::DownTime), Field("THC", &R::THC),
        Field("Note", &R::Note),
    };
    return columns;
}

template <>
const std::vector<Column<DnsSystemOptions>>& ColumnsOf<DnsSystemOptions>()
{
    using R = DnsSystemOptions;
    static const std::vector<Column<R>> columns = [] {
        std::vector<Column<R>> list = {
            Field("EnableDNSCacheService", &R::EnableDNSCacheService),
            Field("DNSType", &R::DNSType),
            Field("MaxNumOfDNSCache", &R::MaxNumOfDNSCache),
            Field("MinTTLOfDNSCache", &R::MinTTLOfDNSCache),
            Field("MaxRetryingTimes", &R::MaxRetryingTimes),
        };
        static constexpr std::string_view kUpstreamKeys[] = {"UpstreamDNS1", "UpstreamDNS2", "UpstreamDNS3",
                                                             "UpstreamDNS4", "UpstreamDNS5", "UpstreamDNS6",
                                                             "UpstreamDNS7", "UpstreamDNS8"};
        for (std::size_t i = 0; i < std::size(kUpstreamKeys); ++i)
            list.push_back({kUpstreamKeys[i], [i](const R& options) -> FieldValue { return options.UpstreamDNS[i]; }});
        list.push_back(Field("DefaultRedirectIP", &R::DefaultRedirectIP));
        list.push_back(Field("DNSRedirectBalanceType", &R::DNSRedirectBalanceType));
        list.push_back(Field("EnableRedirect", &R::EnableRedirect));
        return list;
    }();
    return columns;
}

// Under the keys the list reply uses; the memory figures the server only reports come last.
template <>
const std::vector<Column<SystemOptions>>& ColumnsOf<SystemOptions>()
{
    static const std::vector<Column<SystemOptions>> columns = [] {
        std::vector<Column<SystemOptions>> list;
        for (const SystemOptionField& field : SystemOptionFields())
            list.push_back(Field(field.replyKey, field.value));
        for (const SystemReadOnlyField& field : SystemReadOnlyFields())
            list.push_back(Field(field.replyKey, field.value));
        return list;
    }();
    return columns;
}
