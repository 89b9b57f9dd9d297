#include "CannedAdminServer.h"
#include "LoggedRequest.h"
#include "OneShotFault.h"
#include "features/cache/RCacheEvents.h"
#include "features/cache/RCacheRequests.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>
#include <json/json.h>

namespace morvix::test {
namespace {

constexpr char kMalformedText[] = "数据格式错误，返回的Json数据格式解析错误!";

RCacheRule NewRule(const std::string& url, const std::string& note)
{
    RCacheRule rule;
    rule.Url = url;
    rule.Icase = 1;
    rule.Olimit = 2;
    rule.Note = note;
    return rule;
}

TEST(RCacheRequests, AddListModifyMoveAndDeleteAgainstTheSimulator)
{
    SimProcess sim;
    ConsoleSession session(sim.host());
    const std::string sid = "&SessionID=" + session.SessionId() + "&RequestID=N";

    ASSERT_TRUE(CacheManager_RCacheAdd(NewRule("http://www.example.com/a b&c/中*", "a b&c/中")));
    auto added = session.Events().Next(eMoxCacheEvent_RCacheAdd);
    ASSERT_TRUE(added);
    ASSERT_EQ(added->Status(), 0);
    const RCacheRule sent = added->As<CMoxRCacheEventParam>()->item;
    EXPECT_FALSE(sent.Wid.empty());
    EXPECT_EQ(sent.Note, "a b&c/中");
    EXPECT_EQ(LastLoggedBody(sim, "rcache", "add"),
              "Url=http%3A%2F%2Fwww.example.com%2Fa%20b%26c%2F%E4%B8%AD*&Icase=1&Rules=0&Olimit=2&CacheLocation=0"
              "&Note=a%20b%26c%2F%E4%B8%AD" + sid);
    EXPECT_TRUE(session.Events().WaitForStatusText("增加页面缓存信息成功。"));

    ASSERT_TRUE(CacheManager_RCacheList());
    auto listed = session.Events().Next(eMoxCacheEvent_RCacheList);
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->Status(), 0);
    const auto& rules = listed->As<CMoxRCacheListEventParam>()->items;
    ASSERT_EQ(rules.size(), 4u);  // three seeded, then ours
    EXPECT_EQ(rules[2].CacheLocation, 1);
    EXPECT_EQ(rules[3].No, 4);
    EXPECT_EQ(rules[3].Wid, sent.Wid);
    EXPECT_EQ(rules[3].Url, "http://www.example.com/a b&c/中*");
    EXPECT_EQ(rules[3].Note, "a b&c/中");
    EXPECT_EQ(rules[3].CacheLocation, 0);
    EXPECT_EQ(LastLoggedBody(sim, "rcache", "list"), sid.substr(1));

    RCacheRule changed = sent;
    changed.CacheLocation = 1;
    changed.Note = "只拒绝硬盘";
    ASSERT_TRUE(CacheManager_RCacheModify(changed));
    auto modified = session.Events().Next(eMoxCacheEvent_RCacheModify);
    ASSERT_TRUE(modified);
    EXPECT_EQ(modified->Status(), 0);
    EXPECT_EQ(modified->As<CMoxRCacheEventParam>()->item.CacheLocation, 1);
    EXPECT_EQ(LastLoggedBody(sim, "rcache", "modify"),
              "Wid=" + sent.Wid + "&Url=http%3A%2F%2Fwww.example.com%2Fa%20b%26c%2F%E4%B8%AD*&Icase=1&Rules=0&Olimit=2"
              "&CacheLocation=1&Note=%E5%8F%AA%E6%8B%92%E7%BB%9D%E7%A1%AC%E7%9B%98" + sid);
    EXPECT_TRUE(session.Events().WaitForStatusText("修改页面缓存信息成功。"));

    ASSERT_TRUE(CacheManager_RCacheUp(sent.Wid));
    auto up = session.Events().Next(eMoxCacheEvent_RCacheMoveUp);
    ASSERT_TRUE(up);
    EXPECT_EQ(up->Status(), 0);
    EXPECT_EQ(up->As<CMoxRCacheEventParam>()->item.Wid, sent.Wid);
    EXPECT_EQ(LastLoggedBody(sim, "rcache", "up"), "Wid=" + sent.Wid + sid);
    EXPECT_TRUE(session.Events().WaitForStatusText("向上移动拒绝缓存匹配排序成功。"));

