#include "features/cache/FCacheEvents.h"
#include "features/cache/FCacheRequests.h"
#include "integration/RequestStep.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

#include <functional>

using morvix::test::ConsoleSession;
using morvix::test::SimProcess;

namespace {

// The body of the last request of this type and command that the simulator saw.
std::string LastBody(SimProcess& sim, const std::string& query)
{
    const Json::Value log = sim.requests();
    for (int i = static_cast<int>(log.size()) - 1; i >= 0; --i)
        if (log[i]["query"].asString() == query)
            return log[i]["body"].asString();
    return {};
}

FCacheRule NewsRule()
{
    FCacheRule rule;
    rule.Url = "/news/a b&c/*";
    rule.Icase = 1;
    rule.Rules = 0;
    rule.Expire = 30;
    rule.Unit = 2;
    rule.Note = "新闻 & more";
    return rule;
}

class FCacheRequests : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};

    std::vector<FCacheRule> List()
    {
        return morvix::test::AcceptedRead(console.Events(), CacheManager_FCacheList(), eMoxCacheEvent_FCacheList, &CMoxFCacheListEventParam::items);
    }
};

}  // namespace

TEST_F(FCacheRequests, AddSendsTheExactBodyAndReturnsTheNewIdentifier)
{
    ASSERT_TRUE(CacheManager_FCacheAdd(NewsRule()));
    auto added = console.Events().Next(eMoxCacheEvent_FCacheAdd);
    ASSERT_TRUE(added);
    ASSERT_EQ(added->Status(), 0);
    const FCacheRule& rule = added->As<CMoxFCacheAddEventParam>()->item;
    EXPECT_FALSE(rule.Wid.empty());
    EXPECT_EQ(rule.Note, "新闻 & more");
    EXPECT_TRUE(console.Events().WaitForStatusText("添加到页面缓存列表成功。"));

    const std::string body = LastBody(sim, "type=fcache&cmd=add");
    EXPECT_EQ(body.substr(0, body.find("&SessionID=")),
              "Url=%2Fnews%2Fa%20b%26c%2F*&Icase=1&Rules=0&Expire=30&Unit=2&Icookie=1&Olimit=0&IsDiskCache=1"
              "&Note=%E6%96%B0%E9%97%BB%20%26%20more");
    EXPECT_NE(body.find("&SessionID=" + console.SessionId() + "&RequestID="), std::string::npos);

    const std::vector<FCacheRule> rules = List();
    ASSERT_FALSE(rules.empty());
    EXPECT_EQ(rules.back().Wid, rule.Wid);
    EXPECT_EQ(rules.back().Url, "/news/a b&c/*");
    EXPECT_EQ(rules.back().Note, "新闻 & more");
    EXPECT_EQ(rules.back().No, static_cast<int>(rules.size()));
}

TEST_F(FCacheRequests, MovesAndDeletesChangeTheServersOrder)
{
    const std::vector<FCacheRule> before = List();
    ASSERT_GE(before.size(), 3u);

    ASSERT_TRUE(CacheManager_FCacheDown(before[0].Wid));
    auto moved = console.Events().Next(eMoxCacheEvent_FCacheMoveDown);
    ASSERT_TRUE(moved && moved->Status() == 0);
    EXPECT_EQ(moved->As<CMoxFCacheEventParam>()->item.Wid, before[0].Wid);
    EXPECT_EQ(LastBody(sim, "type=fcache&cmd=down").find("Wid=" + before[0].Wid + "&SessionID="), 0u);

    std::vector<FCacheRule> after = List();
    EXPECT_EQ(after[0].Wid, before[1].Wid);
    EXPECT_EQ(after[1].Wid, before[0].Wid);

    ASSERT_TRUE(CacheManager_FCacheDel(before[0].Wid));
    auto deleted = console.Events().Next(eMoxCacheEvent_FCacheDelete);
    ASSERT_TRUE(deleted && deleted->Status() == 0);
    EXPECT_TRUE(console.Events().WaitForStatusText("刪除页面缓存信息成功。"));
    after = List();
    EXPECT_EQ(after.size(), before.size() - 1);
    for (const FCacheRule& rule : after)
        EXPECT_NE(rule.Wid, before[0].Wid);
}

TEST_F(FCacheRequests, RefusalsCarryTheErrorNumberAndTheirText)
{
    FCacheRule bad = NewsRule();
    bad.Rules = 1;
    bad.Url = "(unclosed";
    ASSERT_TRUE(CacheManager_FCacheAdd(bad));
    auto refused = console.Events().Next(eMoxCacheEvent_FCacheAdd);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->Status(), 1);
    EXPECT_EQ(refused->As<CMoxFCacheAddEventParam>()->errorNo, 30);
    EXPECT_TRUE(console.Events().WaitForStatusText("添加到页面缓存列表失败，(错误号:30)"));
    EXPECT_EQ(console.Instance().LastErrorNo(), "30");

    ASSERT_TRUE(CacheManager_FCacheDel("no-such-rule"));
    auto missing = console.Events().Next(eMoxCacheEvent_FCacheDelete);
    ASSERT_TRUE(missing && missing->Status() == 1);
    EXPECT_TRUE(console.Events().WaitForStatusText("刪除页面缓存信息失败，要修改的 URL 已经被删除或 URL 正则表达式语法错,错误号：31。"));
}

