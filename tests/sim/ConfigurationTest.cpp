#include "SimFixture.h"

#include "support/WaitUntil.h"

namespace morvix::sim::test {

class Configuration : public SimFixture {};

TEST_F(Configuration, SystemListHasEveryOptionAsText)
{
    const Json::Value reply = call("system", "list");
    const char* keys[] = {"MaxUsableMemSize", "MaxConnections", "IsUsedMemCache", "MaxClientSendBuffer",
                          "MaxClientRecvBuffer", "MaxCacheBlockSize", "IsUsedXForwardedFor", "IsHitCacheForRefresh",
                          "IsRunning", "ClientRequestTimeOut", "IsUsedPageViewStat", "PVRCreatingOption",
                          "PVRCreatingThisTime", "PVRCreatingPeriodTime", "MaxUpstreamConnections",
                          "MaxSessionCacheSize", "UnenableWebcacheBySpider", "UnenableStatBySpider",
                          "UnenableAccessLog", "IsDiskCache", "MinSizeForActivePageByDiskCache",
                          "DiskCacheDirectoryDepth", "MinSizeForRSCPByDiskCache", "MaxOpenedFilesByDiskCache",
                          "RatioOfDCIMSAndMUMS", "MinDiskCacheContentSize", "ReadOnly_TotalPhyMemSizeKB",
                          "ReadOnly_FreePhyMemSizeKB", "ReadOnly_MoxPeakUsedMemSizeKB", "ReadOnly_MoxUsedMemSizeKB",
                          "DNSRedirectBalanceType", "EnableWhiteList"};
    for (const char* key : keys)
        EXPECT_TRUE(reply[key].isString()) << key;
    EXPECT_EQ(reply.size(), std::size(keys) + 2);
}

TEST_F(Configuration, ModifyTakesTheSpellingsOfTheModifyRequest)
{
    ASSERT_EQ(errorOf(call("system", "modify",
                           "IsUsedXForwordedFor=0&IsHitCacheWhenRefresh=0&ClientRequstTimeOut=30&MaxClientRecvBuffer=16")),
              "accepted");
    const Json::Value reply = call("system", "list");
    EXPECT_EQ(reply["IsUsedXForwardedFor"].asString(), "0");
    EXPECT_EQ(reply["IsHitCacheForRefresh"].asString(), "0");
    EXPECT_EQ(reply["ClientRequestTimeOut"].asString(), "30");
    EXPECT_EQ(reply["MaxClientRecvBuffer"].asString(), "16");
    EXPECT_EQ(errorOf(call("system", "modify", "")), "accepted") << "an empty change set changes nothing";
}

TEST_F(Configuration, ModifyIsAllOrNothing)
{
    EXPECT_EQ(errorOf(call("system", "modify", "MaxConnections=8000&MaxClientSendBuffer=64")), "23");
    EXPECT_EQ(errorOf(call("system", "modify", "MaxConnections=8000&NoSuchOption=1")), "23");
    EXPECT_EQ(errorOf(call("system", "modify", "ReadOnly_TotalPhyMemSizeKB=1")), "23");
    EXPECT_EQ(errorOf(call("system", "modify", "MaxConnections=lots")), "23");
    EXPECT_EQ(call("system", "list")["MaxConnections"].asString(), "5000");
}

TEST_F(Configuration, DiskAreaSetThenQueryShowsItInUse)
{
    ASSERT_EQ(errorOf(call("diskcache", "set", "DiskNo=5&Path=%2Fdata%2Fcache-5&Enable=1&Note=%E6%96%B0")), "accepted");
    const Json::Value reply = call("diskcache", "query", "DiskNo=5");
    ASSERT_EQ(reply["NumOfLists"].asString(), "1");
    EXPECT_EQ(reply["Lists"][0]["Path"].asString(), "/data/cache-5");
    EXPECT_EQ(reply["Lists"][0]["Status"].asString(), "1");
    EXPECT_EQ(reply["Lists"][0]["Note"].asString(), "\xE6\x96\xB0");
    EXPECT_EQ(call("diskcache", "list")["NumOfLists"].asString(), "14");

    ASSERT_EQ(errorOf(call("diskcache", "set", "DiskNo=5&Path=%2Fdata%2Fcache-5&Enable=0&Note=")), "accepted");
    EXPECT_EQ(call("diskcache", "query", "DiskNo=5")["Lists"][0]["Status"].asString(), "0");
}

TEST_F(Configuration, DiskAreaRefusals)
{
    EXPECT_EQ(errorOf(call("diskcache", "set", "DiskNo=15&Path=%2Fx&Enable=1&Note=")), "23");
    EXPECT_EQ(errorOf(call("diskcache", "set", "DiskNo=4&Path=&Enable=1&Note=")), "23");
    EXPECT_EQ(errorOf(call("diskcache", "set", "DiskNo=4&Path=relative&Enable=1&Note=")), "23");
    EXPECT_EQ(errorOf(call("diskcache", "set", "DiskNo=4&Path=%2Fmorvix-cache-1&Enable=1&Note=")), "23");
    EXPECT_EQ(errorOf(call("diskcache", "query", "DiskNo=0")), "23");
}

TEST_F(Configuration, SlaveConnectsToItsMaster)
{
    ASSERT_EQ(errorOf(call("cluster", "modify",
                           "Role=2&Host=10.0.0.1%3A7780&Auth=SERIAL&SlaveID=%E8%8A%82%E7%82%B9&Note=")),
              "accepted");
    const Json::Value configuration = call("cluster", "get");
    EXPECT_EQ(configuration["Role"].asString(), "2");
    EXPECT_EQ(configuration["Host"].asString(), "10.0.0.1:7780");
    EXPECT_EQ(configuration["SlaveID"].asString(), "%E8%8A%82%E7%82%B9");
    EXPECT_TRUE(morvix::test::WaitUntil([&] { return call("cluster", "status")["SlaveStatus"].asString() == "4"; }));
    EXPECT_EQ(call("cluster", "status")["NumOfLists"].asString(), "0");
}

TEST_F(Configuration, MasterListsItsSlavesAndChecksItsPort)
{
    const Json::Value status = call("cluster", "status");
    EXPECT_EQ(status["Role"].asString(), "1");
    ASSERT_GT(status["Lists"].size(), 0u);
    for (const char* key : {"NO", "SlaveID", "IP", "LoginTime", "SlaveStatus", "Note"})
        EXPECT_TRUE(status["Lists"][0][key].isString()) << key;
    EXPECT_EQ(errorOf(call("cluster", "modify", "Role=1&Binding=65535&Auth=S&Note=")), "23");
    EXPECT_EQ(errorOf(call("cluster", "modify", "Role=1&Binding=7780&Auth=&Note=")), "23");
    EXPECT_EQ(errorOf(call("cluster", "modify", "Role=2&Host=10.0.0.1&Auth=S&SlaveID=n&Note=")), "23");
    EXPECT_EQ(errorOf(call("cluster", "modify", "Role=3")), "23");
    ASSERT_EQ(errorOf(call("cluster", "modify", "Role=0")), "accepted");
    EXPECT_EQ(call("cluster", "get").size(), 3u) << "RequestID, Return and Role only";
}

}  // namespace morvix::sim::test
