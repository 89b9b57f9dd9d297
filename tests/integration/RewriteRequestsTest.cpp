#include "CannedAdminServer.h"
#include "LoggedRequest.h"
#include "OneShotFault.h"
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

    ASSERT_TRUE(RewriteManager_Add(NewsRedirect()));
    auto added = session.Events().Next(eMoxCacheEvent_RewriteAdd);
    ASSERT_TRUE(added);
    ASSERT_EQ(added->Status(), 0);
    const RewriteRule sent = added->As<CMoxRewriteEventParam>()->item;
    EXPECT_FALSE(sent.RewriteID.empty());
    EXPECT_EQ(sent.DestinationUrl, "http://www.example.com/新闻/$1");
    EXPECT_EQ(LastLoggedBody(sim, "rewrite", "add"), head + urls + "&Icase=1&Flag=2&Note=a%20b%26c%2F%E4%B8%AD");
    EXPECT_TRUE(session.Events().WaitForStatusText("添加转向列表数据成功。"));

    ASSERT_TRUE(RewriteManager_List());
    auto listed = session.Events().Next(eMoxCacheEvent_RewriteList);
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->Status(), 0);
    const auto& rules = listed->As<CMoxRewriteListEventParam>()->items;
    ASSERT_EQ(rules.size(), 4u);  // three seeded, then ours
    EXPECT_EQ(rules[3].No, 4);
    EXPECT_EQ(rules[3].RewriteID, sent.RewriteID);
    EXPECT_EQ(rules[3].SourceUrl, NewsRedirect().SourceUrl);
    EXPECT_EQ(rules[3].Flag, 2);
    EXPECT_EQ(rules[3].Note, "a b&c/中");
    EXPECT_TRUE(session.Events().WaitForStatusText("获取转向列表成功"));

    RewriteRule changed = sent;
    changed.Flag = 3;
    changed.Icase = 0;
    ASSERT_TRUE(RewriteManager_Modify(changed));
    auto modified = session.Events().Next(eMoxCacheEvent_RewriteModify);
    ASSERT_TRUE(modified);
    EXPECT_EQ(modified->Status(), 0);
    EXPECT_EQ(modified->As<CMoxRewriteEventParam>()->item.Flag, 3);
    EXPECT_EQ(LastLoggedBody(sim, "rewrite", "modify"),
              head + "&RewriteID=" + sent.RewriteID + urls + "&Icase=0&Flag=3&Note=a%20b%26c%2F%E4%B8%AD");
    EXPECT_TRUE(session.Events().WaitForStatusText("修改转向列表信息成功。"));

    ASSERT_TRUE(RewriteManager_Up(sent.RewriteID));
    auto up = session.Events().Next(eMoxCacheEvent_RewriteMoveUp);
    ASSERT_TRUE(up);
    EXPECT_EQ(up->Status(), 0);
    EXPECT_EQ(up->As<CMoxRewriteEventParam>()->item.RewriteID, sent.RewriteID);
    EXPECT_EQ(LastLoggedBody(sim, "rewrite", "up"), head + "&RewriteID=" + sent.RewriteID);
    EXPECT_TRUE(session.Events().WaitForStatusText("向上移动转向列表匹配排序成功。"));

    ASSERT_TRUE(RewriteManager_Down(sent.RewriteID));
    auto down = session.Events().Next(eMoxCacheEvent_RewriteMoveDown);
    ASSERT_TRUE(down);
    EXPECT_EQ(down->Status(), 0);
    EXPECT_EQ(LastLoggedBody(sim, "rewrite", "down"), head + "&RewriteID=" + sent.RewriteID);
    EXPECT_TRUE(session.Events().WaitForStatusText("向下移动转向列表匹配排序成功。"));

    ASSERT_TRUE(RewriteManager_Del(sent.RewriteID));
    auto deleted = session.Events().Next(eMoxCacheEvent_RewriteDelete);
    ASSERT_TRUE(deleted);
    EXPECT_EQ(deleted->Status(), 0);
    EXPECT_EQ(LastLoggedBody(sim, "rewrite", "del"), head + "&RewriteID=" + sent.RewriteID);
    EXPECT_TRUE(session.Events().WaitForStatusText("删除转向列表信息成功。"));
}