TEST_F(FCacheRequests, ListRepliesAreJudgedWholly)
{
    Json::Value fault;
    fault["kind"] = "not-json";
    fault["type"] = "fcache";
    fault["cmd"] = "list";
    fault["count"] = 1;
    sim.addFault(fault);
    ASSERT_TRUE(CacheManager_FCacheList());
    auto malformed = console.Events().Next(eMoxCacheEvent_FCacheList);
    ASSERT_TRUE(malformed);
    EXPECT_EQ(malformed->Status(), 3);
    EXPECT_EQ(malformed->record, nullptr);
    EXPECT_TRUE(console.Events().WaitForStatusText("数据格式错误，返回的Json数据格式解析错误!"));

    fault["kind"] = "busy";
    sim.addFault(fault);
    ASSERT_TRUE(CacheManager_FCacheList());
    auto busy = console.Events().Next(eMoxCacheEvent_FCacheList);
    ASSERT_TRUE(busy && busy->Status() == 1);
    EXPECT_TRUE(console.Events().WaitForStatusText("从" + sim.host() + "获取页面缓存数据失败，(错误号:10)"));

    fault["kind"] = "close";
    sim.addFault(fault);
    ASSERT_TRUE(CacheManager_FCacheList());
    auto failed = console.Events().Next(eMoxCacheEvent_FCacheList);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->Status(), 2);
    EXPECT_EQ(failed->param2, 0u);
    EXPECT_TRUE(console.Events().WaitForStatusText("获取页面缓存列表失败，网络连接错误。"));
}

// A change lost on the network says which change failed, never the list's text.
TEST(FCacheRequestsLost, EachChangeLostOnTheNetworkNamesItself)
{
    SimProcess sim;
    ConsoleSession console{sim.host()};
    const struct {
        const char* cmd;
        std::function<bool()> send;
        const char* text;
    } changes[] = {
        {"add", [] { return CacheManager_FCacheAdd(NewsRule()); }, "添加到页面缓存列表失败，网络连接错误。"},
        {"modify",
         [] {
             FCacheRule rule = NewsRule();
             rule.Wid = "10031";
             return CacheManager_FCacheModify(rule);
         },
         "修改页面缓存数据失败，网络连接错误。"},
        {"del", [] { return CacheManager_FCacheDel("10031"); }, "刪除页面缓存信息失败，无法与服务器建立连接"},
        {"up", [] { return CacheManager_FCacheUp("10031"); }, "向上移动页面缓存数据失败，网络连接错误。"},
        {"down", [] { return CacheManager_FCacheDown("10031"); }, "向下移动页面缓存数据失败，网络连接错误。"},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.cmd);
        Json::Value fault;
        fault["kind"] = "close";
        fault["type"] = "fcache";
        fault["cmd"] = change.cmd;
        fault["count"] = 1;
        sim.addFault(fault);
        ASSERT_TRUE(change.send());
        EXPECT_TRUE(console.Events().WaitForStatusText(change.text));
        EXPECT_EQ(console.Events().CountStatusText("获取页面缓存列表失败，网络连接错误。"), 0u);
    }
}

TEST(FCacheRequestsAsKeeper, KeeperMayReadButNotChange)
{
    SimProcess sim;
    ConsoleSession keeper{sim.host(), "keeper", "keeper"};
    ASSERT_TRUE(CacheManager_FCacheList());
    auto listed = keeper.Events().Next(eMoxCacheEvent_FCacheList);
    ASSERT_TRUE(listed && listed->Status() == 0);
    ASSERT_TRUE(CacheManager_FCacheAdd(NewsRule()));
    auto refused = keeper.Events().Next(eMoxCacheEvent_FCacheAdd);
    ASSERT_TRUE(refused && refused->Status() == 1);
    EXPECT_EQ(refused->As<CMoxFCacheAddEventParam>()->errorNo, 22);
}

TEST(FCacheRequestsOffline, NothingIsSentWithoutASession)
{
    SimProcess sim;
    {
        ConsoleSession console{sim.host()};
        console.Instance().SetConnected(false);
        sim.clearRequests();
        EXPECT_FALSE(CacheManager_FCacheList());
        EXPECT_TRUE(console.Events().WaitForStatusText("您未连接到远程Morvix缓存服务器或会话已经过期，请连接服务器。"));
        EXPECT_EQ(sim.requests().size(), 0u);
    }
}
