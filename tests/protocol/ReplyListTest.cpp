#include "protocol/ReplyEnvelope.h"
#include "protocol/ReplyList.h"

#include <gtest/gtest.h>

#include <vector>

using namespace nsMoxHttp;

namespace {

struct Rule {
    std::string wid;
    std::string url;
    std::int64_t expire = -1;
    std::string note = "none";
};

// A list reply read the way a rule list callback reads it; nullopt for a malformed reply.
std::optional<std::vector<Rule>> ReadRules(const std::string& reply)
{
    const ReplyEnvelope envelope = JudgeReply(false, reply);
    EXPECT_EQ(envelope.status, ReplyAccepted) << reply;
    std::vector<Rule> rules;
    const bool wellFormed = WalkReplyList(envelope.root, [&rules](ReplyObjectReader& element) {
        Rule rule;
        rule.wid = element.RequiredString("Wid");
        rule.url = element.RequiredString("Url");
        rule.expire = element.OptionalNumber("Expire", rule.expire);
        rule.note = element.OptionalDecodedText("Note", rule.note);
        rules.push_back(rule);
    });
    if (!wellFormed)
        return std::nullopt;
    return rules;
}

TEST(ReplyListTest, CountOnlyDecidesWhetherListsIsRead)
{
    const auto rules = ReadRules(R"({"Return":"True","NumOfLists":"3","Lists":[
        {"Wid":"1","Url":"/a/*","Expire":"30","Note":"%E6%96%B0%E9%97%BB%20news"},
        {"Wid":"2","Url":"/b/*"}]})");
    ASSERT_TRUE(rules);
    ASSERT_EQ(rules->size(), 2u);
    EXPECT_EQ((*rules)[0].wid, "1");
    EXPECT_EQ((*rules)[0].expire, 30);
    EXPECT_EQ((*rules)[0].note, "新闻 news");
    EXPECT_EQ((*rules)[1].url, "/b/*");
    EXPECT_EQ((*rules)[1].expire, -1) << "optional keys keep their defaults";
    EXPECT_EQ((*rules)[1].note, "none");
}

TEST(ReplyListTest, MissingOrOddListsAreEmpty)
{
    for (const char* reply : {R"({"Return":"True","NumOfLists":"0"})",
                              R"({"Return":"True"})",
                              R"({"Return":"True","NumOfLists":"0","Lists":[{"Wid":"1","Url":"/x"}]})",
                              R"({"Return":"True","NumOfLists":2,"Lists":[{"Wid":"1","Url":"/x"}]})",
                              R"({"Return":"True","NumOfLists":"none","Lists":[{"Wid":"1","Url":"/x"}]})",
                              R"({"Return":"True","NumOfLists":"2","Lists":{"Wid":"1","Url":"/x"}})",
                              R"({"Return":"True","NumOfLists":"2","Lists":"[]"})",
                              R"({"Return":"True","NumOfLists":"2"})"}) {
        const auto rules = ReadRules(reply);
        ASSERT_TRUE(rules) << reply;
        EXPECT_TRUE(rules->empty()) << reply;
    }
}

TEST(ReplyListTest, OneBadElementMakesTheWholeReplyMalformed)
{
    for (const char* reply : {R"({"Return":"True","NumOfLists":"2","Lists":[{"Wid":"1","Url":"/a"},{"Url":"/b"}]})",
                              R"({"Return":"True","NumOfLists":"2","Lists":[{"Wid":"1","Url":"/a"},{"Wid":2,"Url":"/b"}]})",
                              R"({"Return":"True","NumOfLists":"2","Lists":[{"Wid":"1","Url":"/a"},"second"]})",
                              R"({"Return":"True","NumOfLists":"1","Lists":[null]})"})
        EXPECT_FALSE(ReadRules(reply)) << reply;

    int visited = 0;
    const ReplyEnvelope envelope =
        JudgeReply(false, R"({"Return":"True","NumOfLists":"3","Lists":[{"Url":"/a"},{"Wid":"2","Url":"/b"},{}]})");
    EXPECT_FALSE(WalkReplyList(envelope.root, [&visited](ReplyObjectReader& element) {
        ++visited;
        element.RequiredString("Wid");
    }));
    EXPECT_EQ(visited, 1) << "reading stops at the first bad element";
}

TEST(ReplyListTest, ReaderKeepsIdentifiersAndCleansText)
{
    const ReplyEnvelope envelope = JudgeReply(
        false, "{\"Return\":\"True\",\"Wid\":\"id\xFF\",\"Note\":\"%FF%E4%B8%AD+%\",\"Count\":\"-12x\",\"Flag\":1}");
    ReplyObjectReader reader(envelope.root);
    EXPECT_EQ(reader.RequiredString("Wid"), "id\xFF") << "identifiers go back exactly as received";
    EXPECT_EQ(reader.RequiredDecodedText("Note"), "\uFFFD中+");
    EXPECT_EQ(reader.RequiredNumber("Count"), -12);
    EXPECT_EQ(reader.OptionalNumber("Flag", 5), 5) << "a number that is not a string keeps the default";
    EXPECT_EQ(reader.FindString("Absent"), std::nullopt);
    EXPECT_FALSE(reader.Malformed());
    EXPECT_EQ(reader.RequiredNumber("Flag"), 0);
    EXPECT_TRUE(reader.Malformed());
}

}  // namespace
