#include "features/config/DnsEvents.h"
#include "features/config/DnsRequests.h"
#include "integration/CannedAdminServer.h"
#include "integration/LoggedRequest.h"
#include "integration/OneShotFault.h"
#include "messaging/CMoxTextEventParam.h"
#include "messaging/EventKinds.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

using morvix::test::ConsoleSession;
using morvix::test::LastLoggedBody;
using morvix::test::OneShotFault;
using morvix::test::SimProcess;

namespace {

class DnsRequests : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};

    std::string Head() const { return "SessionID=" + console.SessionId() + "&RequestID=N"; }

    std::optional<morvix::test::EventRecorder::Event> Done(int kind, int status = 0)
    {
        auto event = console.Events().Next(kind);
        EXPECT_TRUE(event);
        if (event) {
            EXPECT_EQ(event->Status(), status) << "event " << kind;
        }
        return event;
    }

    DnsSystemOptions ReadSettings()
    {
        EXPECT_TRUE(DnsManager_SystemList());
        auto event = Done(eMoxCacheEvent_DnsSystemRead);
        return event && event->record ? event->As<CMoxDnsSystemEventParam>()->options : DnsSystemOptions{};
    }

    CMoxDnsRedirectListEventParam* RedirectList()
    {
        EXPECT_TRUE(DnsManager_RedirectList());
        auto event = Done(eMoxCacheEvent_DnsRedirectList);
        return event ? event->As<CMoxDnsRedirectListEventParam>() : nullptr;
    }
};

}  // namespace

TEST_F(DnsRequests, SettingsAreReadAndSavedWhole)
{
    DnsSystemOptions options = ReadSettings();
    EXPECT_EQ(options.UpstreamDNS[0], "223.5.5.5");
    EXPECT_EQ(options.UpstreamDNS[3], "");
    EXPECT_EQ(options.DefaultRedirectIP, "192.168.1.10");
    EXPECT_EQ(options.MaxNumOfDNSCache, 50000);
    EXPECT_EQ(options.MaxRetryingTimes, 3);
    EXPECT_EQ(options.EnableRedirect, 1);
    EXPECT_TRUE(console.Events().WaitForStatusText("获取DNS系统配置参数成功。"));

    options.UpstreamDNS[1] = "8.8.8.8";
    options.MinTTLOfDNSCache = 600;
    ASSERT_TRUE(DnsManager_SystemSave(options));
    auto saved = Done(eMoxCacheEvent_DnsSystemSet);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->As<CMoxDnsSystemEventParam>()->options.UpstreamDNS[1], "8.8.8.8");
    EXPECT_EQ(saved->As<CMoxDnsSystemEventParam>()->options.MinTTLOfDNSCache, 600);
    EXPECT_EQ(LastLoggedBody(sim, "dns", "system-set"),
              Head() + "&DNSType=1&EnableDNSCacheService=1&UpstreamDNS1=223.5.5.5&UpstreamDNS2=8.8.8.8"
                       "&UpstreamDNS3=114.114.114.114&UpstreamDNS4=&UpstreamDNS5=&UpstreamDNS6=&UpstreamDNS7="
                       "&UpstreamDNS8=&DefaultRedirectIP=192.168.1.10&MaxNumOfDNSCache=50000&MinTTLOfDNSCache=600");
    EXPECT_TRUE(console.Events().WaitForStatusText("设置DNS系统配置参数成功。"));
    EXPECT_EQ(ReadSettings().UpstreamDNS[1], "8.8.8.8");
}

TEST_F(DnsRequests, SwitchesSendOnePairAfterTheFixedHead)
{
    ASSERT_TRUE(DnsManager_SetCacheService(0));
    auto off = Done(eMoxCacheEvent_DnsSystemSet);
    ASSERT_TRUE(off);
    EXPECT_EQ(off->As<CMoxDnsSystemEventParam>()->options.EnableDNSCacheService, 0);
    EXPECT_EQ(LastLoggedBody(sim, "dns", "system-set"),
              Head() + "&DNSType=1&EnableDNSCacheService=1&EnableDNSCacheService=0");

    ASSERT_TRUE(DnsManager_SetRedirect(0));
    Done(eMoxCacheEvent_DnsSystemSet);
    EXPECT_EQ(LastLoggedBody(sim, "dns", "system-set"), Head() + "&DNSType=1&EnableDNSCacheService=1&EnableRedirect=0");

    ASSERT_TRUE(DnsManager_SetBalanceType(3));
    Done(eMoxCacheEvent_DnsSystemSet);
    EXPECT_EQ(ReadSettings().DNSRedirectBalanceType, 3);

    ASSERT_TRUE(DnsManager_SetBalanceType(7));
    auto refused = Done(eMoxCacheEvent_DnsSystemSet, 1);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->As<CMoxDnsSystemEventParam>()->errorNo, 23);
    EXPECT_TRUE(console.Events().WaitForStatusText("设置DNS系统配置参数失败，提交的字段格式错误(错误号:23)。"));
}

