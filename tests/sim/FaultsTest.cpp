#include "SimFixture.h"

#include "support/WaitUntil.h"

#include <json/reader.h>

#include <future>

namespace morvix::sim::test {

namespace {

Json::Value fault(const std::string& kind, const std::string& type = "", const std::string& cmd = "", int count = 0)
{
    Json::Value description;
    description["kind"] = kind;
    if (!type.empty())
        description["type"] = type;
    if (!cmd.empty())
        description["cmd"] = cmd;
    if (count > 0)
        description["count"] = count;
    return description;
}

bool parsesAsJson(const std::string& text, Json::Value& value)
{
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    return reader->parse(text.data(), text.data() + text.size(), &value, &errors);
}

}  // namespace

class Faults : public SimFixture {
protected:
    httplib::Result listPageRules()
    {
        return post("/morvix/webcache.mox?type=fcache&cmd=list",
                    "SessionID=" + adminSession + "&RequestID=" + std::to_string(++requestNumber));
    }
};

TEST_F(Faults, DelayWithholdsTheAnswer)
{
    Json::Value delay = fault("delay", "fcache", "list", 1);
    delay["ms"] = 600000;
    client.addFault(delay);
    auto pending = std::async(std::launch::async, [this] { return listPageRules(); });
    ASSERT_TRUE(morvix::test::WaitUntil([&] { return client.requests().size() == 2u; }));
    EXPECT_EQ(pending.wait_for(std::chrono::milliseconds(0)), std::future_status::timeout);
    server->stop();
    const auto result = pending.get();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
}

TEST_F(Faults, LateCarriesTheCommandOutBeforeItAnswers)
{
    Json::Value late = fault("late", "rewrite", "add", 1);
    late["ms"] = 600000;
    client.addFault(late);
    const auto rulesBefore = client.state()["rewrite"]["entries"].size();
    auto pending = std::async(std::launch::async, [this] {
        return call("rewrite", "add", "SourceUrl=%5Ehttp%3A%2F%2Fa%5C.com%2F(.*)%24&DestinationUrl=http%3A%2F%2Fb.com%2F%241&"
                                      "Icase=1&Flag=2&Note=%E4%B8%AD");
    });
    ASSERT_TRUE(morvix::test::WaitUntil([&] { return client.state()["rewrite"]["entries"].size() == rulesBefore + 1; }));
    EXPECT_EQ(pending.wait_for(std::chrono::milliseconds(0)), std::future_status::timeout);
    server->stop();
    pending.wait();
}

TEST_F(Faults, CloseAndResetBreakTheExchange)
{
    client.addFault(fault("close", "fcache", "list", 1));
    EXPECT_FALSE(listPageRules());
    client.addFault(fault("reset", "fcache", "list", 1));
    const auto reset = listPageRules();
    EXPECT_FALSE(reset && reset->status == 200 && reset->body.size() > 100);
    const auto normal = listPageRules();
    ASSERT_TRUE(normal);
    EXPECT_EQ(normal->status, 200);
}

TEST_F(Faults, BrokenRepliesLookAsAdvertised)
{
    client.addFault(fault("http-500", "", "", 1));
    auto result = listPageRules();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 500);
    EXPECT_NE(result->body.find("<html>"), std::string::npos);

    Json::Value value;
    client.addFault(fault("not-json", "", "", 1));
    result = listPageRules();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_FALSE(parsesAsJson(result->body, value));

    client.addFault(fault("boolean-return", "", "", 1));
    ASSERT_TRUE(parsesAsJson(listPageRules()->body, value));
    EXPECT_TRUE(value["Return"].isBool());
    EXPECT_TRUE(value["Return"].asBool());

    client.addFault(fault("no-errorno", "", "", 1));
    ASSERT_TRUE(parsesAsJson(listPageRules()->body, value));
    EXPECT_EQ(value["Return"].asString(), "False");
    EXPECT_FALSE(value.isMember("ErrorNo"));

    client.addFault(fault("busy", "", "", 1));
    EXPECT_EQ(errorOf(call("fcache", "list")), "10");
    EXPECT_EQ(errorOf(call("fcache", "list")), "accepted") << "one-shot faults are used up";
}

TEST_F(Faults, RefusingFaultsLeaveTheStateAloneAndBooleanReturnDoesNot)
{
    const std::string rule = "Url=u&Icase=1&Rules=0&Expire=1&Unit=0&Icookie=1&Olimit=0&IsDiskCache=1&Note=";
    client.addFault(fault("busy", "fcache", "add", 1));
    EXPECT_EQ(errorOf(call("fcache", "add", rule)), "10");
    EXPECT_EQ(call("fcache", "list")["NumOfLists"].asString(), "5");
    client.addFault(fault("boolean-return", "fcache", "add", 1));
    call("fcache", "add", rule);
    EXPECT_EQ(call("fcache", "list")["NumOfLists"].asString(), "6");
}

TEST_F(Faults, ScopeAndCountDecideWhichRequestsMeetAFault)
{
    client.addFault(fault("busy", "fcache", "list", 2));
    EXPECT_EQ(errorOf(call("rcache", "list")), "accepted");
    EXPECT_EQ(errorOf(call("fcache", "list")), "10");
    EXPECT_EQ(errorOf(call("fcache", "list")), "10");
    EXPECT_EQ(errorOf(call("fcache", "list")), "accepted");

    client.addFault(fault("busy", "rcache"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(errorOf(call("rcache", "list")), "10");
    EXPECT_EQ(errorOf(call("rcache", "add", "Url=x")), "10") << "no cmd means every cmd of the type";
    client.clearFaults();
    EXPECT_EQ(errorOf(call("rcache", "list")), "accepted");
}

TEST_F(Faults, ExpireSessionsEndsEverySessionBeforeJudging)
{
    const std::string keeper = client.signIn("keeper", "keeper");
    client.addFault(fault("expire-sessions", "fcache", "list", 1));
    EXPECT_EQ(errorOf(call("fcache", "list")), "21");
    EXPECT_EQ(errorOf(call("rcache", "list", "", keeper)), "21");
    EXPECT_NO_THROW(client.signIn());
}

TEST_F(Faults, MalformedFaultDescriptionsAreRefused)
{
    httplib::Client http("127.0.0.1", client.port());
    EXPECT_EQ(http.Post("/sim/faults", R"({"kind":"explode"})", "application/json")->status, 400);
    EXPECT_EQ(http.Post("/sim/faults", R"({"kind":"delay"})", "application/json")->status, 400);
    EXPECT_EQ(http.Post("/sim/faults", R"({"kind":"busy","count":0})", "application/json")->status, 400);
    EXPECT_EQ(http.Post("/sim/faults", "not json", "application/json")->status, 400);
}

}  // namespace morvix::sim::test
