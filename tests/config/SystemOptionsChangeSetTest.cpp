#include "features/config/SystemOptionsChangeSet.h"
#include "features/config/SystemOptionsReader.h"

#include <gtest/gtest.h>
#include <json/json.h>

namespace {

SystemOptions ServerOptions()
{
    SystemOptions options;
    options.MaxUsableMemSize = 200;
    options.MaxConnections = 5000;
    options.MaxClientSendBuffer = 32;
    options.MaxClientRecvBuffer = 8;
    options.MaxCacheBlockSize = 512;
    options.ClientRequestTimeOut = 16;
    options.MaxUpstreamConnections = 5000;
    options.MaxSessionCacheSize = 100;
    options.IsUsedXForwardedFor = 1;
    options.IsHitCacheForRefresh = 1;
    options.PVRCreatingOption = 1;
    options.PVRCreatingThisTime = 3;
    options.PVRCreatingPeriodTime = 24;
    return options;
}

TEST(SystemOptionsChangeSet, NothingChangedMeansNoPairs)
{
    const SystemOptions server = ServerOptions();
    EXPECT_TRUE(SystemViewChanges(server, server).empty());
    EXPECT_TRUE(DiskTuningChanges(server, server).empty());
    EXPECT_TRUE(TrafficReportChanges(server, server).empty());
}

TEST(SystemOptionsChangeSet, OnlyTheChangedOptionIsSent)
{
    SystemOptions edited = ServerOptions();
    edited.MaxClientRecvBuffer = 16;
    EXPECT_EQ(SystemViewChanges(edited, ServerOptions()), (SystemOptionChangeSet{{"MaxClientRecvBuffer", 16}}));
}

TEST(SystemOptionsChangeSet, SystemViewWritesTheServersSpellingInItsOrder)
{
    SystemOptions edited = ServerOptions();
    edited.UnenableAccessLog = 1;
    edited.IsHitCacheForRefresh = 0;
    edited.IsUsedXForwardedFor = 0;
    edited.ClientRequestTimeOut = 30;
    edited.MaxUsableMemSize = 300;
    // Options the system view does not edit never travel with its save.
    edited.IsRunning = 1;
    edited.PVRCreatingThisTime = 5;
    edited.MinDiskCacheContentSize = 1;

    const SystemOptionChangeSet expected{{"MaxUsableMemSize", 300},  {"ClientRequstTimeOut", 30},
                                         {"IsUsedXForwordedFor", 0}, {"IsHitCacheWhenRefresh", 0},
                                         {"UnenableAccessLog", 1}};
    EXPECT_EQ(SystemViewChanges(edited, ServerOptions()), expected);
}

TEST(SystemOptionsChangeSet, DiskTuningSendsBothOptionsOfAPairedField)
{
    SystemOptions edited = ServerOptions();
    edited.MaxConnections = 8000;
    edited.MaxUpstreamConnections = 8000;
    edited.MinDiskCacheContentSize = 65536;
    edited.MinSizeForActivePageByDiskCache = 65536;
    edited.MaxOpenedFilesByDiskCache = 100;
    edited.MaxClientRecvBuffer = 16;  // not a tuning option

    const SystemOptionChangeSet expected{{"MaxConnections", 8000},
                                         {"MaxUpstreamConnections", 8000},
                                         {"MinDiskCacheContentSize", 65536},
                                         {"MinSizeForActivePageByDiskCache", 65536},
                                         {"MaxOpenedFilesByDiskCache", 100}};
    EXPECT_EQ(DiskTuningChanges(edited, ServerOptions()), expected);

    // The server's upstream limit already matches: only the one that differs goes out.
    SystemOptions server = ServerOptions();
    server.MaxUpstreamConnections = 8000;
    edited = server;
    edited.MaxConnections = 8000;
    EXPECT_EQ(DiskTuningChanges(edited, server), (SystemOptionChangeSet{{"MaxConnections", 8000}}));
}

TEST(SystemOptionsChangeSet, TrafficReportAndSwitches)
{
    SystemOptions edited = ServerOptions();
    edited.PVRCreatingOption = 0;
    edited.PVRCreatingPeriodTime = 48;
    edited.MaxConnections = 1;
    EXPECT_EQ(TrafficReportChanges(edited, ServerOptions()),
              (SystemOptionChangeSet{{"PVRCreatingOption", 0}, {"PVRCreatingPeriodTime", 48}}));

    EXPECT_EQ(SwitchChange(eSystemModify_PageViewStatSwitch, 0), (SystemOptionChange{"IsUsedPageViewStat", 0}));
    EXPECT_EQ(SwitchChange(eSystemModify_MemCacheSwitch, 1), (SystemOptionChange{"IsUsedMemCache", 1}));
    EXPECT_EQ(SwitchChange(eSystemModify_RunningSwitch, 0), (SystemOptionChange{"IsRunning", 0}));
    EXPECT_EQ(SwitchChange(eSystemModify_WhiteListSwitch, 1), (SystemOptionChange{"EnableWhiteList", 1}));
    EXPECT_EQ(SwitchChange(eSystemModify_DiskCacheSwitch, 1), (SystemOptionChange{"IsDiskCache", 1}));
    EXPECT_FALSE(SwitchChange(eSystemModify_FullSave, 1));
}

TEST(SystemOptionsChangeSet, AcceptedPairsLandUnderTheReplysNames)
{
    SystemOptions options = ServerOptions();
    ApplySystemOptionChange(options, "ClientRequstTimeOut", 60);
    ApplySystemOptionChange(options, "IsHitCacheWhenRefresh", 0);
    ApplySystemOptionChange(options, "IsUsedXForwordedFor", 0);
    ApplySystemOptionChange(options, "NoSuchOption", 9);
    EXPECT_EQ(options.ClientRequestTimeOut, 60);
    EXPECT_EQ(options.IsHitCacheForRefresh, 0);
    EXPECT_EQ(options.IsUsedXForwardedFor, 0);
    SystemOptions edited = options;
    EXPECT_TRUE(SystemViewChanges(edited, options).empty());
}

Json::Value Parse(const std::string& text)
{
    Json::Value root;
    EXPECT_TRUE(Json::Reader().parse(text, root));
    return root;
}

TEST(SystemOptionsReader, MissingKeysKeepTheOldValueOrTakeTheirDefault)
{
    SystemOptions options = ServerOptions();
    options.DiskCacheDirectoryDepth = 6;
    options.RatioOfDCIMSAndMUMS = 45;
    options.DNSRedirectBalanceType = 0;
    options.EnableWhiteList = 1;
    options.ReadOnly_TotalPhyMemSizeKB = 99;

    ReadSystemOptions(Parse(R"({"Return":"True","MaxClientRecvBuffer":"16","IsRunning":"1x","MaxConnections":7})"),
                      options);

    EXPECT_EQ(options.MaxClientRecvBuffer, 16);
    EXPECT_EQ(options.IsRunning, 1);
    EXPECT_EQ(options.MaxConnections, 5000) << "a value that is not a string is no value";
    EXPECT_EQ(options.MaxUsableMemSize, 200);
    EXPECT_EQ(options.DiskCacheDirectoryDepth, 4);
    EXPECT_EQ(options.RatioOfDCIMSAndMUMS, 30);
    EXPECT_EQ(options.DNSRedirectBalanceType, 2);
    EXPECT_EQ(options.EnableWhiteList, 0);
    EXPECT_EQ(options.MinSizeForRSCPByDiskCache, 128);
    EXPECT_EQ(options.ReadOnly_TotalPhyMemSizeKB, 0);
}

TEST(SystemOptionsReader, MemoryFiguresKeepTheirFullWidth)
{
    SystemOptions options;
    ReadSystemOptions(Parse(R"({"ReadOnly_TotalPhyMemSizeKB":"4294967296","ReadOnly_FreePhyMemSizeKB":"-5"})"),
                      options);
    EXPECT_EQ(options.ReadOnly_TotalPhyMemSizeKB, 4294967296LL);
    EXPECT_EQ(options.ReadOnly_FreePhyMemSizeKB, -5);
}

}  // namespace
