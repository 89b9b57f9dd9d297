#include "SimFixture.h"

namespace morvix::sim::test {

class Dns : public SimFixture {};

TEST_F(Dns, LastOfARepeatedSettingWins)
{
    ASSERT_EQ(errorOf(call("dns", "system-set", "DNSType=1&EnableDNSCacheService=1&EnableDNSCacheService=0")),
              "accepted");
    EXPECT_EQ(call("dns", "system-list")["EnableDNSCacheService"].asString(), "0");
    EXPECT_EQ(call("realtime", "list")["NumOfDNSCaches"].asString(), "0");
}

TEST_F(Dns, FullSaveChecksAddressesAndRanges)
{
    const std::string full = "DNSType=1&EnableDNSCacheService=1&UpstreamDNS1=1.1.1.1&UpstreamDNS2=&UpstreamDNS3=&"
                             "UpstreamDNS4=&UpstreamDNS5=&UpstreamDNS6=&UpstreamDNS7=&UpstreamDNS8=&"
                             "DefaultRedirectIP=10.0.0.2&MaxNumOfDNSCache=1000&MinTTLOfDNSCache=";
    ASSERT_EQ(errorOf(call("dns", "system-set", full + "120")), "accepted");
    const Json::Value settings = call("dns", "system-list");
    EXPECT_EQ(settings["UpstreamDNS1"].asString(), "1.1.1.1");
    EXPECT_EQ(settings["UpstreamDNS2"].asString(), "");
    EXPECT_EQ(settings["MinTTLOfDNSCache"].asString(), "120");
    EXPECT_EQ(errorOf(call("dns", "system-set", full + "30")), "23");
    EXPECT_EQ(errorOf(call("dns", "system-set", "DNSType=1&UpstreamDNS1=")), "23");
    EXPECT_EQ(errorOf(call("dns", "system-set", "DNSType=1&UpstreamDNS2=dns.example")), "23");
}

TEST_F(Dns, BalanceModeIsOneValueForBothRequests)
{
    ASSERT_EQ(errorOf(call("dns", "system-set", "DNSType=1&EnableDNSCacheService=1&DNSRedirectBalanceType=3")),
              "accepted");
    EXPECT_EQ(call("system", "list")["DNSRedirectBalanceType"].asString(), "3");
    ASSERT_EQ(errorOf(call("system", "modify", "DNSRedirectBalanceType=0")), "accepted");
    EXPECT_EQ(call("dns", "system-list")["DNSRedirectBalanceType"].asString(), "0");
}

TEST_F(Dns, CacheListIsTextAndCleaningEmptiesIt)
{
    const auto listed = post("/morvix/webcache.mox?type=dns&cmd=cache-list",
                             "SessionID=" + adminSession + "&RequestID=5");
    ASSERT_TRUE(listed);
    EXPECT_NE(listed->body.find("www.example.com"), std::string::npos);
    EXPECT_NE(listed->body.find("\r\n"), std::string::npos);
    ASSERT_EQ(errorOf(call("dns", "cache-clean")), "accepted");
    EXPECT_EQ(post("/morvix/webcache.mox?type=dns&cmd=cache-list", "SessionID=" + adminSession + "&RequestID=6")->body,
              "");
}

TEST_F(Dns, CustomDomainsAddModifyDelete)
{
    ASSERT_EQ(errorOf(call("dns", "redirect-add", "Name=b.com&IP=&Enable=1&Note=%E5%A4%87")), "accepted");
    EXPECT_EQ(errorOf(call("dns", "redirect-add", "Name=b.com&IP=&Enable=0&Note=")), "110");
    EXPECT_EQ(errorOf(call("dns", "redirect-add", "Name=www.example.com&IP=1.2.3.4&Enable=0&Note=")), "accepted")
        << "a built-in domain may be overridden by a custom one";
    ASSERT_EQ(errorOf(call("dns", "redirect-modify", "Name=b.com&IP=1.2.3.4&Enable=0&Note=x")), "accepted");
    Json::Value list = call("dns", "redirect-list");
    const Json::Value& custom = list["UserRedirectLists"];
    bool found = false;
    for (const Json::Value& entry : custom) {
        if (entry["Name"].asString() == "b.com") {
            found = true;
            EXPECT_EQ(entry["IP"].asString(), "1.2.3.4");
            EXPECT_EQ(entry["Enable"].asString(), "0");
            EXPECT_TRUE(entry["TTL"].isString());
        }
    }
    EXPECT_TRUE(found);
    EXPECT_GT(list["SystemRedirectLists"].size(), 0u);
    ASSERT_EQ(errorOf(call("dns", "redirect-del", "Name=b.com")), "accepted");
    EXPECT_EQ(errorOf(call("dns", "redirect-del", "Name=b.com")), "23");
    EXPECT_EQ(errorOf(call("dns", "redirect-modify", "Name=nowhere.com&IP=&Enable=1&Note=")), "23");
    EXPECT_EQ(errorOf(call("dns", "redirect-add", "Name=bad%20name&IP=&Enable=1&Note=")), "23");
}

TEST_F(Dns, VideoClassesAndBalanceHosts)
{
    const Json::Value classes = call("dns", "redirectclass-list");
    ASSERT_GT(classes["Lists"].size(), 0u);
    const std::string firstName = classes["Lists"][0]["Name"].asString();
    ASSERT_EQ(errorOf(call("dns", "redirectclass-mod", "Name=" + firstName + "&Enable=0")), "accepted");
    EXPECT_EQ(call("dns", "redirectclass-list")["Lists"][0]["Enable"].asString(), "0");
    EXPECT_EQ(errorOf(call("dns", "redirectclass-mod", "Name=nope&Enable=0")), "23");

    ASSERT_EQ(errorOf(call("dns", "redirectbalance-add", "IP=10.9.9.9&Enable=1&Checking=0&Note=n")), "accepted");
    EXPECT_EQ(errorOf(call("dns", "redirectbalance-add", "IP=10.9.9.9&Enable=1&Checking=0&Note=n")), "40");
    ASSERT_EQ(errorOf(call("dns", "redirectbalance-modify", "IP=10.9.9.9&Enable=0&Checking=1&Note=m")), "accepted");
    const Json::Value hosts = call("dns", "redirectbalance-list");
    const Json::Value& last = hosts["Lists"][hosts["Lists"].size() - 1];
    EXPECT_EQ(last["IP"].asString(), "10.9.9.9");
    EXPECT_EQ(last["Enable"].asString(), "0");
    EXPECT_EQ(last["Checking"].asString(), "1");
    ASSERT_EQ(errorOf(call("dns", "redirectbalance-del", "IP=10.9.9.9")), "accepted");
    EXPECT_EQ(errorOf(call("dns", "redirectbalance-del", "IP=10.9.9.9")), "41");
}

}  // namespace morvix::sim::test
