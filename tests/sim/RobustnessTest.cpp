#include "SimFixture.h"

#include "SeededRandom.h"

namespace morvix::sim::test {

namespace {

std::string randomBytes(SeededRandom& random, size_t length)
{
    static const std::string favourites = "%&=+SessionIDRequestIDUrlNoteWid0123456789\xE4\xB8\xAD";
    std::string bytes;
    for (size_t i = 0; i < length; ++i) {
        bytes += random.between(0, 2) == 0 ? static_cast<char>(random.between(0, 255))
                                            : favourites[random.next() % favourites.size()];
    }
    return bytes;
}

}  // namespace

class Robustness : public SimFixture {};

TEST_F(Robustness, BodiesUpToOneMebibyteAreReadAndLargerOnesGet413)
{
    const std::string head = "SessionID=" + adminSession + "&RequestID=3&Note=";
    const std::string fits = head + std::string(1024 * 1024 - head.size(), 'a');
    const auto accepted = post("/morvix/webcache.mox?type=fcache&cmd=list", fits);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(accepted->status, 200);
    EXPECT_EQ(errorOf(parse(accepted->body)), "accepted");
    const auto refused = post("/morvix/webcache.mox?type=fcache&cmd=list", fits + "a");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->status, 413);
}

TEST_F(Robustness, FieldsMustTravelInTheBody)
{
    httplib::Client http("127.0.0.1", client.port());
    const auto result =
        http.Get(("/morvix/webcache.mox?type=fcache&cmd=list&SessionID=" + adminSession + "&RequestID=1").c_str());
    ASSERT_TRUE(result);
    EXPECT_EQ(errorOf(parse(result->body)), "23");
    EXPECT_EQ(errorOf(client.call("nosuch", "list", "SessionID=" + adminSession + "&RequestID=1")), "11");
    EXPECT_EQ(errorOf(client.call("fcache", "", "SessionID=" + adminSession + "&RequestID=1")), "11");
}

TEST_F(Robustness, RequestLogKeepsTheBytesAsSent)
{
    client.clearRequests();
    const std::string body = "SessionID=" + adminSession + "&RequestID=77&Note=a%20b%26c%2F%E4%B8%AD+x";
    post("/morvix/webcache.mox?type=fcache&cmd=list", body);
    const Json::Value log = client.requests();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0]["method"].asString(), "POST");
    EXPECT_EQ(log[0]["path"].asString(), "/morvix/webcache.mox");
    EXPECT_EQ(log[0]["query"].asString(), "type=fcache&cmd=list");
    EXPECT_EQ(log[0]["body"].asString(), body);
    EXPECT_FALSE(log[0]["time"].asString().empty());
}

TEST_F(Robustness, RandomBodiesAndQueriesNeverBreakTheServer)
{
    SeededRandom random(2024);
    const auto commands = [] {
        std::vector<std::pair<std::string, std::string>> names;
        for (const char* name : {"fcache/add", "fcache/modify", "fcache/del", "fcache/up", "rcache/add",
                                 "scache/modify", "rewrite/add", "black/add", "white/modify", "system/modify",
                                 "diskcache/set", "cluster/modify", "dns/system-set", "dns/redirect-add",
                                 "dns/redirectbalance-add", "rth/add", "rth/del", "tools/testregex",
                                 "tools/testcache", "tools/iplook", "thiscache/cleancache", "user/passwd",
                                 "sign/in", "proxy/add", "upstream/list"}) {
            const std::string text = name;
            names.emplace_back(text.substr(0, text.find('/')), text.substr(text.find('/') + 1));
        }
        return names;
    }();
    httplib::Client http("127.0.0.1", client.port());
    for (int round = 0; round < 400; ++round) {
        const auto& [type, cmd] = commands[random.next() % commands.size()];
        std::string body = randomBytes(random, static_cast<size_t>(random.between(0, 300)));
        if (round % 2 == 0)
            body = "SessionID=" + adminSession + "&RequestID=1&" + body;
        const auto result = http.Post(("/morvix/webcache.mox?type=" + type + "&cmd=" + cmd).c_str(), body,
                                      "application/x-www-form-urlencoded");
        ASSERT_TRUE(result) << type << "/" << cmd;
        ASSERT_EQ(result->status, 200);
        ASSERT_TRUE(parse(result->body).isObject()) << result->body;

        std::string query;
        for (char c : randomBytes(random, 40))
            query += static_cast<unsigned char>(c) > 0x20 && c != '#' && c != 0x7F ? c : '_';
        const auto odd = http.Post(("/morvix/webcache.mox?" + query).c_str(), body, "text/plain");
        ASSERT_TRUE(odd);
    }
    EXPECT_EQ(errorOf(call("fcache", "list")), "accepted");
}

TEST_F(Robustness, WebAdministrationPageAnswers)
{
    httplib::Client http("127.0.0.1", client.port());
    const auto result = http.Get(("/morvix/login-api.htm?SessionID=" + adminSession + "&usertype=admin").c_str());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->get_header_value("Content-Type").rfind("text/html", 0), 0u);
    EXPECT_NE(result->body.find("admin"), std::string::npos);
}

TEST_F(Robustness, SameSeedGeneratesTheSameData)
{
    Json::Value generate;
    generate["count"] = 30;
    client.setState("fcache", generate);
    const Json::Value first = client.state()["fcache"];
    SimOptions options;
    options.seed = 7;
    startServer(options);
    client.setState("fcache", generate);
    EXPECT_EQ(client.state()["fcache"], first);
}

}  // namespace morvix::sim::test
