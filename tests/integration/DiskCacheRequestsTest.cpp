#include "features/config/CMoxDiskCacheEventParam.h"
#include "features/config/DiskCacheRequests.h"
#include "integration/CannedAdminServer.h"
#include "integration/LoggedRequest.h"
#include "integration/OneShotFault.h"
#include "integration/RequestStep.h"
#include "messaging/EventKinds.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

using morvix::test::ConsoleSession;
using morvix::test::LastLoggedBody;
using morvix::test::OneShotFault;
using morvix::test::SimProcess;

namespace {

class DiskCacheRequests : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};

    std::vector<DiskCacheEntry> Query(int diskNo)
    {
        return morvix::test::AcceptedRead(console.Events(), DiskCacheManager_Query(diskNo), eMoxCacheEvent_DiskCacheRead, &CMoxDiskCacheEventParam::items);
    }
};

}  // namespace

TEST_F(DiskCacheRequests, ListGivesEveryAreaInOrder)
{
    ASSERT_TRUE(DiskCacheManager_List());
    auto list = console.Events().Next(eMoxCacheEvent_DiskCacheRead);
    ASSERT_TRUE(list && list->Status() == 0);
    const std::vector<DiskCacheEntry>& areas = list->As<CMoxDiskCacheEventParam>()->items;
    ASSERT_EQ(areas.size(), 14u);
    EXPECT_EQ(areas[0].DiskNo, 1);
    EXPECT_EQ(areas[0].Path, "/morvix-cache-1");
    EXPECT_EQ(areas[0].Enable, 1);
    EXPECT_EQ(areas[0].Status, 1);
    EXPECT_EQ(areas[0].Note, "SSD 阵列");
    EXPECT_EQ(areas[13].DiskNo, 14);
    EXPECT_TRUE(areas[13].Path.empty());
    EXPECT_TRUE(console.Events().WaitForStatusText("获取硬盘缓存目录配置成功。"));
}

TEST_F(DiskCacheRequests, SetSendsTheAreaAndTheQueryShowsIt)
{
    const DiskCacheEntry area{5, "/data/缓存 5&x", 1, 0, "新盘 & 备注"};
    ASSERT_TRUE(DiskCacheManager_Set(area));
    auto set = console.Events().Next(eMoxCacheEvent_DiskCacheSet);
    ASSERT_TRUE(set && set->Status() == 0);
    EXPECT_EQ(set->As<CMoxDiskCacheEventParam>()->sent.Path, area.Path);
    EXPECT_EQ(set->As<CMoxDiskCacheEventParam>()->sent.DiskNo, 5);
    EXPECT_TRUE(console.Events().WaitForStatusText("设置硬盘缓存目录配置信息成功。"));
    EXPECT_EQ(LastLoggedBody(sim, "diskcache", "set"),
              "SessionID=" + console.SessionId() +
                  "&RequestID=N&DiskNo=5&Path=%2Fdata%2F%E7%BC%93%E5%AD%98%205%26x&Enable=1"
                  "&Note=%E6%96%B0%E7%9B%98%20%26%20%E5%A4%87%E6%B3%A8");

    const std::vector<DiskCacheEntry> queried = Query(5);
    EXPECT_EQ(LastLoggedBody(sim, "diskcache", "query"), "SessionID=" + console.SessionId() + "&RequestID=N&DiskNo=5");
    ASSERT_EQ(queried.size(), 1u);
    EXPECT_EQ(queried[0].Path, area.Path);
    EXPECT_EQ(queried[0].Note, area.Note);
    EXPECT_EQ(queried[0].Status, 1);
}

TEST_F(DiskCacheRequests, RefusalsAndFailures)
{
    ASSERT_TRUE(DiskCacheManager_Set({3, "relative/dir", 1, 0, ""}));
    auto refused = console.Events().Next(eMoxCacheEvent_DiskCacheSet);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->Status(), 1);
    EXPECT_EQ(refused->As<CMoxDiskCacheEventParam>()->errorNo, 23);
    EXPECT_TRUE(console.Events().WaitForStatusText("设置硬盘缓存目录配置信息失败，提交的字段格式错误(错误号:23)。"));

    sim.addFault(OneShotFault("close", "diskcache", "list"));
    ASSERT_TRUE(DiskCacheManager_List());
    auto failed = console.Events().Next(eMoxCacheEvent_DiskCacheRead);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->Status(), 2);
    EXPECT_TRUE(console.Events().WaitForStatusText("连接" + sim.host() + "失败，请检查网络连接是否正常或者会话已过期"));
}

TEST(DiskCacheKeeper, MayReadButNotChange)
{
    SimProcess sim;
    ConsoleSession keeper{sim.host(), "keeper", "keeper"};
    ASSERT_TRUE(DiskCacheManager_Set({1, "/morvix-cache-1", 0, 0, ""}));
    auto refused = keeper.Events().Next(eMoxCacheEvent_DiskCacheSet);
    ASSERT_TRUE(refused && refused->Status() == 1);
    EXPECT_EQ(refused->As<CMoxDiskCacheEventParam>()->errorNo, 22);
}

TEST(DiskCacheReplies, AnAreaWithoutANoteSpoilsTheWholeList)
{
    morvix::test::CannedAdminServer server;
    ConsoleSession console{server.Host()};
    server.Answer(R"({"Return":"True","NumOfLists":"2","Lists":[)"
                  R"({"DiskNo":"1","Path":"/a","Enable":"1","Status":"1","Note":""},)"
                  R"({"DiskNo":"2","Path":"/b","Enable":"1","Status":"1"}]})");
    ASSERT_TRUE(DiskCacheManager_List());
    auto malformed = console.Events().Next(eMoxCacheEvent_DiskCacheRead);
    ASSERT_TRUE(malformed);
    EXPECT_EQ(malformed->Status(), 3);
    EXPECT_EQ(malformed->record, nullptr);

    server.Answer(R"({"Return":"True","NumOfLists":"0"})");
    ASSERT_TRUE(DiskCacheManager_List());
    auto empty = console.Events().Next(eMoxCacheEvent_DiskCacheRead);
    ASSERT_TRUE(empty && empty->Status() == 0);
    EXPECT_TRUE(empty->As<CMoxDiskCacheEventParam>()->items.empty());
}
