#include "features/config/CMoxToolsEventParam.h"
#include "features/config/ToolsRequests.h"
#include "features/monitor/CRealtimeInstantRequestEventParam.h"
#include "integration/LoggedRequest.h"
#include "integration/OneShotFault.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

using morvix::test::ConsoleSession;
using morvix::test::LastLoggedBody;
using morvix::test::OneShotFault;
using morvix::test::SimProcess;

namespace {

class ToolsRequests : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};

    std::optional<morvix::test::EventRecorder::Event> Next(int kind) { return console.Events().Next(kind); }
};

}  // namespace

TEST_F(ToolsRequests, QuestionsTravelEncodedAndAnswersComeBack)
{
    ASSERT_TRUE(ToolsManager_TestCache("/新闻/a b&c.html"));
    auto cache = Next(eMoxCacheEvent_ToolsTestCache);
    ASSERT_TRUE(cache && cache->Status() == 0);
    EXPECT_EQ(cache->As<CMoxToolsEventParam>()->query, "/新闻/a b&c.html");
    EXPECT_EQ(cache->As<CMoxToolsEventParam>()->answer, "14");
    EXPECT_EQ(LastLoggedBody(sim, "tools", "testcache"),
              "SessionID=" + console.SessionId() + "&RequestID=N&Url=%2F%E6%96%B0%E9%97%BB%2Fa%20b%26c.html");

    ASSERT_TRUE(ToolsManager_IpLook("192.168.1.7"));
    auto ip = Next(eMoxCacheEvent_ToolsIpLookup);
    ASSERT_TRUE(ip && ip->Status() == 0);
    EXPECT_EQ(ip->As<CMoxToolsEventParam>()->query, "192.168.1.7");
    EXPECT_EQ(ip->As<CMoxToolsEventParam>()->answer, "局域网");

    ASSERT_TRUE(ToolsManager_IpLook("not an address"));
    auto unknown = Next(eMoxCacheEvent_ToolsIpLookup);
    ASSERT_TRUE(unknown && unknown->Status() == 0);
    EXPECT_EQ(unknown->As<CMoxToolsEventParam>()->answer, "NULL");
    EXPECT_EQ(LastLoggedBody(sim, "tools", "iplook"),
              "SessionID=" + console.SessionId() + "&RequestID=N&IP=not%20an%20address");
}

TEST_F(ToolsRequests, AnExpressionTheServerRefusesIsInvalid)
{
    ASSERT_TRUE(ToolsManager_TestRegex("^/news/[0-9]+\\.html$"));
    auto valid = Next(eMoxCacheEvent_ToolsTestRegex);
    ASSERT_TRUE(valid && valid->Status() == 0);
    EXPECT_EQ(valid->As<CMoxToolsEventParam>()->query, "^/news/[0-9]+\\.html$");

    ASSERT_TRUE(ToolsManager_TestRegex("(unclosed"));
    auto invalid = Next(eMoxCacheEvent_ToolsTestRegex);
    ASSERT_TRUE(invalid);
    EXPECT_EQ(invalid->Status(), 1);
    EXPECT_EQ(invalid->As<CMoxToolsEventParam>()->errorNo, 23);
    EXPECT_EQ(LastLoggedBody(sim, "tools", "testregex"),
              "SessionID=" + console.SessionId() + "&RequestID=N&Regex=(unclosed");
}

TEST_F(ToolsRequests, CachedUrlListArrivesWhole)
{
    ASSERT_TRUE(ToolsManager_CachedUrlList());
    auto list = Next(eMoxCacheEvent_ToolsCachedUrlList);
    ASSERT_TRUE(list && list->Status() == 0);
    const std::string& text = list->As<CRealtimeInstantRequestEventParam>()->Text();
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_EQ(text.find('{'), std::string::npos);
    EXPECT_EQ(text.substr(0, text.find("\r\n")).find('\n'), std::string::npos);
}

TEST_F(ToolsRequests, AnExpiredSessionIsNoListOfUrls)
{
    sim.expireSessions();
    ASSERT_TRUE(ToolsManager_CachedUrlList());
    auto refused = Next(eMoxCacheEvent_ToolsCachedUrlList);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->Status(), 1);
    EXPECT_TRUE(refused->As<CRealtimeInstantRequestEventParam>()->Text().empty());
    EXPECT_TRUE(console.Events().WaitForStatusText("获取所有缓存 Url 列表失败，会话已过期，需重新登录(错误号:21)。"));
    EXPECT_EQ(console.Instance().LastErrorNo(), "21");
}

TEST_F(ToolsRequests, FailedExchangesNameTheServer)
{
    const std::string unreachable = "连接" + sim.host() + "失败，请检查网络连接是否正常或者会话已过期";
    sim.addFault(OneShotFault("close", "tools", "allcachelist"));
    ASSERT_TRUE(ToolsManager_CachedUrlList());
    auto list = Next(eMoxCacheEvent_ToolsCachedUrlList);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Status(), 2);
    EXPECT_EQ(list->param2, 0u);
    EXPECT_TRUE(console.Events().WaitForStatusText(unreachable));

    sim.addFault(OneShotFault("close", "tools", "iplook"));
    ASSERT_TRUE(ToolsManager_IpLook("1.2.3.4"));
    auto ip = Next(eMoxCacheEvent_ToolsIpLookup);
    ASSERT_TRUE(ip);
    EXPECT_EQ(ip->Status(), 2);
    EXPECT_EQ(console.Events().StatusTexts().back(), unreachable);

    sim.addFault(OneShotFault("not-json", "tools", "testcache"));
    ASSERT_TRUE(ToolsManager_TestCache("/x"));
    auto cache = Next(eMoxCacheEvent_ToolsTestCache);
    ASSERT_TRUE(cache);
    EXPECT_EQ(cache->Status(), 3);
    EXPECT_EQ(cache->record, nullptr);
}
