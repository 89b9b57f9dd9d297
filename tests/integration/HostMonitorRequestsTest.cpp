#include "features/monitor/HostMonitorEvents.h"
#include "features/monitor/HostMonitorRequests.h"
#include "integration/CannedAdminServer.h"
#include "integration/LoggedRequest.h"
#include "integration/OneShotFault.h"
#include "integration/RequestStep.h"
#include "messaging/EventKinds.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

#include <algorithm>

using morvix::test::CannedAdminServer;
using morvix::test::ConsoleSession;
using morvix::test::LastLoggedBody;
using morvix::test::OneShotFault;
using morvix::test::SimProcess;

namespace {

class HostMonitorRequests : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};

    std::vector<ProxyHost> Hosts()
    {
        return morvix::test::AcceptedRead(console.Events(), MonitorManager_ProxyList(), eMoxCacheEvent_ProxyHostList, &CMoxProxyUrlListEventParam::items);
    }
};

TEST_F(HostMonitorRequests, HostsAndTheirOriginsWithDecodedNotes)
{
    const std::vector<ProxyHost> hosts = Hosts();
    ASSERT_FALSE(hosts.empty());
    EXPECT_EQ(LastLoggedBody(sim, "proxy", "list"), "SessionID=" + console.SessionId() + "&RequestID=N");
    EXPECT_EQ(hosts[0].No, 1);
    EXPECT_FALSE(hosts[0].ProxyID.empty());
    EXPECT_EQ(hosts[0].StartTime.size(), 19u);
    EXPECT_GT(hosts[0].CurrentTickCount, 0);
    const auto portal = std::find_if(hosts.begin(), hosts.end(), [](const ProxyHost& h) { return h.Note == "门户"; });
    ASSERT_NE(portal, hosts.end());

    ASSERT_TRUE(MonitorManager_UpstreamList(portal->ProxyID));
    auto event = console.Events().Next(eMoxCacheEvent_UpstreamList);
    ASSERT_TRUE(event && event->Status() == 0);
    EXPECT_EQ(LastLoggedBody(sim, "upstream", "list"),
              "SessionID=" + console.SessionId() + "&RequestID=N&ProxyID=" + portal->ProxyID);
    const std::vector<UpstreamHost>& upstreams = event->As<CMoxProxyUrlEventParam>()->items;
    ASSERT_FALSE(upstreams.empty());
    const auto down = std::find_if(upstreams.begin(), upstreams.end(), [](const UpstreamHost& u) { return u.IsDown; });
    ASSERT_NE(down, upstreams.end());
    EXPECT_FALSE(down->DownTime.empty());
    EXPECT_EQ(down->Note, "web-3 维护");
}

TEST_F(HostMonitorRequests, RefusalsAndFailures)
{
    ASSERT_TRUE(MonitorManager_UpstreamList("no-such-host"));
    auto refused = console.Events().Next(eMoxCacheEvent_UpstreamList);
    ASSERT_TRUE(refused && refused->Status() == 1);
    EXPECT_EQ(refused->As<CMoxProxyUrlEventParam>()->errorNo, 51);
    EXPECT_TRUE(console.Events().WaitForStatusText(
        "获取源站地址列表失败，要修改的代理主机已经不存在或与已有主机名有冲突(错误号:51)"));

    sim.addFault(OneShotFault("close", "proxy", "list"));
    ASSERT_TRUE(MonitorManager_ProxyList());
    auto failed = console.Events().Next(eMoxCacheEvent_ProxyHostList);
    ASSERT_TRUE(failed && failed->Status() == 2);
    EXPECT_TRUE(console.Events().WaitForStatusText("获取主机列表信息失败，网络连接错误。"));

    sim.addFault(OneShotFault("busy", "proxy", "list"));
    ASSERT_TRUE(MonitorManager_ProxyList());
    auto busy = console.Events().Next(eMoxCacheEvent_ProxyHostList);
    ASSERT_TRUE(busy && busy->Status() == 1);
    EXPECT_TRUE(console.Events().WaitForStatusText("获取主机列表信息失败，服务器忙(错误号:10)。"));

    sim.addFault(OneShotFault("boolean-return", "proxy", "list"));
    ASSERT_TRUE(MonitorManager_ProxyList());
    auto malformed = console.Events().Next(eMoxCacheEvent_ProxyHostList);
    ASSERT_TRUE(malformed && malformed->Status() == 3);
}

TEST(HostMonitorReplies, OnlyTheIdentifierIsRequired)
{
    CannedAdminServer server;
    ConsoleSession console(server.Host());
    server.Answer(R"({"Return":"True","NumOfLists":"2","Lists":[{"ProxyID":"p1","No":"4"},{"ProxyID":"p2",)"
                  R"("Host":"a.example.com","DownloadCount":"6000000000","Note":"%E5%9F%9F%20x"}]})");
    ASSERT_TRUE(MonitorManager_ProxyList());
    auto event = console.Events().Next(eMoxCacheEvent_ProxyHostList);
    ASSERT_TRUE(event && event->Status() == 0);
    const std::vector<ProxyHost>& hosts = event->As<CMoxProxyUrlListEventParam>()->items;
    ASSERT_EQ(hosts.size(), 2u);
    EXPECT_EQ(hosts[0].No, 4);
    EXPECT_EQ(hosts[0].Host, "");
    EXPECT_EQ(hosts[0].CurrentTickCount, 0);
    EXPECT_EQ(hosts[1].DownloadCount, 6000000000LL);
    EXPECT_EQ(hosts[1].Note, "域 x");

    server.Answer(R"({"Return":"True","NumOfLists":"2","Lists":[{"UpstreamID":"u1"},{"Host":"b"}]})");
    ASSERT_TRUE(MonitorManager_UpstreamList("p1"));
    auto malformed = console.Events().Next(eMoxCacheEvent_UpstreamList);
    ASSERT_TRUE(malformed);
    EXPECT_EQ(malformed->Status(), 3);
    EXPECT_EQ(malformed->record, nullptr);
}

}  // namespace
