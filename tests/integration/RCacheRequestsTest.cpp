#include "CannedList.h"
#include "LoggedRequest.h"
#include "OneShotFault.h"
#include "RequestStep.h"
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

    auto added = Expect(sim, session,
                        {CacheManager_RCacheAdd(NewRule("http://www.example.com/a b&c/中*", "a b&c/中")),
                         eMoxCacheEvent_RCacheAdd, 0, "rcache", "add",
                         "Url=http%3A%2F%2Fwww.example.com%2Fa%20b%26c%2F%E4%B8%AD*&Icase=1&Rules=0&Olimit=2"
                         "&CacheLocation=0&Note=a%20b%26c%2F%E4%B8%AD" + sid,
                         "增加页面缓存信息成功。"});
    ASSERT_TRUE(added);
    const RCacheRule sent = added->As<CMoxRCacheEventParam>()->item;
    EXPECT_FALSE(sent.Wid.empty());
    EXPECT_EQ(sent.Note, "a b&c/中");

    auto listed = Expect(sim, session, {CacheManager_RCacheList(), eMoxCacheEvent_RCacheList, 0, "rcache", "list", sid.substr(1)});
    ASSERT_TRUE(listed);
    const auto& rules = listed->As<CMoxRCacheListEventParam>()->items;
    ASSERT_EQ(rules.size(), 4u);  // three seeded, then ours
    EXPECT_EQ(rules[2].CacheLocation, 1);
    EXPECT_EQ(rules[3].No, 4);
    EXPECT_EQ(rules[3].Wid, sent.Wid);
    EXPECT_EQ(rules[3].Url, "http://www.example.com/a b&c/中*");
    EXPECT_EQ(rules[3].Note, "a b&c/中");
    EXPECT_EQ(rules[3].CacheLocation, 0);

    RCacheRule changed = sent;
    changed.CacheLocation = 1;
    changed.Note = "只拒绝硬盘";
    auto modified = Expect(sim, session,
                           {CacheManager_RCacheModify(changed), eMoxCacheEvent_RCacheModify, 0, "rcache", "modify",
                            "Wid=" + sent.Wid + "&Url=http%3A%2F%2Fwww.example.com%2Fa%20b%26c%2F%E4%B8%AD*&Icase=1"
                            "&Rules=0&Olimit=2&CacheLocation=1&Note=%E5%8F%AA%E6%8B%92%E7%BB%9D%E7%A1%AC%E7%9B%98" + sid,
                            "修改页面缓存信息成功。"});
    ASSERT_TRUE(modified);
    EXPECT_EQ(modified->As<CMoxRCacheEventParam>()->item.CacheLocation, 1);

    const std::string byWid = "Wid=" + sent.Wid + sid;
    auto up = Expect(sim, session, {CacheManager_RCacheUp(sent.Wid), eMoxCacheEvent_RCacheMoveUp, 0, "rcache", "up",
                                    byWid, "向上移动拒绝缓存匹配排序成功。"});
    ASSERT_TRUE(up);
    EXPECT_EQ(up->As<CMoxRCacheEventParam>()->item.Wid, sent.Wid);
    Expect(sim, session, {CacheManager_RCacheDown(sent.Wid), eMoxCacheEvent_RCacheMoveDown, 0, "rcache", "down", byWid,
                          "向下移动拒绝缓存匹配排序成功。"});
    auto deleted = Expect(sim, session, {CacheManager_RCacheDel(sent.Wid), eMoxCacheEvent_RCacheDelete, 0, "rcache",
                                         "del", byWid, "删除页面缓存信息成功。"});
    ASSERT_TRUE(deleted);
    EXPECT_EQ(deleted->As<CMoxRCacheEventParam>()->item.Wid, sent.Wid);
}

