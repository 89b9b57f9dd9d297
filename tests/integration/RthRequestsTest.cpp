#include "features/monitor/PasswordRequests.h"
#include "features/monitor/RthEvents.h"
#include "features/monitor/RthRequests.h"
#include "integration/CannedAdminServer.h"
#include "integration/LoggedRequest.h"
#include "integration/OneShotFault.h"
#include "integration/RequestStep.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

using morvix::test::CannedAdminServer;
using morvix::test::ConsoleSession;
using morvix::test::LastLoggedBody;
using morvix::test::OneShotFault;
using morvix::test::SimProcess;

namespace {

RthRecord NewsRecord()
{
    RthRecord record;
    record.Title = "新闻 a&b/c";
    record.RequestUrl = "http://news.example.com/a b&c/中*";
    record.Icase = 0;
    record.Rules = 2;
    record.DateTime = 1;
    record.UserAgent = 1;
    return record;
}

class RthRequests : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};

    std::vector<RthRecord> List()
    {
        return morvix::test::AcceptedRead(console.Events(), MonitorManager_RthList(), eMoxCacheEvent_RthList, &CMoxRTHListEventParam::items);
    }
};

TEST_F(RthRequests, AddListDeleteWithExactBodies)
{
    ASSERT_TRUE(MonitorManager_RthAdd(NewsRecord()));
    auto added = console.Events().Next(eMoxCacheEvent_RthAdd);
    ASSERT_TRUE(added && added->Status() == 0);
    EXPECT_EQ(added->As<CMoxRTHEventParam>()->item.RequestUrl, NewsRecord().RequestUrl);
    EXPECT_TRUE(console.Events().WaitForStatusText("添加实时访问监控记录成功。"));
    EXPECT_EQ(LastLoggedBody(sim, "rth", "add"),
              "SessionID=" + console.SessionId() +
                  "&RequestID=N&Title=%E6%96%B0%E9%97%BB%20a%26b%2Fc"
                  "&RequestUrl=http%3A%2F%2Fnews.example.com%2Fa%20b%26c%2F%E4%B8%AD*&Icase=0&Rules=2&Location=0"
                  "&DateTime=1&HitCache=0&UserAgent=1&InvalidRequest=0&HitMemberCache=0");

    std::vector<RthRecord> records = List();
    ASSERT_FALSE(records.empty());
    const RthRecord& listed = records.back();
    EXPECT_EQ(listed.No, static_cast<int>(records.size()));
    EXPECT_EQ(listed.Title, "新闻 a&b/c");
    EXPECT_EQ(listed.RequestUrl, NewsRecord().RequestUrl);
    EXPECT_EQ(listed.Rules, 2);
    EXPECT_EQ(listed.Icase, 0);
    EXPECT_EQ(listed.UserAgent, 1);
    EXPECT_EQ(listed.HitCache, 0);

    ASSERT_TRUE(MonitorManager_RthDel(listed.RequestUrl));
    auto deleted = console.Events().Next(eMoxCacheEvent_RthDelete);
    ASSERT_TRUE(deleted && deleted->Status() == 0);
    EXPECT_TRUE(console.Events().WaitForStatusText("删除实时访问监控记录成功。"));
    EXPECT_EQ(LastLoggedBody(sim, "rth", "del"),
              "SessionID=" + console.SessionId() +
                  "&RequestID=N&RequestUrl=http%3A%2F%2Fnews.example.com%2Fa%20b%26c%2F%E4%B8%AD*");
    EXPECT_EQ(List().size(), records.size() - 1);
}

TEST_F(RthRequests, RefusalsAndFailuresCarryTheirTexts)
{
    ASSERT_TRUE(MonitorManager_RthDel("http://nowhere.example.com/*"));
    auto missing = console.Events().Next(eMoxCacheEvent_RthDelete);
    ASSERT_TRUE(missing && missing->Status() == 1);
    EXPECT_EQ(missing->As<CMoxRTHEventParam>()->errorNo, 90);
    EXPECT_TRUE(console.Events().WaitForStatusText(
        "删除实时访问监控记录失败，要监控的分量统计配置已不存在(错误号:90)。"));

    sim.addFault(OneShotFault("close", "rth", "list"));
    ASSERT_TRUE(MonitorManager_RthList());
    auto failed = console.Events().Next(eMoxCacheEvent_RthList);
    ASSERT_TRUE(failed && failed->Status() == 2);
    EXPECT_EQ(failed->record, nullptr);
    EXPECT_TRUE(console.Events().WaitForStatusText("获取实时访问监控记录列表失败，网络连接错误。"));

    sim.addFault(OneShotFault("busy", "rth", "add"));
    ASSERT_TRUE(MonitorManager_RthAdd(NewsRecord()));
    auto busy = console.Events().Next(eMoxCacheEvent_RthAdd);
    ASSERT_TRUE(busy && busy->Status() == 1);
    EXPECT_TRUE(console.Events().WaitForStatusText("添加实时访问监控记录失败，服务器忙(错误号:10)。"));
}

