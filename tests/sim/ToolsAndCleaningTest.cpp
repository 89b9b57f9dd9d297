#include "SimFixture.h"

namespace morvix::sim::test {

class ToolsAndCleaning : public SimFixture {
protected:
    std::string cacheFlag(const std::string& encodedUrl)
    {
        return call("tools", "testcache", "Url=" + encodedUrl)["CacheFlag"].asString();
    }

    std::string cachedUrls()
    {
        return post("/morvix/webcache.mox?type=tools&cmd=allcachelist",
                    "SessionID=" + adminSession + "&RequestID=" + std::to_string(++requestNumber))
            ->body;
    }

    int cachedPages() { return std::stoi(call("realtime", "list")["NumOfCaches"].asString()); }
};

TEST_F(ToolsAndCleaning, CacheTestFollowsTheRules)
{
    EXPECT_EQ(cacheFlag("http%3A%2F%2Fwww.example.com%2Flogin.html"), "12") << "refusal wins over a page rule";
    EXPECT_EQ(cacheFlag("http%3A%2F%2Fshop.example.com%2Faccount%2Flogin.do"), "13");
    EXPECT_EQ(cacheFlag("http%3A%2F%2Fwww.example.com%2Fnever-visited.html"), "10");
    EXPECT_EQ(cacheFlag("http%3A%2F%2Fother.example%2F"), "14");
    const std::string urls = cachedUrls();
    const std::string firstUrl = urls.substr(0, urls.find("\r\n"));
    ASSERT_EQ(errorOf(call("fcache", "add",
                           "Url=" + firstUrl + "&Icase=0&Rules=2&Expire=1&Unit=0&Icookie=1&Olimit=0&IsDiskCache=1&Note=")),
              "accepted");
    EXPECT_EQ(cacheFlag(firstUrl), "11");
}

TEST_F(ToolsAndCleaning, RegexCheckAndAddressLookup)
{
    EXPECT_EQ(errorOf(call("tools", "testregex", "Regex=%5Ehttp%3A%2F%2F.*%5C.jpg%24")), "accepted");
    EXPECT_NE(errorOf(call("tools", "testregex", "Regex=a(b")), "accepted");
    Json::Value found = call("tools", "iplook", "IP=8.8.8.8");
    EXPECT_EQ(found["IP"].asString(), "8.8.8.8");
    EXPECT_FALSE(found["Location"].asString().empty());
    EXPECT_NE(found["Location"].asString(), "NULL");
    EXPECT_EQ(call("tools", "iplook", "IP=999.1.1.1")["Location"].asString(), "NULL");
}

TEST_F(ToolsAndCleaning, ConditionalCleaningRemovesOnlyMatchingPages)
{
    const std::string before = cachedUrls();
    ASSERT_NE(before.find("img.example.net"), std::string::npos);
    ASSERT_EQ(errorOf(call("thiscache", "cleancache",
                           "Url=http%3A%2F%2Fimg.example.net%2F*&Icase=1&Rules=0&WithCluster=1")),
              "accepted");
    const std::string after = cachedUrls();
    EXPECT_EQ(after.find("img.example.net/"), std::string::npos);
    EXPECT_NE(after.find("www.example.com"), std::string::npos);
    EXPECT_EQ(errorOf(call("thiscache", "cleancache", "Url=(&Icase=1&Rules=1&WithCluster=0")), "32");
    EXPECT_EQ(errorOf(call("thiscache", "cleancache", "Url=x&Icase=1&Rules=0&WithCluster=2")), "23");
}

TEST_F(ToolsAndCleaning, WholeStoresEmpty)
{
    ASSERT_EQ(errorOf(call("fcache", "cleancache", "WithCluster=0")), "accepted");
    const std::string rest = cachedUrls();
    EXPECT_EQ(rest.find("www.example.com/news/"), std::string::npos) << "pages of the *.html rule were forced";
    ASSERT_EQ(errorOf(call("allcache", "cleancache", "WithCluster=0")), "accepted");
    EXPECT_LT(cachedPages(), 50) << "only pages cached again since";
    ASSERT_EQ(errorOf(call("scache", "cleancache", "WithCluster=0")), "accepted");
    EXPECT_LT(std::stoi(call("realtime", "list")["NumOfCachedSessions"].asString()), 10);
    EXPECT_EQ(errorOf(call("icache", "cleancache", "")), "23");
}

}  // namespace morvix::sim::test
