#include "protocol/RequestBody.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"

#include <gtest/gtest.h>

#include <set>

using namespace nsMoxHttp;

namespace {

std::string Body(std::string_view type, std::string_view cmd, const RequestValues& values,
                 std::string_view session = "S1", unsigned long id = 7)
{
    const CatalogueRow* row = ChooseForm(FindCatalogueForms(type, cmd), values);
    EXPECT_NE(row, nullptr) << type << " " << cmd;
    if (!row)
        return {};
    const FormattedBody body = FormatRequestBody(*row, values, session, id);
    EXPECT_EQ(body.error, "");
    return body.body;
}

}  // namespace

TEST(RequestCatalogue, KindsAreUniqueAndEveryRowIsReachable)
{
    std::set<std::pair<std::string_view, std::string_view>> names;
    std::set<int> kinds;
    for (const CatalogueRow& row : RequestCatalogue()) {
        names.insert({row.type, row.cmd});
        kinds.insert(row.kind);
        EXPECT_EQ(FindCatalogueRow(row.kind)->kind, row.kind);
        EXPECT_EQ(FindCatalogueRow(row.type, row.cmd)->kind, row.kind);
    }
    // The three cluster-change forms share one request.
    EXPECT_EQ(names.size(), RequestCatalogue().size() - 2);
    EXPECT_EQ(kinds.size(), names.size());
    EXPECT_EQ(FindCatalogueForms("cluster", "modify").size(), 3u);
    EXPECT_EQ(FindCatalogueRow("fcache", "nosuch"), nullptr);
}

TEST(RequestCatalogue, OnlyTheReadsMayGoOutOnAnyLiveConnection)
{
    const std::set<int> reads = {
        eReq_FCacheList, eReq_RCacheList, eReq_RewriteList, eReq_BlackList, eReq_WhiteList, eReq_ProxyList,
        eReq_UpstreamList, eReq_SCacheList, eReq_SystemList, eReq_RealtimeList, eReq_RealtimeTotalStat,
        eReq_InstantRequest, eReq_RthList, eReq_ToolsIpLook, eReq_ToolsTestRegex, eReq_ToolsTestCache,
        eReq_ToolsAllCacheList, eReq_ClusterGet, eReq_ClusterStatus, eReq_DiskCacheList, eReq_DiskCacheQuery,
        eReq_DnsSystemList, eReq_DnsRedirectList, eReq_DnsCacheList, eReq_DnsRedirectClassList,
        eReq_DnsBalanceList,
    };
    for (const CatalogueRow& row : RequestCatalogue())
        EXPECT_EQ(ChangesServer(row), !reads.contains(row.kind)) << row.type << " " << row.cmd;
}

TEST(RequestBody, RuleAddEncodesTextAndKeepsThePairOrder)
{
    RequestValues values;
    values.Set("Url", "/news/a b&c").Set("Icase", 1).Set("Rules", 0).Set("Expire", 30).Set("Unit", 2);
    values.Set("Icookie", 1).Set("Olimit", 0).Set("IsDiskCache", 1).Set("Note", "a b&c/中");
    EXPECT_EQ(Body("fcache", "add", values),
              "Url=%2Fnews%2Fa%20b%26c&Icase=1&Rules=0&Expire=30&Unit=2&Icookie=1&Olimit=0&IsDiskCache=1"
              "&Note=a%20b%26c%2F%E4%B8%AD&SessionID=S1&RequestID=7");
}

TEST(RequestBody, IdentifiersGoOutUnchangedUnlessTheyCouldAddAPair)
{
    EXPECT_EQ(Body("fcache", "del", RequestValues().Set("Wid", "a1-B_2.(x)~*'!")),
              "Wid=a1-B_2.(x)~*'!&SessionID=S1&RequestID=7");
    EXPECT_EQ(Body("rewrite", "del", RequestValues().Set("RewriteID", "9&Url=x")),
              "SessionID=S1&RequestID=7&RewriteID=9%26Url%3Dx");
    EXPECT_EQ(Body("fcache", "list", {}, "ab&cd"), "SessionID=ab%26cd&RequestID=7");
}

TEST(RequestBody, NumbersMustBeNumbers)
{
    RequestValues values;
    values.Set("DiskNo", "x3");
    const FormattedBody bad = FormatRequestBody(*FindCatalogueRow("diskcache", "query"), values, "S", 1);
    EXPECT_NE(bad.error.find("DiskNo"), std::string::npos);
    EXPECT_EQ(bad.body, "");
    const FormattedBody missing = FormatRequestBody(*FindCatalogueRow("diskcache", "query"), {}, "S", 1);
    EXPECT_NE(missing.error.find("DiskNo"), std::string::npos);
    EXPECT_EQ(Body("diskcache", "query", RequestValues().Set("DiskNo", "-0012")),
              "SessionID=S1&RequestID=7&DiskNo=-12");
}

