#include "LoggedRequest.h"
#include "OneShotFault.h"
#include "features/cache/CleanCacheRequests.h"
#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "shell/SayThenSend.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace morvix::test {
namespace {

struct CleanCase {
    const char* type;
    int event;
    std::function<bool(bool withCluster)> send;
    const char* accepted;
};

const CleanCase kStores[] = {
    {"icache", eMoxCacheEvent_CleanSmartCache, CacheManager_CleanSmartCache, "清理已智能缓存的页面成功。"},
    {"fcache", eMoxCacheEvent_CleanCache, CacheManager_CleanPageCache, "清理已缓存的页面成功。"},
    {"allcache", eMoxCacheEvent_CleanAllCache, CacheManager_CleanAllCache, "清理所有已缓存的页面成功。"},
    {"scache", eMoxCacheEvent_CleanSessionCache, CacheManager_CleanSessionCache,
     "清除所有已缓存的登陆验证会话(SessionID)信息成功。"},
};

TEST(CleanCacheRequests, EveryStoreIsCleanedWithOrWithoutTheCluster)
{
    SimProcess sim;
    ConsoleSession session(sim.host());
    const std::string head = "SessionID=" + session.SessionId() + "&RequestID=N";

    for (const CleanCase& store : kStores) {
        for (bool withCluster : {true, false}) {
            ASSERT_TRUE(store.send(withCluster)) << store.type;
            auto cleaned = session.Events().Next(store.event);
            ASSERT_TRUE(cleaned) << store.type;
            EXPECT_EQ(cleaned->Status(), 0) << store.type;
            EXPECT_EQ(cleaned->param2, 0u) << store.type;
            EXPECT_EQ(LastLoggedBody(sim, store.type, "cleancache"),
                      head + "&WithCluster=" + (withCluster ? "1" : "0"));
        }
        EXPECT_TRUE(session.Events().WaitForStatusText(store.accepted)) << store.type;
    }

    ASSERT_TRUE(CacheManager_CleanThisCache("http://www.example.com/a b&c/中*", true, 0, true));
    auto byPattern = session.Events().Next(eMoxCacheEvent_CleanCacheSecondForm);
    ASSERT_TRUE(byPattern);
    EXPECT_EQ(byPattern->Status(), 0);
    EXPECT_EQ(LastLoggedBody(sim, "thiscache", "cleancache"),
              head + "&Url=http%3A%2F%2Fwww.example.com%2Fa%20b%26c%2F%E4%B8%AD*&Icase=1&Rules=0&WithCluster=1");
    ASSERT_TRUE(CacheManager_CleanThisCache("http://www.example.com/page.html", true, 2, false));
    ASSERT_TRUE(session.Events().Next(eMoxCacheEvent_CleanCacheSecondForm));
    EXPECT_EQ(LastLoggedBody(sim, "thiscache", "cleancache"),
              head + "&Url=http%3A%2F%2Fwww.example.com%2Fpage.html&Icase=1&Rules=2&WithCluster=0");
}

TEST(CleanCacheRequests, RefusalsAndFailuresCarryTheErrorNumberInTheEvent)
{
    SimProcess sim;
    {
        ConsoleSession keeper(sim.host(), "keeper", "keeper");
        ASSERT_TRUE(CacheManager_CleanAllCache(false));
        auto refused = keeper.Events().Next(eMoxCacheEvent_CleanAllCache);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->Status(), 1);
        EXPECT_EQ(refused->param2, 22u);
        EXPECT_TRUE(
            keeper.Events().WaitForStatusText("清理所有已缓存的页面失败，监控员没有对系统修改的权限(错误号:22)。"));
    }
    ConsoleSession admin(sim.host());
    ASSERT_TRUE(CacheManager_CleanThisCache("http://www.example.com/([", false, 1, false));
    auto badPattern = admin.Events().Next(eMoxCacheEvent_CleanCacheSecondForm);
    ASSERT_TRUE(badPattern);
    EXPECT_EQ(badPattern->Status(), 1);
    EXPECT_EQ(badPattern->param2, 32u);
    EXPECT_TRUE(admin.Events().WaitForStatusText("清理已缓存的页面失败，要清理的 URL 正则表达式语法错(错误号:32)。"));

    sim.addFault(OneShotFault("no-errorno", "scache", "cleancache"));
    ASSERT_TRUE(CacheManager_CleanSessionCache(false));
    auto unreadable = admin.Events().Next(eMoxCacheEvent_CleanSessionCache);
    ASSERT_TRUE(unreadable);
    EXPECT_EQ(unreadable->Status(), 3);
    EXPECT_TRUE(admin.Events().WaitForStatusText("数据格式错误，返回的Json数据格式解析错误!"));

    sim.stop();
    ASSERT_TRUE(CacheManager_CleanSessionCache(true));
    auto dead = admin.Events().Next(eMoxCacheEvent_CleanSessionCache);
    ASSERT_TRUE(dead);
    EXPECT_EQ(dead->Status(), 2);
    EXPECT_TRUE(admin.Events().WaitForStatusText("清除已缓存的登陆验证会话(SessionID)信息失败，网络连接错误。"));
}

}  // namespace

// A reply may be answered before the sending thread says what it sent; the outcome stays shown.
TEST(CleanCacheRequests, AnOutcomeFasterThanTheProgressTextStaysShown)
{
    SimProcess sim;
    ConsoleSession session(sim.host());
    SayThenSend("正在清理...", [] { return GlobalFunc_UpdateStatusBar("清理成功。"); });
    const auto shown = [&](const std::string& text) {
        const std::vector<std::string> texts = session.Events().StatusTexts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    ASSERT_TRUE(WaitUntil([&] { return shown("正在清理...") && shown("清理成功。"); }));
    EXPECT_EQ(session.Events().StatusTexts().back(), "清理成功。");
}

}  // namespace morvix::test