    ASSERT_TRUE(CacheManager_RCacheDown(sent.Wid));
    auto down = session.Events().Next(eMoxCacheEvent_RCacheMoveDown);
    ASSERT_TRUE(down);
    EXPECT_EQ(down->Status(), 0);
    EXPECT_EQ(LastLoggedBody(sim, "rcache", "down"), "Wid=" + sent.Wid + sid);
    EXPECT_TRUE(session.Events().WaitForStatusText("向下移动拒绝缓存匹配排序成功。"));

    ASSERT_TRUE(CacheManager_RCacheDel(sent.Wid));
    auto deleted = session.Events().Next(eMoxCacheEvent_RCacheDelete);
    ASSERT_TRUE(deleted);
    EXPECT_EQ(deleted->Status(), 0);
    EXPECT_EQ(deleted->As<CMoxRCacheEventParam>()->item.Wid, sent.Wid);
    EXPECT_EQ(LastLoggedBody(sim, "rcache", "del"), "Wid=" + sent.Wid + sid);
    EXPECT_TRUE(session.Events().WaitForStatusText("删除页面缓存信息成功。"));
}

TEST(RCacheRequests, RefusalsCarryTheErrorNumberAndItsText)
{
    SimProcess sim;
    {
        ConsoleSession keeper(sim.host(), "keeper", "keeper");
        ASSERT_TRUE(CacheManager_RCacheAdd(NewRule("http://www.example.com/x*", "")));
        auto refused = keeper.Events().Next(eMoxCacheEvent_RCacheAdd);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->Status(), 1);
        EXPECT_EQ(refused->As<CMoxRCacheEventParam>()->errorNo, 22);
        EXPECT_EQ(keeper.Instance().LastErrorNo(), "22");
        EXPECT_TRUE(keeper.Events().WaitForStatusText("增加页面缓存信息失败，监控员没有对系统修改的权限(错误号:22)。"));
    }
    ConsoleSession admin(sim.host());
    ASSERT_TRUE(CacheManager_RCacheAdd(NewRule("http://www.example.com/login*", "same URL as a seeded rule")));
    auto duplicate = admin.Events().Next(eMoxCacheEvent_RCacheAdd);
    ASSERT_TRUE(duplicate);
    EXPECT_EQ(duplicate->Status(), 1);
    EXPECT_EQ(duplicate->As<CMoxRCacheEventParam>()->errorNo, 30);
    EXPECT_TRUE(admin.Events().WaitForStatusText(
        "增加页面缓存信息失败，要添加的 URL 已经存在或 URL 正则表达式语法错(错误号:30)。"));

    ASSERT_TRUE(CacheManager_RCacheUp("no-such-rule"));
    auto gone = admin.Events().Next(eMoxCacheEvent_RCacheMoveUp);
    ASSERT_TRUE(gone);
    EXPECT_EQ(gone->Status(), 1);
    EXPECT_TRUE(admin.Events().WaitForStatusText(
        "向上移动拒绝缓存匹配排序失败，要修改的 URL 已经被删除或 URL 正则表达式语法错(错误号:31)。"));

    sim.addFault(OneShotFault("busy", "rcache"));
    ASSERT_TRUE(CacheManager_RCacheList());
    auto busy = admin.Events().Next(eMoxCacheEvent_RCacheList);
    ASSERT_TRUE(busy);
    EXPECT_EQ(busy->Status(), 1);
    EXPECT_EQ(busy->As<CMoxRCacheListEventParam>()->errorNo, 10);
    EXPECT_TRUE(admin.Events().WaitForStatusText("获取拒绝缓存数据失败，服务器忙(错误号:10)。"));
}

