#include "CannedList.h"
#include "LoggedRequest.h"
#include "OneShotFault.h"
#include "RequestStep.h"
#include "features/cache/SCacheEvents.h"
#include "features/cache/SCacheRequests.h"
#include "messaging/EventKinds.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>
#include <json/json.h>

namespace morvix::test {
namespace {

SCacheRule LoginRule()
{
    SCacheRule rule;
    rule.ActionUrl = "http://bbs.example.org/登录.php?a=1&b=2";
    rule.Icase = 1;
    rule.Rules = 2;
    rule.SetCookieSessionID = "sid a&b";
    rule.SessionExpire = 3600;
    rule.Note = "论坛 / login";
    return rule;
}

TEST(SCacheRequests, AddListModifyMoveAndDeleteAgainstTheSimulator)
{
    SimProcess sim;
    ConsoleSession session(sim.host());
    const std::string head = "SessionID=" + session.SessionId() + "&RequestID=N";

    auto added = Expect(sim, session,
                        {CacheManager_SCacheAdd(LoginRule()), eMoxCacheEvent_SCacheAdd, 0, "scache", "add",
                         head + "&ActionUrl=http%3A%2F%2Fbbs.example.org%2F%E7%99%BB%E5%BD%95.php%3Fa%3D1%26b%3D2"
                                "&Icase=1&Rules=2&SetCookieSessionID=sid%20a%26b&SessionExpire=3600"
                                "&Note=%E8%AE%BA%E5%9D%9B%20%2F%20login",
                         "添加会话缓存信息成功。"});
    ASSERT_TRUE(added);
    const SCacheRule sent = added->As<CMoxSCacheEventParam>()->item;
    EXPECT_FALSE(sent.Wid.empty());
    EXPECT_EQ(sent.SetCookieSessionID, "sid a&b");

    auto listed = Expect(sim, session, {CacheManager_SCacheList(), eMoxCacheEvent_SCacheList});
    ASSERT_TRUE(listed);
    const auto& rules = listed->As<CMoxSCacheListEventParam>()->items;
    ASSERT_EQ(rules.size(), 3u);  // two seeded, then ours
    EXPECT_EQ(rules[2].No, 3);
    EXPECT_EQ(rules[2].Wid, sent.Wid);
    EXPECT_EQ(rules[2].ActionUrl, "http://bbs.example.org/登录.php?a=1&b=2");
    EXPECT_EQ(rules[2].SetCookieSessionID, "sid a&b");
    EXPECT_EQ(rules[2].SessionExpire, 3600);
    EXPECT_EQ(rules[2].Note, "论坛 / login");

    SCacheRule changed = sent;
    changed.SessionExpire = 60;
    changed.Rules = 0;
    auto modified = Expect(sim, session,
                           {CacheManager_SCacheModify(changed), eMoxCacheEvent_SCacheModify, 0, "scache", "modify",
                            head + "&Wid=" + sent.Wid +
                                "&ActionUrl=http%3A%2F%2Fbbs.example.org%2F%E7%99%BB%E5%BD%95.php%3Fa%3D1%26b%3D2"
                                "&Icase=1&Rules=0&SetCookieSessionID=sid%20a%26b&SessionExpire=60"
                                "&Note=%E8%AE%BA%E5%9D%9B%20%2F%20login",
                            "修改会话缓存信息成功。"});
    ASSERT_TRUE(modified);
    EXPECT_EQ(modified->As<CMoxSCacheEventParam>()->item.SessionExpire, 60);

    const std::string byWid = head + "&Wid=" + sent.Wid;
    auto up = Expect(sim, session, {CacheManager_SCacheUp(sent.Wid), eMoxCacheEvent_SCacheMoveUp, 0, "scache", "up",
                                    byWid, "向上移动会话缓存匹配排序成功。"});
    ASSERT_TRUE(up);
    EXPECT_EQ(up->As<CMoxSCacheEventParam>()->item.Wid, sent.Wid);
    Expect(sim, session, {CacheManager_SCacheDown(sent.Wid), eMoxCacheEvent_SCacheMoveDown, 0, "scache", "down", byWid,
                          "向下移动会话缓存匹配排序成功。"});
    Expect(sim, session, {CacheManager_SCacheDel(sent.Wid), eMoxCacheEvent_SCacheDelete, 0, "scache", "del", byWid,
                          "删除会话缓存信息成功。"});
}

TEST(SCacheRequests, RefusalsAndFailuresReportTheirTexts)
{
    SimProcess sim;
    {
        ConsoleSession keeper(sim.host(), "keeper", "keeper");
        auto refused = Expect(sim, keeper, {CacheManager_SCacheDel("any"), eMoxCacheEvent_SCacheDelete, 1, {}, {}, {},
                                            "删除会话缓存信息失败，监控员没有对系统修改的权限(错误号:22)。"});
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->As<CMoxSCacheEventParam>()->errorNo, 22);
    }
    ConsoleSession admin(sim.host());
    SCacheRule seeded = LoginRule();
    seeded.ActionUrl = "http://shop.example.com/account/login*";
    auto duplicate = Expect(sim, admin, {CacheManager_SCacheAdd(seeded), eMoxCacheEvent_SCacheAdd, 1, {}, {}, {},
                                         "添加会话缓存信息失败，要添加的 URL 已经存在或 URL 正则表达式语法错(错误号:30)。"});
    ASSERT_TRUE(duplicate);
    EXPECT_EQ(duplicate->As<CMoxSCacheEventParam>()->errorNo, 30);

