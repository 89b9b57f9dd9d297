#include "protocol/ReplyEnvelope.h"
#include "protocol/StatusText.h"

#include <gtest/gtest.h>

using namespace nsMoxHttp;
using namespace std::string_literals;

namespace {

TEST(ReplyEnvelopeTest, OnlyExactlyTrueAccepts)
{
    const ReplyEnvelope accepted = JudgeReply(false, R"({"RequestID":"7","Return":"True","Wid":"12"})");
    EXPECT_EQ(accepted.status, ReplyAccepted);
    EXPECT_EQ(accepted.requestId, "7");
    EXPECT_EQ(accepted.root["Wid"].asString(), "12");

    for (const char* refusal : {"true", "TRUE", "True ", "False"}) {
        const ReplyEnvelope refused =
            JudgeReply(false, R"({"Return":")" + std::string(refusal) + R"(","ErrorNo":"21"})");
        EXPECT_EQ(refused.status, ReplyRefused) << refusal;
        EXPECT_EQ(refused.errorNo, 21);
        EXPECT_EQ(refused.errorNoText, "21");
    }
}

TEST(ReplyEnvelopeTest, RefusalNeedsAnErrorNumberText)
{
    EXPECT_EQ(JudgeReply(false, R"({"Return":"False"})").status, ReplyMalformed);
    EXPECT_EQ(JudgeReply(false, R"({"Return":"False","ErrorNo":21})").status, ReplyMalformed);

    const ReplyEnvelope unknown = JudgeReply(false, R"({"Return":"False","ErrorNo":"99"})");
    EXPECT_EQ(unknown.status, ReplyRefused);
    EXPECT_EQ(RefusedText("删除规则", unknown.errorNo), "删除规则失败，(错误号:99)。");

    const std::pair<const char*, int> numbers[] = {{"30abc", 30}, {"abc", 0}, {"", 0}, {"99999999999", 2147483647}};
    for (const auto& [text, number] : numbers) {
        const ReplyEnvelope refused = JudgeReply(false, R"({"Return":"False","ErrorNo":")" + std::string(text) + "\"}");
        EXPECT_EQ(refused.status, ReplyRefused) << text;
        EXPECT_EQ(refused.errorNo, number) << text;
        EXPECT_EQ(refused.errorNoText, text);
    }
}

TEST(ReplyEnvelopeTest, ReturnMustBeAString)
{
    for (const char* reply : {R"({"Return":true})", R"({"Return":1})", R"({"Return":null})", R"({"Return":["True"]})",
                              R"({"RequestID":"3"})", R"({})"})
        EXPECT_EQ(JudgeReply(false, reply).status, ReplyMalformed) << reply;
    EXPECT_EQ(JudgeReply(false, R"({"RequestID":3,"Return":"True"})").requestId, std::nullopt)
        << "a RequestID that is not a string is ignored";
}

TEST(ReplyEnvelopeTest, AFailedExchangeIsJudgedBeforeTheBody)
{
    EXPECT_EQ(JudgeReply(true, R"({"Return":"True"})").status, ReplyExchangeFailed);
    EXPECT_EQ(JudgeReply(true, "").status, ReplyExchangeFailed);
}

TEST(ReplyEnvelopeTest, BadBytesAreMalformedNeverACrash)
{
    std::string deep(100000, '[');
    const std::string replies[] = {
        "",
        "   ",
        "not json",
        "\xFF\xFE\x00\x01garbage"s,
        R"({"Return":"True")",
        R"({"Return":"True"} trailing)",
        R"(["Return","True"])",
        R"("True")",
        "null",
        R"({"Return":"Tr)" "\0" R"(ue"})"s,
        "{\"Return\":\"True\"" + deep,
        deep,
    };
    for (const std::string& reply : replies)
        EXPECT_EQ(JudgeReply(false, reply).status, ReplyMalformed) << reply.substr(0, 40);
}

TEST(ReplyEnvelopeTest, BytesThatAreNotUtf8DoNotHideTheOutcome)
{
    const ReplyEnvelope refused = JudgeReply(false, "{\"Return\":\"False\",\"ErrorNo\":\"23\xFF\",\"Note\":\"\xC0\xAF\"}");
    EXPECT_EQ(refused.status, ReplyRefused);
    EXPECT_EQ(refused.errorNo, 23);
    EXPECT_EQ(refused.errorNoText, "23\xFF");
    EXPECT_EQ(JudgeReply(false, "{\"Return\":\"True\",\"Name\":\"\xB9\xDC\xC0\xED\"}").status, ReplyAccepted);
}

}  // namespace