TEST(RthKeeper, MayNotAdd)
{
    SimProcess sim;
    ConsoleSession keeper(sim.host(), "keeper", "keeper");
    ASSERT_TRUE(MonitorManager_RthAdd(NewsRecord()));
    auto refused = keeper.Events().Next(eMoxCacheEvent_RthAdd);
    ASSERT_TRUE(refused && refused->Status() == 1);
    EXPECT_EQ(refused->As<CMoxRTHEventParam>()->errorNo, 22);
}

TEST(RthReplies, ElementMissingAKeySpoilsTheWholeList)
{
    CannedAdminServer server;
    ConsoleSession console(server.Host());
    server.Answer(R"({"Return":"True","NumOfLists":"2","Lists":[)"
                  R"({"NO":"1","Title":"a","RequestUrl":"u1","Icase":"1","Rules":"0","Location":"0","DateTime":"0",)"
                  R"("HitCache":"1","UserAgent":"0","InvalidRequest":"0","HitMemberCache":"0"},)"
                  R"({"NO":"2","Title":"b","RequestUrl":"u2","Icase":"1","Rules":"0","Location":"0","DateTime":"0",)"
                  R"("UserAgent":"0","InvalidRequest":"0","HitMemberCache":"0"}]})");
    ASSERT_TRUE(MonitorManager_RthList());
    auto malformed = console.Events().Next(eMoxCacheEvent_RthList);
    ASSERT_TRUE(malformed);
    EXPECT_EQ(malformed->Status(), 3);
    EXPECT_EQ(malformed->record, nullptr);

    server.Answer(R"({"Return":"True","NumOfLists":"0"})");
    ASSERT_TRUE(MonitorManager_RthList());
    auto empty = console.Events().Next(eMoxCacheEvent_RthList);
    ASSERT_TRUE(empty && empty->Status() == 0);
    EXPECT_TRUE(empty->As<CMoxRTHListEventParam>()->items.empty());
}

TEST_F(RthRequests, PasswordChangeKeepsTheSignedInAccountsPassword)
{
    ASSERT_TRUE(UserManager_ChangePassword(eMoxRole_Keeper, "新密码 a&b/c"));
    auto changed = console.Events().Next(eMoxCacheEvent_PasswordChanged);
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->Status(), 0);
    EXPECT_TRUE(console.Events().WaitForStatusText("修改用户密码成功。"));
    EXPECT_EQ(LastLoggedBody(sim, "user", "passwd"),
              "SessionID=" + console.SessionId() +
                  "&RequestID=N&Username=keeper&Password=%E6%96%B0%E5%AF%86%E7%A0%81%20a%26b%2Fc");
    // Another account's password: the one kept for signing in again stays.
    EXPECT_EQ(console.Instance().Password(), "admin");
    EXPECT_NO_THROW(sim.signIn("keeper", "新密码 a&b/c"));

    ASSERT_TRUE(UserManager_ChangePassword(eMoxRole_Admin, "s3cret"));
    auto own = console.Events().Next(eMoxCacheEvent_PasswordChanged);
    ASSERT_TRUE(own && own->Status() == 0);
    EXPECT_EQ(console.Instance().Password(), "s3cret");
}

TEST(RthKeeper, MayNotChangePasswords)
{
    SimProcess sim;
    ConsoleSession keeper(sim.host(), "keeper", "keeper");
    ASSERT_TRUE(UserManager_ChangePassword(eMoxRole_Keeper, "other"));
    auto refused = keeper.Events().Next(eMoxCacheEvent_PasswordChanged);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->Status(), 1);
    EXPECT_EQ(refused->param2, 22u);
    EXPECT_TRUE(keeper.Events().WaitForStatusText("修改用户密码失败，监控员没有对系统修改的权限(错误号:22)。"));
    EXPECT_EQ(keeper.Instance().Password(), "keeper");

    sim.addFault(OneShotFault("close", "user", "passwd"));
    ASSERT_TRUE(UserManager_ChangePassword(eMoxRole_Keeper, "other"));
    auto failed = keeper.Events().Next(eMoxCacheEvent_PasswordChanged);
    ASSERT_TRUE(failed && failed->Status() == 2);
    EXPECT_TRUE(keeper.Events().WaitForStatusText("修改用户密码失败，网络连接错误。"));
}

}  // namespace
