#include "features/config/CMoxClusterEventParam.h"
#include "features/config/ClusterRequests.h"
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

class ClusterRequests : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};

    int Modify(const ClusterConfig& config)
    {
        EXPECT_TRUE(ClusterManager_Modify(config));
        auto event = console.Events().Next(eMoxCacheEvent_ClusterConfigSet);
        EXPECT_TRUE(event);
        if (event && event->Status() == 0) {
            EXPECT_EQ(event->As<CMoxClusterEventParam>()->config.Role, config.Role);
        }
        return event ? event->Status() : -1;
    }

    ClusterConfig Get()
    {
        return morvix::test::AcceptedRead(console.Events(), ClusterManager_Get(), eMoxCacheEvent_ClusterConfigRead, &CMoxClusterEventParam::config);
    }
};

ClusterConfig Master()
{
    ClusterConfig config;
    config.Role = 1;
    config.Binding = 7780;
    config.Auth = "0A1B2C3D4E5F60718293A4B5C6D7E8F9";
    return config;
}

}  // namespace

TEST_F(ClusterRequests, EachRoleSendsItsOwnForm)
{
    EXPECT_EQ(Modify(Master()), 0);
    EXPECT_EQ(LastLoggedBody(sim, "cluster", "modify"),
              "SessionID=" + console.SessionId() +
                  "&RequestID=N&Role=1&Binding=7780&Auth=0A1B2C3D4E5F60718293A4B5C6D7E8F9&Note=");
    EXPECT_TRUE(console.Events().WaitForStatusText("修改集群配置项成功。"));
    ClusterConfig read = Get();
    EXPECT_EQ(read.Role, 1);
    EXPECT_EQ(read.Binding, 7780);
    EXPECT_EQ(read.Auth, Master().Auth);
    EXPECT_TRUE(console.Events().WaitForStatusText("获得本服务器的集群配置成功"));

    ClusterConfig slave;
    slave.Role = 2;
    slave.Host = "10.0.0.1:7780";
    slave.Auth = "serial";
    slave.SlaveID = "华东 一号";
    EXPECT_EQ(Modify(slave), 0);
    EXPECT_EQ(LastLoggedBody(sim, "cluster", "modify"),
              "SessionID=" + console.SessionId() +
                  "&RequestID=N&Role=2&Host=10.0.0.1:7780&Auth=serial"
                  "&SlaveID=%E5%8D%8E%E4%B8%9C%20%E4%B8%80%E5%8F%B7&Note=");
    read = Get();
    EXPECT_EQ(read.Role, 2);
    EXPECT_EQ(read.Host, "10.0.0.1:7780");
    EXPECT_EQ(read.SlaveID, "华东 一号");

    EXPECT_EQ(Modify(ClusterConfig{}), 0);
    EXPECT_EQ(LastLoggedBody(sim, "cluster", "modify"), "SessionID=" + console.SessionId() + "&RequestID=N&Role=0");
    EXPECT_EQ(Get().Role, 0);
}

TEST_F(ClusterRequests, StatusOfAMasterListsItsSlaves)
{
    EXPECT_EQ(Modify(Master()), 0);
    ASSERT_TRUE(ClusterManager_Status());
    auto status = console.Events().Next(eMoxCacheEvent_ClusterStatusRead);
    ASSERT_TRUE(status && status->Status() == 0);
    const CMoxClusterEventParam& record = *status->As<CMoxClusterEventParam>();
    EXPECT_EQ(record.config.Role, 1);
    for (const ClusterConfig& slave : record.slaves) {
        EXPECT_FALSE(slave.Host.empty());
        EXPECT_FALSE(slave.LoginTime.empty());
    }
    EXPECT_TRUE(console.Events().WaitForStatusText("获得本服务器的集群状态成功"));
}

TEST_F(ClusterRequests, RefusalsAndFailures)
{
    ClusterConfig badPort = Master();
    badPort.Binding = 0;
    EXPECT_EQ(Modify(badPort), 1);
    EXPECT_TRUE(console.Events().WaitForStatusText("修改集群配置项失败，提交的字段格式错误(错误号:23)。"));

    sim.addFault(OneShotFault("close", "cluster", "modify"));
    EXPECT_EQ(Modify(Master()), 2);
    EXPECT_TRUE(console.Events().WaitForStatusText("连接" + sim.host() + "失败，请检查网络连接是否正常或者会话已过期"));

    sim.addFault(OneShotFault("close", "cluster", "get"));
    ASSERT_TRUE(ClusterManager_Get());
    auto failed = console.Events().Next(eMoxCacheEvent_ClusterConfigRead);
    ASSERT_TRUE(failed && failed->Status() == 2);
    EXPECT_TRUE(console.Events().WaitForStatusText("获得本服务器的集群配置失败，网络连接失败或会话已过期"));

    sim.addFault(OneShotFault("not-json", "cluster", "get"));
    ASSERT_TRUE(ClusterManager_Get());
    auto malformed = console.Events().Next(eMoxCacheEvent_ClusterConfigRead);
    ASSERT_TRUE(malformed && malformed->Status() == 3);
    EXPECT_TRUE(console.Events().WaitForStatusText("数据格式错误，返回的Json数据格式解析失败!"));
}

TEST(ClusterKeeper, MayReadButNotChange)
{
    SimProcess sim;
    ConsoleSession keeper{sim.host(), "keeper", "keeper"};
    ASSERT_TRUE(ClusterManager_Modify(Master()));
    auto refused = keeper.Events().Next(eMoxCacheEvent_ClusterConfigSet);
    ASSERT_TRUE(refused && refused->Status() == 1);
    EXPECT_EQ(refused->As<CMoxClusterEventParam>()->errorNo, 22);
}

TEST(ClusterReplies, RequiredKeysMissingMakeTheReplyMalformed)
{
    morvix::test::CannedAdminServer server;
    ConsoleSession console{server.Host()};

    server.Answer(R"({"Return":"True","Role":"1","Auth":"s"})");
    ASSERT_TRUE(ClusterManager_Get());
    auto noPort = console.Events().Next(eMoxCacheEvent_ClusterConfigRead);
    ASSERT_TRUE(noPort);
    EXPECT_EQ(noPort->Status(), 3);
    EXPECT_EQ(noPort->record, nullptr);

    server.Answer(R"({"Return":"True","Role":"1","Lists":[)"
                  R"({"NO":"1","SlaveID":"a","IP":"10.0.0.2","LoginTime":"t","SlaveStatus":"4","Note":""},)"
                  R"({"NO":"2","SlaveID":"b","IP":"10.0.0.3","SlaveStatus":"4","Note":""}]})");
    ASSERT_TRUE(ClusterManager_Status());
    auto noLoginTime = console.Events().Next(eMoxCacheEvent_ClusterStatusRead);
    ASSERT_TRUE(noLoginTime);
    EXPECT_EQ(noLoginTime->Status(), 3);

    server.Answer(R"({"Return":"True","Role":"1","Lists":[]})");
    ASSERT_TRUE(ClusterManager_Status());
    auto empty = console.Events().Next(eMoxCacheEvent_ClusterStatusRead);
    ASSERT_TRUE(empty && empty->Status() == 0);
    EXPECT_TRUE(empty->As<CMoxClusterEventParam>()->slaves.empty());
}
