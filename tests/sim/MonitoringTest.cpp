#include "SimFixture.h"

#include "TrafficModel.h"
#include "support/WaitUntil.h"

#include <sstream>

namespace morvix::sim::test {

namespace {

long long numberOf(const Json::Value& value)
{
    return std::stoll(value.asString());
}

}  // namespace

class Monitoring : public SimFixture {};

TEST_F(Monitoring, CountersGrowAndGiveAMeaningfulSavingAndHitRate)
{
    const Json::Value first = call("realtime", "list");
    for (const char* key : {"CurrentUserConnections", "TotalSendKB", "TotalRecvFromResponseKB", "CurrentTickCount",
                            "StartTime", "CurrentTime", "NumOfCaches", "CacheUsedMemSize"})
        EXPECT_TRUE(first[key].isString()) << key;
    Json::Value later;
    ASSERT_TRUE(morvix::test::WaitUntil([&] {
        later = call("realtime", "list");
        return numberOf(later["TotalSendKB"]) > numberOf(first["TotalSendKB"]) &&
               numberOf(later["CurrentTickCount"]) > numberOf(first["CurrentTickCount"]);
    }));
    const double sent = static_cast<double>(numberOf(later["TotalSendKB"]) - numberOf(first["TotalSendKB"]));
    const double fetched =
        static_cast<double>(numberOf(later["TotalRecvFromResponseKB"]) - numberOf(first["TotalRecvFromResponseKB"]));
    const double hitRate = (sent - fetched) * 100.0 / sent;
    EXPECT_GT(hitRate, 20.0);
    EXPECT_LT(hitRate, 99.0);
    const double saving = static_cast<double>(numberOf(later["TotalSendKB"]) - numberOf(later["TotalRecvFromResponseKB"])) *
                          100.0 / static_cast<double>(numberOf(later["TotalSendKB"]));
    EXPECT_GT(saving, 20.0);
    EXPECT_LT(saving, 99.0);
}

TEST_F(Monitoring, ReportHasAHeaderAndFiveFieldsPerProvince)
{
    const Json::Value reply = call("realtime", "totalstat");
    for (const char* key : {"StartTime", "EndTime", "HitCachesRate"})
        EXPECT_TRUE(reply[key].isString()) << key;
    std::istringstream lines(reply["RealTimeReport"].asString());
    std::string line;
    std::getline(lines, line);
    int rows = 0;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string name, total, addresses, perAddress, share;
        ASSERT_TRUE(fields >> name >> total >> addresses >> perAddress >> share) << line;
        EXPECT_EQ(share.back(), '%');
        ++rows;
    }
    EXPECT_GE(rows, 5);
}

TEST_F(Monitoring, TrafficIsAFunctionOfTheSeed)
{
    TrafficModel one(42), same(42), other(43);
    EXPECT_EQ(one.totalsAt(5000.5).sentKB, same.totalsAt(5000.5).sentKB);
    EXPECT_EQ(one.totalsAt(90.0).requests, same.totalsAt(90.0).requests) << "an earlier time after a later one";
    EXPECT_NE(one.totalsAt(5000.5).sentKB, other.totalsAt(5000.5).sentKB);
    EXPECT_LT(one.totalsAt(100).receivedFromOriginKB, one.totalsAt(100).sentKB);
}

TEST_F(Monitoring, HostCountersGrowBetweenPolls)
{
    const Json::Value first = call("proxy", "list");
    ASSERT_GT(first["Lists"].size(), 0u);
    const Json::Value& host = first["Lists"][0];
    for (const char* key : {"NO", "ProxyID", "Host", "Balance", "StartTime", "EndTime", "RequestCount", "UploadCount",
                            "DownloadCount", "IpCount", "UserConnections", "UpstreamConnections", "CurrentTickCount",
                            "Note"})
        EXPECT_TRUE(host[key].isString()) << key;
    EXPECT_TRUE(morvix::test::WaitUntil([&] {
        return numberOf(call("proxy", "list")["Lists"][0]["DownloadCount"]) > numberOf(host["DownloadCount"]);
    }));

    const Json::Value upstreams = call("upstream", "list", "ProxyID=" + host["ProxyID"].asString());
    ASSERT_GT(upstreams["Lists"].size(), 0u);
    for (const char* key : {"UpstreamID", "Host", "IsDown", "DownTime", "RequestCount"})
        EXPECT_TRUE(upstreams["Lists"][0][key].isString()) << key;
    EXPECT_EQ(errorOf(call("upstream", "list", "ProxyID=0")), "51");
}

TEST_F(Monitoring, HostsAndUpstreamsHaveTheirOwnConflicts)
{
    const Json::Value added = call("proxy", "add", "Host=new.example.com&Balance=1&Note=");
    ASSERT_EQ(errorOf(added), "accepted");
    const std::string proxy = added["ProxyID"].asString();
    EXPECT_EQ(errorOf(call("proxy", "add", "Host=new.example.com&Balance=1&Note=")), "50");
    EXPECT_EQ(errorOf(call("proxy", "modify", "ProxyID=0&Host=x.com&Balance=1&Note=")), "51");
    const Json::Value upstream = call("upstream", "add", "ProxyID=" + proxy + "&Host=10.2.0.1%3A80&Note=");
    ASSERT_EQ(errorOf(upstream), "accepted");
    EXPECT_EQ(errorOf(call("upstream", "add", "ProxyID=" + proxy + "&Host=10.2.0.1%3A80&Note=")), "52");
    EXPECT_EQ(errorOf(call("upstream", "modify", "ProxyID=" + proxy + "&UpstreamID=0&Host=y&Note=")), "53");
    EXPECT_EQ(call("upstream", "list", "ProxyID=" + proxy)["Lists"][0]["UpstreamID"], upstream["UpstreamID"]);
}

TEST_F(Monitoring, HistoryRecordsAreKeyedByTheirUrl)
{
    const std::string fields = "&Icase=1&Rules=0&Location=1&DateTime=1&HitCache=1&UserAgent=0&InvalidRequest=0&"
                               "HitMemberCache=0";
    ASSERT_EQ(errorOf(call("rth", "add", "Title=%E6%A0%87%E9%A2%98&RequestUrl=http%3A%2F%2Fz.com%2F*" + fields)),
              "accepted");
    ASSERT_EQ(errorOf(call("rth", "add", "Title=again&RequestUrl=http%3A%2F%2Fz.com%2F*" + fields)), "accepted");
    const Json::Value list = call("rth", "list");
    ASSERT_EQ(list["NumOfLists"].asString(), "4") << "the same address is the same record";
    EXPECT_EQ(list["Lists"][3]["Title"].asString(), "again");
    EXPECT_EQ(list["Lists"][3]["RequestUrl"].asString(), "http://z.com/*");
    ASSERT_EQ(errorOf(call("rth", "del", "RequestUrl=http%3A%2F%2Fz.com%2F*")), "accepted");
    EXPECT_EQ(errorOf(call("rth", "del", "RequestUrl=http%3A%2F%2Fz.com%2F*")), "90");
    EXPECT_EQ(errorOf(call("rth", "add", "Title=t&RequestUrl=(&Icase=1&Rules=1&Location=1&DateTime=1&HitCache=1&"
                                         "UserAgent=0&InvalidRequest=0&HitMemberCache=0")),
              "23");
}

}  // namespace morvix::sim::test
