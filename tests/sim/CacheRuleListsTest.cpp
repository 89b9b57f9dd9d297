#include "SimFixture.h"

#include <vector>

namespace morvix::sim::test {

namespace {

std::string pageRule(const std::string& url, int rules = 0, const std::string& note = "")
{
    return "Url=" + url + "&Icase=1&Rules=" + std::to_string(rules) +
           "&Expire=30&Unit=2&Icookie=1&Olimit=0&IsDiskCache=1&Note=" + note;
}

}  // namespace

class CacheRuleLists : public SimFixture {
protected:
    std::vector<std::string> ids(const std::string& type)
    {
        std::vector<std::string> result;
        const Json::Value reply = call(type, "list");
        for (const Json::Value& rule : reply["Lists"])
            result.push_back(rule["Wid"].asString());
        return result;
    }
};

TEST_F(CacheRuleLists, ListNumbersRulesAndEncodesNotes)
{
    const Json::Value reply = call("fcache", "list");
    ASSERT_EQ(reply["NumOfLists"].asString(), "5");
    ASSERT_EQ(reply["Lists"].size(), 5u);
    for (Json::ArrayIndex i = 0; i < reply["Lists"].size(); ++i) {
        const Json::Value& rule = reply["Lists"][i];
        EXPECT_EQ(rule["NO"].asString(), std::to_string(i + 1));
        for (const char* key : {"Wid", "Url", "Icase", "Rules", "Expire", "Unit", "Icookie", "Olimit",
                                "IsDiskCache", "Note"})
            EXPECT_TRUE(rule[key].isString()) << key;
    }
    EXPECT_EQ(reply["Lists"][4]["Note"].asString(), "video%20files");
}

TEST_F(CacheRuleLists, AddedRuleComesBackLastWithItsIdentifierAndNote)
{
    const Json::Value added = call("fcache", "add", pageRule("http%3A%2F%2Fa.com%2F*", 0, "a%20b%26c%2F%E4%B8%AD"));
    ASSERT_EQ(errorOf(added), "accepted");
    const Json::Value list = call("fcache", "list");
    const Json::Value& last = list["Lists"][5];
    EXPECT_EQ(last["Wid"], added["Wid"]);
    EXPECT_EQ(last["NO"].asString(), "6");
    EXPECT_EQ(last["Url"].asString(), "http://a.com/*");
    EXPECT_EQ(last["Note"].asString(), "a%20b%26c%2F%E4%B8%AD");
}

TEST_F(CacheRuleLists, DuplicateUrlOrBrokenRegexIsRefused)
{
    EXPECT_EQ(errorOf(call("fcache", "add", pageRule("http%3A%2F%2Fwww.example.com%2F*.html"))), "30");
    EXPECT_EQ(errorOf(call("fcache", "add", pageRule("(unclosed", 1))), "30");
    EXPECT_EQ(errorOf(call("fcache", "add", pageRule("(unclosed", 0))), "accepted") << "a wildcard is not compiled";
    const std::string wid = ids("fcache")[1];
    EXPECT_EQ(errorOf(call("fcache", "modify", "Wid=" + wid + "&" + pageRule("a%5B", 1))), "31");
    EXPECT_EQ(errorOf(call("fcache", "modify", "Wid=" + wid + "&" + pageRule("http%3A%2F%2Fvideo.example.cn%2F*.mp4"))),
              "31");
    EXPECT_EQ(errorOf(call("fcache", "modify", "Wid=99999999&" + pageRule("x"))), "31");
}

TEST_F(CacheRuleLists, MalformedFieldsAreError23)
{
    EXPECT_EQ(errorOf(call("fcache", "add", "Url=x&Icase=1&Rules=3&Expire=30&Unit=2&Icookie=1&Olimit=0&IsDiskCache=1&Note=")),
              "23");
    EXPECT_EQ(errorOf(call("fcache", "add", "Url=x&Icase=yes&Rules=0&Expire=30&Unit=2&Icookie=1&Olimit=0&IsDiskCache=1&Note=")),
              "23");
    EXPECT_EQ(errorOf(call("fcache", "add", "Url=x&Icase=1&Rules=0&Expire=30&Unit=2&Icookie=1&Olimit=0&Note=")), "23");
    EXPECT_EQ(errorOf(call("fcache", "add", pageRule(""))), "23");
    EXPECT_EQ(errorOf(call("fcache", "add", pageRule("%ZZ"))), "23");
    EXPECT_EQ(call("fcache", "list")["NumOfLists"].asString(), "5");
}

TEST_F(CacheRuleLists, MovesReorderAndEndsStay)
{
    const std::vector<std::string> before = ids("fcache");
    ASSERT_EQ(errorOf(call("fcache", "down", "Wid=" + before[2])), "accepted");
    EXPECT_EQ(ids("fcache"), (std::vector<std::string>{before[0], before[1], before[3], before[2], before[4]}));
    ASSERT_EQ(errorOf(call("fcache", "up", "Wid=" + before[4])), "accepted");
    EXPECT_EQ(ids("fcache"), (std::vector<std::string>{before[0], before[1], before[3], before[4], before[2]}));
    EXPECT_EQ(errorOf(call("fcache", "up", "Wid=" + before[0])), "accepted");
    EXPECT_EQ(errorOf(call("fcache", "down", "Wid=" + before[2])), "accepted");
    EXPECT_EQ(ids("fcache"), (std::vector<std::string>{before[0], before[1], before[3], before[4], before[2]}));
    EXPECT_EQ(errorOf(call("fcache", "up", "Wid=1")), "31");
}

TEST_F(CacheRuleLists, DeleteRenumbersAndIdentifiersAreNeverReused)
{
    const std::vector<std::string> before = ids("rcache");
    ASSERT_EQ(errorOf(call("rcache", "del", "Wid=" + before[0])), "accepted");
    const Json::Value list = call("rcache", "list");
    EXPECT_EQ(list["NumOfLists"].asString(), "2");
    EXPECT_EQ(list["Lists"][0]["NO"].asString(), "1");
    EXPECT_EQ(list["Lists"][0]["Wid"].asString(), before[1]);
    EXPECT_EQ(errorOf(call("rcache", "del", "Wid=" + before[0])), "31");
    const Json::Value added =
        call("rcache", "add", "Url=x&Icase=0&Rules=2&Olimit=0&CacheLocation=0&Note=");
    for (const std::string& old : before)
        EXPECT_NE(added["Wid"].asString(), old);
    for (const std::string& pageWid : ids("fcache"))
        EXPECT_NE(added["Wid"].asString(), pageWid) << "identifiers are unique across lists";
}

TEST_F(CacheRuleLists, SessionCacheRuleNeedsItsCookieName)
{
    EXPECT_EQ(errorOf(call("scache", "add",
                           "ActionUrl=http%3A%2F%2Fa.com%2Flogin&Icase=1&Rules=2&SetCookieSessionID=a%20b%26c&"
                           "SessionExpire=3600&Note=")),
              "accepted");
    EXPECT_EQ(call("scache", "list")["Lists"][2]["SetCookieSessionID"].asString(), "a b&c");
    EXPECT_EQ(errorOf(call("scache", "add",
                           "ActionUrl=http%3A%2F%2Fb.com%2Flogin&Icase=1&Rules=2&SetCookieSessionID=&SessionExpire=1&Note=")),
              "23");
}

TEST_F(CacheRuleLists, ControlEndpointFillsAHundredThousandRules)
{
    Json::Value generate;
    generate["count"] = 100000;
    client.setState("fcache", generate);
    const Json::Value list = call("fcache", "list");
    ASSERT_EQ(list["NumOfLists"].asString(), "100000");
    EXPECT_EQ(list["Lists"][99999]["NO"].asString(), "100000");
}

}  // namespace morvix::sim::test