TEST(RewriteRequests, RefusalsAndFailuresReportTheirTexts)
{
    SimProcess sim;
    {
        ConsoleSession keeper(sim.host(), "keeper", "keeper");
        ASSERT_TRUE(RewriteManager_Add(NewsRedirect()));
        auto refused = keeper.Events().Next(eMoxCacheEvent_RewriteAdd);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->Status(), 1);
        EXPECT_EQ(refused->As<CMoxRewriteEventParam>()->errorNo, 22);
        EXPECT_TRUE(keeper.Events().WaitForStatusText("添加转向列表数据失败，监控员没有对系统修改的权限(错误号:22)"));
    }
    ConsoleSession admin(sim.host());
    RewriteRule broken = NewsRedirect();
    broken.SourceUrl = "^http://([";
    ASSERT_TRUE(RewriteManager_Add(broken));
    auto badPattern = admin.Events().Next(eMoxCacheEvent_RewriteAdd);
    ASSERT_TRUE(badPattern);
    EXPECT_EQ(badPattern->Status(), 1);
    EXPECT_EQ(badPattern->As<CMoxRewriteEventParam>()->errorNo, 60);
    EXPECT_TRUE(admin.Events().WaitForStatusText(
        "添加转向列表数据失败，要添加的转向 URL 已经存在或 URL 正则表达式语法错(错误号:60)"));

    sim.addFault(OneShotFault("close", "rewrite", "up"));
    ASSERT_TRUE(RewriteManager_Up("any"));
    auto closed = admin.Events().Next(eMoxCacheEvent_RewriteMoveUp);
    ASSERT_TRUE(closed);
    EXPECT_EQ(closed->Status(), 2);
    EXPECT_EQ(closed->record, nullptr);
    EXPECT_TRUE(admin.Events().WaitForStatusText("向上移动转向列表匹配排序失败，网络链接错误。"));

    sim.addFault(OneShotFault("boolean-return", "rewrite", "list"));
    ASSERT_TRUE(RewriteManager_List());
    auto unreadable = admin.Events().Next(eMoxCacheEvent_RewriteList);
    ASSERT_TRUE(unreadable);
    EXPECT_EQ(unreadable->Status(), 3);
    EXPECT_EQ(unreadable->record, nullptr);

    sim.stop();
    ASSERT_TRUE(RewriteManager_List());
    auto dead = admin.Events().Next(eMoxCacheEvent_RewriteList);
    ASSERT_TRUE(dead);
    EXPECT_EQ(dead->Status(), 2);
    EXPECT_TRUE(admin.Events().WaitForStatusText("获取转向列表数据失败，网络连接错误。"));
}

TEST(RewriteRequests, EveryKeyOfAListElementIsRequired)
{
    CannedAdminServer server;
    ConsoleSession session(server.Host());
    auto list = [&](const Json::Value& reply) {
        server.Answer(Json::writeString(Json::StreamWriterBuilder(), reply));
        EXPECT_TRUE(RewriteManager_List());
        return session.Events().Next(eMoxCacheEvent_RewriteList);
    };
    Json::Value complete;
    for (const char* key : {"NO", "RewriteID", "SourceUrl", "DestinationUrl", "Icase", "Flag"})
        complete[key] = "7";
    complete["Note"] = std::string(700, 'n');
    auto reply = [](const char* count, const Json::Value& lists) {
        Json::Value root;
        root["Return"] = "True";
        root["NumOfLists"] = count;
        root["Lists"] = lists;
        return root;
    };

    Json::Value two(Json::arrayValue);
    two.append(complete);
    two.append(complete);
    auto read = list(reply("3", two));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->Status(), 0);
    ASSERT_EQ(read->As<CMoxRewriteListEventParam>()->items.size(), 2u);
    // Longer than the form allows, still kept whole.
    EXPECT_EQ(read->As<CMoxRewriteListEventParam>()->items[0].Note.size(), 700u);
    EXPECT_EQ(read->As<CMoxRewriteListEventParam>()->items[0].Flag, 7);

    for (const char* key : {"NO", "RewriteID", "SourceUrl", "DestinationUrl", "Icase", "Flag", "Note"}) {
        Json::Value lacking = two;
        lacking[1].removeMember(key);
        auto missing = list(reply("2", lacking));
        ASSERT_TRUE(missing) << key;
        EXPECT_EQ(missing->Status(), 3) << key;
        EXPECT_EQ(missing->record, nullptr) << key;
    }

    auto emptyCount = list(reply("0", two));
    ASSERT_TRUE(emptyCount);
    EXPECT_EQ(emptyCount->Status(), 0);
    EXPECT_TRUE(emptyCount->As<CMoxRewriteListEventParam>()->items.empty());
}

}  // namespace
}  // namespace morvix::test