TEST_F(DnsRequests, CacheListIsTheServersTextAndCleaningEmptiesIt)
{
    ASSERT_TRUE(DnsManager_CacheList());
    auto list = Done(eMoxCacheEvent_DnsCacheList);
    ASSERT_TRUE(list);
    EXPECT_NE(list->As<CMoxTextEventParam>()->Text().find("  A  "), std::string::npos);

    ASSERT_TRUE(DnsManager_CacheClean());
    auto cleaned = Done(eMoxCacheEvent_DnsCacheCleaned);
    ASSERT_TRUE(cleaned);
    EXPECT_EQ(cleaned->param2, 0u);
    EXPECT_TRUE(console.Events().WaitForStatusText("清理所有已缓存的 DNS 成功。"));

    sim.addFault(OneShotFault("close", "dns", "cache-list"));
    ASSERT_TRUE(DnsManager_CacheList());
    auto failed = Done(eMoxCacheEvent_DnsCacheList, 2);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->param2, 0u);

    sim.expireSessions();
    ASSERT_TRUE(DnsManager_CacheList());
    auto expired = Done(eMoxCacheEvent_DnsCacheList, 1);
    ASSERT_TRUE(expired);
    EXPECT_NE(expired->As<CMoxTextEventParam>()->Text().find("\"ErrorNo\""), std::string::npos);
    EXPECT_TRUE(console.Events().WaitForStatusText("获取 DNS 缓存列表失败，会话已过期，需重新登录(错误号:21)。"));
}

TEST_F(DnsRequests, RedirectEntriesAreAddedChangedAndDeleted)
{
    CMoxDnsRedirectListEventParam* before = RedirectList();
    ASSERT_TRUE(before);
    ASSERT_EQ(before->systemEntries.size(), 4u);
    EXPECT_TRUE(before->systemEntries[0].IsSystem);
    EXPECT_EQ(before->systemEntries[0].Note, "门户");
    ASSERT_EQ(before->userEntries.size(), 3u);
    EXPECT_FALSE(before->userEntries[0].IsSystem);
    EXPECT_EQ(before->userEntries[0].TTL, 600);
    EXPECT_EQ(before->userEntries[1].IP, "192.168.1.11");
    EXPECT_EQ(before->userEntries[2].Enable, 0);

    DnsRedirectEntry entry;
    entry.Name = "shop.example.com";
    entry.Note = "商城 & 活动";
    ASSERT_TRUE(DnsManager_RedirectAdd(entry));
    auto added = Done(eMoxCacheEvent_DnsRedirectAdd);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->As<CMoxDnsRedirectAddEventParam>()->item.Name, "shop.example.com");
    EXPECT_EQ(LastLoggedBody(sim, "dns", "redirect-add"),
              Head() + "&Name=shop.example.com&IP=&Enable=1&Note=%E5%95%86%E5%9F%8E%20%26%20%E6%B4%BB%E5%8A%A8");
    EXPECT_TRUE(console.Events().WaitForStatusText("增加域名转向列表成功。"));

    ASSERT_TRUE(DnsManager_RedirectAdd(entry));
    Done(eMoxCacheEvent_DnsRedirectAdd, 1);
    EXPECT_TRUE(console.Events().WaitForStatusText("增加域名转向列表失败，自定义劫持域名已经存在(错误号:110)。"));

    entry.IP = "192.168.1.12";
    entry.Enable = 0;
    ASSERT_TRUE(DnsManager_RedirectModify(entry));
    Done(eMoxCacheEvent_DnsRedirectModify);
    EXPECT_TRUE(console.Events().WaitForStatusText("修改域名转向列表成功。"));
    CMoxDnsRedirectListEventParam* changed = RedirectList();
    ASSERT_TRUE(changed && changed->userEntries.size() == 4u);
    EXPECT_EQ(changed->userEntries[3].IP, "192.168.1.12");
    EXPECT_EQ(changed->userEntries[3].Enable, 0);
    EXPECT_EQ(changed->userEntries[3].Note, "商城 & 活动");

    ASSERT_TRUE(DnsManager_RedirectDel("shop.example.com"));
    auto deleted = Done(eMoxCacheEvent_DnsRedirectDelete);
    ASSERT_TRUE(deleted);
    EXPECT_EQ(deleted->As<CMoxDnsRedirectAddEventParam>()->item.Name, "shop.example.com");
    EXPECT_EQ(LastLoggedBody(sim, "dns", "redirect-del"), Head() + "&Name=shop.example.com");
    EXPECT_EQ(RedirectList()->userEntries.size(), 3u);
}