TEST(RCacheRequests, RefusalsCarryTheErrorNumberAndItsText)
{
    SimProcess sim;
    {
        ConsoleSession keeper(sim.host(), "keeper", "keeper");
        auto refused = Expect(sim, keeper, {CacheManager_RCacheAdd(NewRule("http://www.example.com/x*", "")),
                                            eMoxCacheEvent_RCacheAdd, 1, {}, {}, {},
                                            "增加页面缓存信息失败，监控员没有对系统修改的权限(错误号:22)。"});
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->As<CMoxRCacheEventParam>()->errorNo, 22);
        EXPECT_EQ(keeper.Instance().LastErrorNo(), "22");
    }
    ConsoleSession admin(sim.host());
    auto duplicate =
        Expect(sim, admin, {CacheManager_RCacheAdd(NewRule("http://www.example.com/login*", "same URL as a seeded rule")),
                            eMoxCacheEvent_RCacheAdd, 1, {}, {}, {},
                            "增加页面缓存信息失败，要添加的 URL 已经存在或 URL 正则表达式语法错(错误号:30)。"});
    ASSERT_TRUE(duplicate);
    EXPECT_EQ(duplicate->As<CMoxRCacheEventParam>()->errorNo, 30);
    Expect(sim, admin, {CacheManager_RCacheUp("no-such-rule"), eMoxCacheEvent_RCacheMoveUp, 1, {}, {}, {},
                        "向上移动拒绝缓存匹配排序失败，要修改的 URL 已经被删除或 URL 正则表达式语法错(错误号:31)。"});

    sim.addFault(OneShotFault("busy", "rcache"));
    auto busy = Expect(sim, admin, {CacheManager_RCacheList(), eMoxCacheEvent_RCacheList, 1, {}, {}, {},
                                    "获取拒绝缓存数据失败，服务器忙(错误号:10)。"});
    ASSERT_TRUE(busy);
    EXPECT_EQ(busy->As<CMoxRCacheListEventParam>()->errorNo, 10);
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
    CannedList list(server, session.Events(), CacheManager_RCacheList, eMoxCacheEvent_RCacheList);
    Json::Value complete;
    for (const auto& [key, value] : {std::pair{"NO", "1"}, {"Wid", "w1"}, {"Url", "http://a/*"}, {"Icase", "1"},
                                     {"Rules", "2"}, {"Olimit", "1"}, {"CacheLocation", "0"}, {"Note", "%E6%B3%A8 x"}})
        complete[key] = value;
    auto listOf = [](std::initializer_list<Json::Value> elements) {
        Json::Value lists(Json::arrayValue);
        for (const Json::Value& element : elements)
            lists.append(element);
        return lists;
    };

    Json::Value withoutLocation = complete;
    withoutLocation.removeMember("CacheLocation");
    auto defaulted = list("1", listOf({withoutLocation}));
    ASSERT_TRUE(defaulted);
    ASSERT_EQ(defaulted->Status(), 0);
    EXPECT_EQ(defaulted->As<CMoxRCacheListEventParam>()->items.at(0).CacheLocation, 1);

    auto read = list("1", listOf({complete}));
    ASSERT_TRUE(read);
    const RCacheRule& rule = read->As<CMoxRCacheListEventParam>()->items.at(0);
    EXPECT_EQ(rule.Rules, 2);
    EXPECT_EQ(rule.Olimit, 1);
    EXPECT_EQ(rule.CacheLocation, 0);
    EXPECT_EQ(rule.Note, "注 x");

    list.ExpectEveryKeyRequired(complete, {"NO", "Wid", "Url", "Icase", "Rules", "Olimit", "Note"});

    auto fewer = list("3", listOf({complete, complete}));
    ASSERT_TRUE(fewer);
    EXPECT_EQ(fewer->As<CMoxRCacheListEventParam>()->items.size(), 2u);
    auto notAnArray = list("2", complete);
    ASSERT_TRUE(notAnArray);
    EXPECT_EQ(notAnArray->Status(), 0);
    EXPECT_TRUE(notAnArray->As<CMoxRCacheListEventParam>()->items.empty());
    auto countZero = list("0", listOf({complete}));
    ASSERT_TRUE(countZero);
    EXPECT_TRUE(countZero->As<CMoxRCacheListEventParam>()->items.empty());
}

}  // namespace
}  // namespace morvix::test