TEST(RequestBody, SettingsTailsFollowTheFixedPairs)
{
    RequestValues system;
    system.AddExtraPair("MaxClientRecvBuffer", "16").AddExtraPair("IsUsedXForwordedFor", "1");
    EXPECT_EQ(Body("system", "modify", system),
              "SessionID=S1&RequestID=7&MaxClientRecvBuffer=16&IsUsedXForwordedFor=1");
    EXPECT_EQ(Body("system", "modify", {}), "SessionID=S1&RequestID=7");

    RequestValues dns;
    dns.AddExtraPair("DNSServer1", "127.0.0.1").AddExtraPair("Note", "主 DNS");
    EXPECT_EQ(Body("dns", "system-set", dns),
              "SessionID=S1&RequestID=7&DNSType=1&EnableDNSCacheService=1&DNSServer1=127.0.0.1&Note=%E4%B8%BB%20DNS");
}

TEST(RequestBody, InstantRequestAddressRangeIsOptional)
{
    RequestValues values;
    values.Set("RequestUrl", "*.jpg").Set("Icase", 1).Set("Rules", 0).Set("Location", 1).Set("DateTime", 1);
    values.Set("HitCache", 0).Set("UserAgent", 0).Set("InvalidRequest", 0).Set("HitMemberCache", 0);
    const std::string head =
        "SessionID=S1&RequestID=7&RequestUrl=*.jpg&Icase=1&Rules=0&Location=1&DateTime=1&HitCache=0&UserAgent=0"
        "&InvalidRequest=0&HitMemberCache=0";
    EXPECT_EQ(Body("realtime", "instantrequest", values), head);
    values.Set("IPLow", "10.0.0.1").Set("IPHigh", "10.0.0.9");
    EXPECT_EQ(Body("realtime", "instantrequest", values), head + "&IPLow=10.0.0.1&IPHigh=10.0.0.9");
}

TEST(RequestBody, ClusterChangeTakesTheFormItsFieldsFill)
{
    EXPECT_EQ(Body("cluster", "modify", RequestValues().Set("Role", 0)), "SessionID=S1&RequestID=7&Role=0");
    EXPECT_EQ(Body("cluster", "modify",
                   RequestValues().Set("Role", 1).Set("Binding", 6781).Set("Auth", "k ey").Set("Note", "主")),
              "SessionID=S1&RequestID=7&Role=1&Binding=6781&Auth=k%20ey&Note=%E4%B8%BB");
    EXPECT_EQ(Body("cluster", "modify",
                   RequestValues()
                       .Set("Role", 2)
                       .Set("Host", "10.0.0.5:6781")
                       .Set("Auth", "k")
                       .Set("SlaveID", "ab-12")
                       .Set("Note", "")),
              "SessionID=S1&RequestID=7&Role=2&Host=10.0.0.5:6781&Auth=k&SlaveID=ab-12&Note=");
}

TEST(RequestBody, DnsAddressesGoAsTypedAndOtherPairsEncoded)
{
    RequestValues values;
    values.AddExtraPair("UpstreamDNS1", "[2001:db8::1]:53").AddExtraPair("UpstreamDNS2", "")
        .AddExtraPair("DefaultRedirectIP", "10.0.0.2 x").AddExtraPair("MaxNumOfDNSCache", "50000");
    EXPECT_EQ(Body("dns", "system-set", values),
              "SessionID=S1&RequestID=7&DNSType=1&EnableDNSCacheService=1&UpstreamDNS1=[2001:db8::1]:53&UpstreamDNS2="
              "&DefaultRedirectIP=10.0.0.2%20x&MaxNumOfDNSCache=50000");
}

TEST(RequestBody, CallerFieldsExcludeTheSessionPairs)
{
    const CatalogueRow* row = FindCatalogueRow("rth", "del");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(CallerFieldNames(*row), std::vector<std::string>{"RequestUrl"});
    const CatalogueRow* instant = FindCatalogueRow(eReq_InstantRequest);
    const std::vector<std::string> names = CallerFieldNames(*instant);
    EXPECT_EQ(names.back(), "IPHigh");
    EXPECT_EQ(names.front(), "RequestUrl");
}