TEST(RCacheRequests, BrokenExchangesAndUnreadableRepliesPostNoRecord)
{
    SimProcess sim;
    ConsoleSession session(sim.host());
    sim.addFault(OneShotFault("close", "rcache", "list"));
    ASSERT_TRUE(CacheManager_RCacheList());
    auto closed = session.Events().Next(eMoxCacheEvent_RCacheList);
    ASSERT_TRUE(closed);
    EXPECT_EQ(closed->Status(), 2);
    EXPECT_EQ(closed->record, nullptr);
    EXPECT_TRUE(session.Events().WaitForStatusText("获取拒绝缓存数据失败，网络连接错误。"));

    for (const char* kind : {"not-json", "boolean-return", "no-errorno"}) {
        sim.addFault(OneShotFault(kind, "rcache", "modify"));
        RCacheRule rule = NewRule("http://www.example.com/login*", "");
        rule.Wid = "w1";
        ASSERT_TRUE(CacheManager_RCacheModify(rule));
        auto unreadable = session.Events().Next(eMoxCacheEvent_RCacheModify);
        ASSERT_TRUE(unreadable) << kind;
        EXPECT_EQ(unreadable->Status(), 3) << kind;
        EXPECT_EQ(unreadable->record, nullptr) << kind;
    }
    EXPECT_TRUE(session.Events().WaitForStatusText(kMalformedText));

    sim.stop();
    ASSERT_TRUE(CacheManager_RCacheDel("any"));
    auto dead = session.Events().Next(eMoxCacheEvent_RCacheDelete);
    ASSERT_TRUE(dead);
    EXPECT_EQ(dead->Status(), 2);
    EXPECT_TRUE(session.Events().WaitForStatusText("删除页面缓存信息失败，网络连接错误。"));
}

TEST(RCacheRequests, ListElementsAreReadByTheirRequiredAndOptionalKeys)
{
    CannedAdminServer server;
    ConsoleSession session(server.Host());
    auto list = [&](const std::string& reply) {
        server.Answer(reply);
        EXPECT_TRUE(CacheManager_RCacheList());
        return session.Events().Next(eMoxCacheEvent_RCacheList);
    };
    const std::string complete =
        R"({"NO":"1","Wid":"w1","Url":"http://a/*","Icase":"1","Rules":"2","Olimit":"1","CacheLocation":"0","Note":"%E6%B3%A8 x"})";

    auto withoutLocation = list(
        R"({"Return":"True","NumOfLists":"1","Lists":[{"NO":"1","Wid":"w1","Url":"u","Icase":"0","Rules":"0","Olimit":"0","Note":""}]})");
    ASSERT_TRUE(withoutLocation);
    ASSERT_EQ(withoutLocation->Status(), 0);
    EXPECT_EQ(withoutLocation->As<CMoxRCacheListEventParam>()->items.at(0).CacheLocation, 1);

    auto read = list(R"({"Return":"True","NumOfLists":"1","Lists":[)" + complete + "]}");
    ASSERT_TRUE(read);
    const RCacheRule& rule = read->As<CMoxRCacheListEventParam>()->items.at(0);
    EXPECT_EQ(rule.Rules, 2);
    EXPECT_EQ(rule.Olimit, 1);
    EXPECT_EQ(rule.CacheLocation, 0);
    EXPECT_EQ(rule.Note, "注 x");

    for (const char* key : {"NO", "Wid", "Url", "Icase", "Rules", "Olimit", "Note"}) {
        Json::Value element;
        Json::Reader().parse(complete, element);
        element.removeMember(key);
        Json::Value reply;
        reply["Return"] = "True";
        reply["NumOfLists"] = "2";
        reply["Lists"].append(Json::Value());
        Json::Reader().parse(complete, reply["Lists"][0]);
        reply["Lists"].append(element);
        auto missing = list(reply.toStyledString());
        ASSERT_TRUE(missing) << key;
        EXPECT_EQ(missing->Status(), 3) << key;
        EXPECT_EQ(missing->record, nullptr) << key;
    }

    auto fewer = list(R"({"Return":"True","NumOfLists":"3","Lists":[)" + complete + "," + complete + "]}");
    ASSERT_TRUE(fewer);
    EXPECT_EQ(fewer->As<CMoxRCacheListEventParam>()->items.size(), 2u);
    auto notAnArray = list(R"({"Return":"True","NumOfLists":"2","Lists":)" + complete + "}");
    ASSERT_TRUE(notAnArray);
    EXPECT_EQ(notAnArray->Status(), 0);
    EXPECT_TRUE(notAnArray->As<CMoxRCacheListEventParam>()->items.empty());
    auto countZero = list(R"({"Return":"True","NumOfLists":"0","Lists":[)" + complete + "]}");
    ASSERT_TRUE(countZero);
    EXPECT_TRUE(countZero->As<CMoxRCacheListEventParam>()->items.empty());
}

}  // namespace
}  // namespace morvix::test
