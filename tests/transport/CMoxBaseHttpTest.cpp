#include "LoopbackServer.h"
#include "TransportTest.h"

#include "transport/CMoxBaseHttp.h"

#include <atomic>
#include <thread>

using morvix::test::LoopbackServer;
using morvix::test::WaitUntil;
using nsMoxHttp::CMoxBaseHttp;
using nsMoxHttp::CMoxProxySettings;

namespace {

struct OutcomeListener : nsMoxHttp::IMoxHttpCallback {
    std::atomic<int> completions{0};
    std::atomic<bool> failed{false};
    void OnComplete(bool hasFailed) override
    {
        failed = hasFailed;
        ++completions;
    }
};

class CMoxBaseHttpTest : public morvix::test::TransportTest {
protected:
    CMoxBaseHttpTest() { nsMoxHttp::CMoxHttpManager::Instance(); }

    std::atomic<bool> abort_{false};
    OutcomeListener listener_;
    LoopbackServer server_{[this](httplib::Server& routes) {
        routes.Get("/stall", [this](const httplib::Request&, httplib::Response&) { server_.StallUntilReleased(); });
        routes.Get(".*", [](const httplib::Request&, httplib::Response& reply) {
            reply.set_content("proxied", "text/plain");
        });
    }};
};

TEST_F(CMoxBaseHttpTest, ProxyAndExtraHeadersReachTheWire)
{
    CMoxProxySettings proxy;
    proxy.type = CMoxProxySettings::Type::Http;
    proxy.host = "127.0.0.1";
    proxy.port = server_.Port();
    proxy.userName = "ops";
    proxy.password = "secret";
    CMoxBaseHttp http(listener_, abort_, true);
    http.SetProxy(proxy);
    http.AddHeader("X-Morvix-Trace: 7");

    // Port 1 is never contacted: the proxy answers for it.
    http.Perform("http://127.0.0.1:1/through-proxy");

    EXPECT_EQ(listener_.completions, 1);
    EXPECT_FALSE(listener_.failed);
    EXPECT_EQ(http.CopyReply()->Bytes(), "proxied");
    const auto seen = server_.Requests();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].target, "http://127.0.0.1:1/through-proxy");
    EXPECT_EQ(seen[0].Header("Proxy-Authorization"), "Basic b3BzOnNlY3JldA==");
    EXPECT_EQ(seen[0].Header("X-Morvix-Trace"), "7");
}

TEST_F(CMoxBaseHttpTest, AbortFlagEndsAStalledExchangeAsFailed)
{
    CMoxBaseHttp http(listener_, abort_, true);
    std::thread exchange([&] { http.Perform(server_.Url("/stall")); });
    ASSERT_TRUE(WaitUntil([&] { return server_.Stalled() == 1; }));

    abort_ = true;
    const bool ended = WaitUntil([&] { return listener_.completions == 1; });
    server_.ReleaseStalls();
    exchange.join();

    EXPECT_TRUE(ended);
    EXPECT_TRUE(listener_.failed);
}

}  // namespace