    sim.addFault(OneShotFault("reset", "scache", "list"));
    auto reset = Expect(sim, admin, {CacheManager_SCacheList(), eMoxCacheEvent_SCacheList, 2, {}, {}, {},
                                     "获取会话缓存列表失败，网络连接错误。"});
    ASSERT_TRUE(reset);
    EXPECT_EQ(reset->record, nullptr);
    sim.addFault(OneShotFault("not-json", "scache", "up"));
    auto unreadable = Expect(sim, admin, {CacheManager_SCacheUp("any"), eMoxCacheEvent_SCacheMoveUp, 3});
    ASSERT_TRUE(unreadable);
    EXPECT_EQ(unreadable->record, nullptr);
    sim.stop();
    Expect(sim, admin, {CacheManager_SCacheDown("any"), eMoxCacheEvent_SCacheMoveDown, 2, {}, {}, {},
                        "向下移动会话缓存匹配排序失败，网络连接错误。"});
}

TEST(SCacheRequests, EveryKeyOfAListElementIsRequired)
{
    CannedAdminServer server;
    ConsoleSession session(server.Host());
    CannedList list(server, session.Events(), CacheManager_SCacheList, eMoxCacheEvent_SCacheList);
    Json::Value complete;
    for (const char* key : {"NO", "Wid", "ActionUrl", "Icase", "Rules", "SetCookieSessionID", "SessionExpire"})
        complete[key] = "1";
    complete["Note"] = "%E6%B3%A8";

    Json::Value two(Json::arrayValue);
    two.append(complete);
    two.append(complete);
    auto read = list("3", two);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->Status(), 0);
    ASSERT_EQ(read->As<CMoxSCacheListEventParam>()->items.size(), 2u);
    EXPECT_EQ(read->As<CMoxSCacheListEventParam>()->items[1].Note, "注");

    list.ExpectEveryKeyRequired(complete, {"NO", "Wid", "ActionUrl", "Icase", "Rules", "SetCookieSessionID",
                                           "SessionExpire", "Note"});

    auto notAnArray = list("2", complete);
    ASSERT_TRUE(notAnArray);
    EXPECT_EQ(notAnArray->Status(), 0);
    EXPECT_TRUE(notAnArray->As<CMoxSCacheListEventParam>()->items.empty());
}

}  // namespace
}  // namespace morvix::test
