#include "CannedList.h"
#include "LoggedRequest.h"
#include "OneShotFault.h"
#include "RequestStep.h"
#include "features/access/RewriteEvents.h"
#include "features/access/RewriteRequests.h"
#include "messaging/EventKinds.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>
#include <json/json.h>

namespace morvix::test {
namespace {

RewriteRule NewsRedirect()
{
    RewriteRule rule;
    rule.SourceUrl = "^http://news\\.example\\.com/a b&c/(.*)$";
    rule.DestinationUrl = "http://www.example.com/新闻/$1";
    rule.Icase = 1;
    rule.Flag = 2;
    rule.Note = "a b&c/中";
    return rule;
}

TEST(RewriteRequests, AddListModifyMoveAndDeleteAgainstTheSimulator)
{
    SimProcess sim;
    ConsoleSession session(sim.host());
    const std::string head = "SessionID=" + session.SessionId() + "&RequestID=N";
    const std::string urls = "&SourceUrl=%5Ehttp%3A%2F%2Fnews%5C.example%5C.com%2Fa%20b%26c%2F(.*)%24"
                             "&DestinationUrl=http%3A%2F%2Fwww.example.com%2F%E6%96%B0%E9%97%BB%2F%241";

    auto added = Expect(sim, session,
                        {RewriteManager_Add(NewsRedirect()), eMoxCacheEvent_RewriteAdd, 0, "rewrite", "add",
                         head + urls + "&Icase=1&Flag=2&Note=a%20b%26c%2F%E4%B8%AD", "添加转向列表数据成功。"});
    ASSERT_TRUE(added);
    const RewriteRule sent = added->As<CMoxRewriteEventParam>()->item;
    EXPECT_FALSE(sent.RewriteID.empty());
    EXPECT_EQ(sent.DestinationUrl, "http://www.example.com/新闻/$1");

    auto listed = Expect(sim, session, {RewriteManager_List(), eMoxCacheEvent_RewriteList, 0, {}, {}, {}, "获取转向列表成功"});
    ASSERT_TRUE(listed);
    const auto& rules = listed->As<CMoxRewriteListEventParam>()->items;
    ASSERT_EQ(rules.size(), 4u);  // three seeded, then ours
    EXPECT_EQ(rules[3].No, 4);
    EXPECT_EQ(rules[3].RewriteID, sent.RewriteID);
    EXPECT_EQ(rules[3].SourceUrl, NewsRedirect().SourceUrl);
    EXPECT_EQ(rules[3].Flag, 2);
    EXPECT_EQ(rules[3].Note, "a b&c/中");

    RewriteRule changed = sent;
    changed.Flag = 3;
    changed.Icase = 0;
    const std::string byId = head + "&RewriteID=" + sent.RewriteID;
    auto modified = Expect(sim, session, {RewriteManager_Modify(changed), eMoxCacheEvent_RewriteModify, 0, "rewrite",
                                          "modify", byId + urls + "&Icase=0&Flag=3&Note=a%20b%26c%2F%E4%B8%AD",
                                          "修改转向列表信息成功。"});
    ASSERT_TRUE(modified);
    EXPECT_EQ(modified->As<CMoxRewriteEventParam>()->item.Flag, 3);

    auto up = Expect(sim, session, {RewriteManager_Up(sent.RewriteID), eMoxCacheEvent_RewriteMoveUp, 0, "rewrite", "up",
                                    byId, "向上移动转向列表匹配排序成功。"});
    ASSERT_TRUE(up);
    EXPECT_EQ(up->As<CMoxRewriteEventParam>()->item.RewriteID, sent.RewriteID);
    Expect(sim, session, {RewriteManager_Down(sent.RewriteID), eMoxCacheEvent_RewriteMoveDown, 0, "rewrite", "down",
                          byId, "向下移动转向列表匹配排序成功。"});
    Expect(sim, session, {RewriteManager_Del(sent.RewriteID), eMoxCacheEvent_RewriteDelete, 0, "rewrite", "del", byId,
                          "删除转向列表信息成功。"});
}

TEST(RewriteRequests, RefusalsAndFailuresReportTheirTexts)
{
    SimProcess sim;
    {
        ConsoleSession keeper(sim.host(), "keeper", "keeper");
        auto refused = Expect(sim, keeper, {RewriteManager_Add(NewsRedirect()), eMoxCacheEvent_RewriteAdd, 1, {}, {},
                                            {}, "添加转向列表数据失败，监控员没有对系统修改的权限(错误号:22)"});
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->As<CMoxRewriteEventParam>()->errorNo, 22);
    }
    ConsoleSession admin(sim.host());
    RewriteRule broken = NewsRedirect();
    broken.SourceUrl = "^http://([";
    auto badPattern = Expect(sim, admin, {RewriteManager_Add(broken), eMoxCacheEvent_RewriteAdd, 1, {}, {}, {},
                                          "添加转向列表数据失败，要添加的转向 URL 已经存在或 URL 正则表达式语法错(错误号:60)"});
    ASSERT_TRUE(badPattern);
    EXPECT_EQ(badPattern->As<CMoxRewriteEventParam>()->errorNo, 60);

    sim.addFault(OneShotFault("close", "rewrite", "up"));
    auto closed = Expect(sim, admin, {RewriteManager_Up("any"), eMoxCacheEvent_RewriteMoveUp, 2, {}, {}, {},
                                      "向上移动转向列表匹配排序失败，网络链接错误。"});
    ASSERT_TRUE(closed);
    EXPECT_EQ(closed->record, nullptr);
    sim.addFault(OneShotFault("boolean-return", "rewrite", "list"));
    auto unreadable = Expect(sim, admin, {RewriteManager_List(), eMoxCacheEvent_RewriteList, 3});
    ASSERT_TRUE(unreadable);
    EXPECT_EQ(unreadable->record, nullptr);
    sim.stop();
    Expect(sim, admin,
           {RewriteManager_List(), eMoxCacheEvent_RewriteList, 2, {}, {}, {}, "获取转向列表数据失败，网络连接错误。"});
}

TEST(RewriteRequests, EveryKeyOfAListElementIsRequired)
{
    CannedAdminServer server;
    ConsoleSession session(server.Host());
    CannedList list(server, session.Events(), RewriteManager_List, eMoxCacheEvent_RewriteList);
    Json::Value complete;
    for (const char* key : {"NO", "RewriteID", "SourceUrl", "DestinationUrl", "Icase", "Flag"})
        complete[key] = "7";
    complete["Note"] = std::string(700, 'n');

    Json::Value two(Json::arrayValue);
    two.append(complete);
    two.append(complete);
    auto read = list("3", two);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->Status(), 0);
    ASSERT_EQ(read->As<CMoxRewriteListEventParam>()->items.size(), 2u);
    // Longer than the form allows, still kept whole.
    EXPECT_EQ(read->As<CMoxRewriteListEventParam>()->items[0].Note.size(), 700u);
    EXPECT_EQ(read->As<CMoxRewriteListEventParam>()->items[0].Flag, 7);

    list.ExpectEveryKeyRequired(complete, {"NO", "RewriteID", "SourceUrl", "DestinationUrl", "Icase", "Flag", "Note"});

    auto emptyCount = list("0", two);
    ASSERT_TRUE(emptyCount);
    EXPECT_EQ(emptyCount->Status(), 0);
    EXPECT_TRUE(emptyCount->As<CMoxRewriteListEventParam>()->items.empty());
}

}  // namespace
}  // namespace morvix::test