TEST_F(DnsRequests, ClassesAndBalanceHosts)
{
    ASSERT_TRUE(DnsManager_ClassList());
    auto classes = Done(eMoxCacheEvent_DnsRedirectClassList);
    ASSERT_TRUE(classes);
    const auto& items = classes->As<CMoxDnsRedirectClassListEventParam>()->items;
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0].Name, "优酷");
    EXPECT_EQ(items[0].Enable, 1);

    ASSERT_TRUE(DnsManager_ClassModify({"优酷", 0}));
    auto changed = Done(eMoxCacheEvent_DnsRedirectClassSet);
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->As<CMoxDnsRedirectClassListEventParam>()->items.at(0).Enable, 0);
    EXPECT_EQ(LastLoggedBody(sim, "dns", "redirectclass-mod"), Head() + "&Name=%E4%BC%98%E9%85%B7&Enable=0");
    EXPECT_TRUE(console.Events().WaitForStatusText("修改视频劫持设置成功。"));

    DnsBalanceHost host;
    host.IP = "192.168.1.20";
    host.Enable = 1;
    host.Checking = 1;
    host.Note = "四号 机";
    ASSERT_TRUE(DnsManager_BalanceAdd(host));
    auto added = Done(eMoxCacheEvent_DnsBalanceAdd);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->As<CMoxDnsRedirectBalanceListEventParam>()->items.at(0).IP, "192.168.1.20");
    EXPECT_EQ(LastLoggedBody(sim, "dns", "redirectbalance-add"),
              Head() + "&IP=192.168.1.20&Enable=1&Checking=1&Note=%E5%9B%9B%E5%8F%B7%20%E6%9C%BA");

    ASSERT_TRUE(DnsManager_BalanceList());
    auto list = Done(eMoxCacheEvent_DnsBalanceList);
    ASSERT_TRUE(list);
    const auto& hosts = list->As<CMoxDnsRedirectBalanceListEventParam>()->items;
    ASSERT_EQ(hosts.size(), 4u);
    EXPECT_EQ(hosts[2].IsDown, 1);
    EXPECT_EQ(hosts[2].DownTime, "2024-05-01 03:12:45");
    EXPECT_EQ(hosts[3].Note, "四号 机");
    EXPECT_TRUE(console.Events().WaitForStatusText("获取集群主机列表成功。"));

    ASSERT_TRUE(DnsManager_BalanceDel("192.168.1.99"));
    Done(eMoxCacheEvent_DnsBalanceDelete, 1);
    EXPECT_TRUE(console.Events().WaitForStatusText("删除集群主机失败，要修改的名单已经存在或与已有名单有冲突(错误号:41)。"));

    sim.addFault(OneShotFault("close", "dns", "redirectbalance-list"));
    ASSERT_TRUE(DnsManager_BalanceList());
    Done(eMoxCacheEvent_DnsBalanceList, 2);
    EXPECT_TRUE(console.Events().WaitForStatusText("获取集群主机列表失败，网络连接错误。"));
}

TEST(DnsKeeper, MayReadButNotChange)
{
    SimProcess sim;
    ConsoleSession keeper{sim.host(), "keeper", "keeper"};
    ASSERT_TRUE(DnsManager_SetRedirect(0));
    auto refused = keeper.Events().Next(eMoxCacheEvent_DnsSystemSet);
    ASSERT_TRUE(refused && refused->Status() == 1);
    EXPECT_EQ(refused->As<CMoxDnsSystemEventParam>()->errorNo, 22);
    EXPECT_TRUE(keeper.Events().WaitForStatusText("设置DNS系统配置参数失败，监控员没有对系统修改的权限(错误号:22)。"));
}

TEST(DnsReplies, AnEntryWithoutItsNameOrAddressSpoilsTheList)
{
    morvix::test::CannedAdminServer server;
    ConsoleSession console{server.Host()};

    server.Answer(R"({"Return":"True","SystemRedirectLists":[{"Name":"a.com","IP":""}],)"
                  R"("UserRedirectLists":[{"Name":"b.com","Enable":"1"}]})");
    ASSERT_TRUE(DnsManager_RedirectList());
    auto noAddress = console.Events().Next(eMoxCacheEvent_DnsRedirectList);
    ASSERT_TRUE(noAddress);
    EXPECT_EQ(noAddress->Status(), 3);
    EXPECT_EQ(noAddress->record, nullptr);

    // A class without its switch is redirected; one without a name spoils the list.
    server.Answer(R"({"Return":"True","NumOfLists":"1","Lists":[{"Name":"%E4%BC%98"}]})");
    ASSERT_TRUE(DnsManager_ClassList());
    auto classes = console.Events().Next(eMoxCacheEvent_DnsRedirectClassList);
    ASSERT_TRUE(classes && classes->Status() == 0);
    const auto& items = classes->As<CMoxDnsRedirectClassListEventParam>()->items;
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].Name, "优");
    EXPECT_EQ(items[0].Enable, 1);

    server.Answer(R"({"Return":"True","NumOfLists":"2","Lists":[{"Name":"a"},{"Enable":"1"}]})");
    ASSERT_TRUE(DnsManager_ClassList());
    auto nameless = console.Events().Next(eMoxCacheEvent_DnsRedirectClassList);
    ASSERT_TRUE(nameless);
    EXPECT_EQ(nameless->Status(), 3);
}
