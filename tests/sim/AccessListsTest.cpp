#include "SimFixture.h"

namespace morvix::sim::test {

class AccessLists : public SimFixture {};

TEST_F(AccessLists, RewriteRuleRoundTripsAndMoves)
{
    const Json::Value added = call("rewrite", "add",
                                   "SourceUrl=%5Ehttp%3A%2F%2Fa%5C.com%2F(.*)%24&DestinationUrl=http%3A%2F%2Fb.com%2F%241&"
                                   "Icase=1&Flag=2&Note=%E4%B8%AD");
    ASSERT_EQ(errorOf(added), "accepted");
    Json::Value list = call("rewrite", "list");
    ASSERT_EQ(list["NumOfLists"].asString(), "4");
    EXPECT_EQ(list["Lists"][3]["RewriteID"], added["RewriteID"]);
    EXPECT_EQ(list["Lists"][3]["SourceUrl"].asString(), "^http://a\\.com/(.*)$");
    EXPECT_EQ(list["Lists"][3]["Flag"].asString(), "2");
    EXPECT_EQ(list["Lists"][3]["Note"].asString(), "%E4%B8%AD");

    EXPECT_EQ(errorOf(call("rewrite", "up", "RewriteID=" + added["RewriteID"].asString())), "accepted");
    list = call("rewrite", "list");
    EXPECT_EQ(list["Lists"][2]["RewriteID"], added["RewriteID"]);
    EXPECT_EQ(list["Lists"][2]["NO"].asString(), "3");
}

TEST_F(AccessLists, RewriteSourceMustCompileAndBeUnique)
{
    const std::string rest = "&DestinationUrl=x&Icase=1&Flag=0&Note=";
    EXPECT_EQ(errorOf(call("rewrite", "add", "SourceUrl=*.html" + rest)), "60");
    EXPECT_EQ(errorOf(call("rewrite", "add", "SourceUrl=%5Ehttp%3A%2F%2Fm%5C.example%5C.com%2F" + rest)), "60");
    const std::string id = call("rewrite", "list")["Lists"][0]["RewriteID"].asString();
    EXPECT_EQ(errorOf(call("rewrite", "modify", "RewriteID=" + id + "&SourceUrl=(" + rest)), "61");
    EXPECT_EQ(errorOf(call("rewrite", "modify", "RewriteID=0&SourceUrl=ok" + rest)), "61");
    EXPECT_EQ(errorOf(call("rewrite", "add", "SourceUrl=ok&DestinationUrl=x&Icase=1&Flag=4&Note=")), "23");
}

TEST_F(AccessLists, BlackListRefusesOverlappingRanges)
{
    const std::string expire = "&Expire=2030-01-01%2000%3A00%3A00&Note=";
    const Json::Value added = call("black", "add", "Low=1.1.1.1&High=1.1.1.9" + expire);
    ASSERT_EQ(errorOf(added), "accepted");
    EXPECT_FALSE(added["BlackID"].asString().empty());
    EXPECT_EQ(errorOf(call("black", "add", "Low=1.1.1.9&High=1.1.2.0" + expire)), "40");
    EXPECT_EQ(errorOf(call("white", "add", "Low=1.1.1.5&High=1.1.1.5" + expire)), "accepted")
        << "the two lists are judged apart";
    EXPECT_EQ(errorOf(call("black", "modify", "BlackID=" + added["BlackID"].asString() + "&Low=1.1.1.0&High=1.1.1.10" +
                                                 expire)),
              "accepted")
        << "an entry does not conflict with itself";
    const std::string other = call("black", "list")["Lists"][0]["BlackID"].asString();
    EXPECT_EQ(errorOf(call("black", "modify", "BlackID=" + other + "&Low=1.1.1.3&High=1.1.1.4" + expire)), "41");
}

TEST_F(AccessLists, AddressesAndExpiryAreChecked)
{
    const std::string note = "&Note=x";
    EXPECT_EQ(errorOf(call("black", "add", "Low=1.1.1&High=1.1.1.9&Expire=2030-01-01%2000%3A00%3A00" + note)), "23");
    EXPECT_EQ(errorOf(call("black", "add", "Low=1.1.1.9&High=1.1.1.1&Expire=2030-01-01%2000%3A00%3A00" + note)), "23");
    EXPECT_EQ(errorOf(call("black", "add", "Low=1.1.1.1&High=1.1.1.9&Expire=2030-02-30%2000%3A00%3A00" + note)), "23");
    EXPECT_EQ(errorOf(call("black", "add", "Low=1.1.1.1&High=1.1.1.9&Expire=2030-01-01" + note)), "23");
    EXPECT_EQ(errorOf(call("black", "up", "BlackID=1")), "11") << "address lists have no order to change";
}

TEST_F(AccessLists, DeletedWhiteEntryIsGone)
{
    const std::string id = call("white", "list")["Lists"][0]["WhiteID"].asString();
    ASSERT_EQ(call("white", "del", "WhiteID=" + id)["WhiteID"].asString(), id);
    const Json::Value list = call("white", "list");
    EXPECT_EQ(list["NumOfLists"].asString(), "1");
    EXPECT_NE(list["Lists"][0]["WhiteID"].asString(), id);
    EXPECT_EQ(errorOf(call("white", "del", "WhiteID=" + id)), "41");
}

}  // namespace morvix::sim::test
