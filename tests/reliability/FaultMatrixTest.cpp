#include "ShortenedExchangeLimits.h"
#include "integration/OneShotFault.h"
#include "messaging/EventKinds.h"
#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"
#include "protocol/StatusText.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/MoxLogin.h"
#include "shell/WaitForQuiet.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <map>
#include <sstream>

using morvix::test::ConsoleSession;
using morvix::test::EventRecorder;
using morvix::test::OneShotFault;
using morvix::test::ShortenedExchangeLimits;
using morvix::test::SimProcess;
using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

namespace {

// One representative request of each reply-callback family, and the live stream.
struct Family {
    const char* name;
    const char* type;
    const char* cmd;
    int kind;
    int event;
    bool stream;
    std::string_view malformedText = nsMoxHttp::kMalformedReplyText;
};

// The cluster's own Part words its malformed reply differently.
constexpr std::string_view kClusterMalformedText = "数据格式错误，返回的Json数据格式解析失败!";

const Family kFamilies[] = {
    {"Http", "tools", "iplook", eReq_ToolsIpLook, 89, false},
    {"FCache", "fcache", "list", eReq_FCacheList, 7, false},
    {"RCache", "rcache", "list", eReq_RCacheList, 14, false},
    {"CleanCache", "icache", "cleancache", eReq_CleanSmartCache, 20, false},
    {"SCache", "scache", "list", eReq_SCacheList, 70, false},
    {"Rewrite", "rewrite", "list", eReq_RewriteList, 25, false},
    {"Black", "black", "list", eReq_BlackList, 42, false},
    {"HostManager", "proxy", "list", eReq_ProxyList, 53, false},
    {"Rth", "rth", "list", eReq_RthList, 83, false},
    {"Cluster", "cluster", "get", eReq_ClusterGet, 93, false, kClusterMalformedText},
    {"DiskCache", "diskcache", "list", eReq_DiskCacheList, 96, false},
    {"Dns", "dns", "redirect-list", eReq_DnsRedirectList, 100, false},
    {"Http stream", "realtime", "instantrequest", eReq_InstantRequest, 82, true},
};

// One fault of the simulator and the status 4.1 gives it. A live stream ends with status 2
// whatever ended it, after the lines it delivered.
struct FaultColumn {
    const char* kind;
    int status;
};

const FaultColumn kFaults[] = {
    {"delay", eMoxEventStatus_NetworkError},  // past the stall limit
    {"close", eMoxEventStatus_NetworkError},
    {"reset", eMoxEventStatus_NetworkError},
    {"http-500", eMoxEventStatus_BadReply},
    {"not-json", eMoxEventStatus_BadReply},
    {"boolean-return", eMoxEventStatus_BadReply},
    {"no-errorno", eMoxEventStatus_BadReply},
    {"busy", eMoxEventStatus_ServerError},
    {"expire-sessions", eMoxEventStatus_ServerError},
    {"cut-stream", eMoxEventStatus_Ok},  // only a stream is cut; other replies are whole
};

RequestValues ValuesOf(const Family& family)
{
    RequestValues values;
    values.Set("IP", "10.0.0.1").Set("WithCluster", 0);
    if (family.stream) {
        values.Set("RequestUrl", "http://www.example.com/*");
        for (const char* flag : {"Icase", "Rules", "Location", "DateTime", "HitCache", "UserAgent", "InvalidRequest",
                                 "HitMemberCache"})
            values.Set(flag, 0);
    }
    return values;
}

Json::Value FaultFor(const Family& family, const FaultColumn& column)
{
    Json::Value fault = OneShotFault(column.kind, family.type, family.cmd);
    if (std::string(column.kind) == "delay")
        fault["ms"] = 6000;
    if (std::string(column.kind) == "cut-stream")
        fault["lines"] = 3;
    return fault;
}

void PrintTo(const Family& family, std::ostream* out)
{
    *out << family.name;
}

// Each cell's observed status, printed as the matrix once every row has run.
std::map<std::string, std::map<std::string, int>>& Observed()
{
    static std::map<std::string, std::map<std::string, int>> observed;
    return observed;
}

class MatrixPrinter : public ::testing::Environment {
public:
    void TearDown() override
    {
        std::ostringstream table;
        table << std::left << std::setw(12) << "family";
        for (const FaultColumn& column : kFaults)
            table << ' ' << std::setw(15) << column.kind;
        table << '\n';
        for (const Family& family : kFamilies) {
            const auto row = Observed().find(family.name);
            if (row == Observed().end())
                continue;
            table << std::setw(12) << family.name;
            for (const FaultColumn& column : kFaults) {
                const auto cell = row->second.find(column.kind);
                table << ' ' << std::setw(15) << (cell == row->second.end() ? "-" : std::to_string(cell->second));
            }
            table << '\n';
        }
        std::cout << "Fault matrix (completion status per family and fault):\n" << table.str();
    }
};

const auto* const kPrinter = ::testing::AddGlobalTestEnvironment(new MatrixPrinter);

// The completion events of one request, waiting for the one that ends it.
int Completion(EventRecorder& events, const Family& family)
{
    while (auto event = events.Next(family.event, std::chrono::seconds(20))) {
        if (family.stream && event->Status() == eMoxEventStatus_Ok)
            continue;  // a line of the stream
        return event->Status();
    }
    return -1;
}

std::size_t Completions(EventRecorder& events, const Family& family)
{
    std::size_t count = 0;
    for (const EventRecorder::Event& event : events.Events())
        count += event.kind == family.event && !(family.stream && event.Status() == eMoxEventStatus_Ok);
    return count;
}

class FaultMatrix : public ::testing::TestWithParam<Family> {
protected:
    SimProcess sim{{"--stream-rate", "0"}};
    ShortenedExchangeLimits limits;

    // Sends the family's request and checks that exactly one completion with its status text follows.
    int SendAndJudge(ConsoleSession& console, const Family& family, std::size_t completionsBefore)
    {
        const std::size_t textsBefore = console.Events().StatusTexts().size();
        EXPECT_TRUE(CMoxCacheProtocol::GetProtocol().Send(family.kind, ValuesOf(family)));
        const int status = Completion(console.Events(), family);
        EXPECT_TRUE(WaitForQuiet(std::chrono::seconds(20)));
        EXPECT_EQ(Completions(console.Events(), family), completionsBefore + 1) << "exactly one completion";
        const std::vector<std::string> texts = console.Events().StatusTexts();
        const bool failure = status == eMoxEventStatus_NetworkError || status == eMoxEventStatus_ServerError;
        if (family.stream || (status != eMoxEventStatus_BadReply && !failure))
            return status;
        EXPECT_GT(texts.size(), textsBefore) << "a status text";
        if (texts.size() == textsBefore)
            return status;
        if (status == eMoxEventStatus_BadReply)
            EXPECT_EQ(texts.back(), family.malformedText);
        else
            EXPECT_NE(texts.back().find("失败"), std::string::npos) << texts.back();
        return status;
    }
};

TEST_P(FaultMatrix, EveryFaultEndsInOneOutcomeAndTheNextRequestSucceeds)
{
    const Family& family = GetParam();
    for (const FaultColumn& column : kFaults) {
        SCOPED_TRACE(std::string(family.name) + " × " + column.kind);
        ConsoleSession console(sim.host());
        // A stream at full rate ends only where it is cut.
        if (family.stream)
            sim.addFault(FaultFor(family, {"cut-stream", 0}));
        sim.addFault(FaultFor(family, column));
        const int status = SendAndJudge(console, family, 0);
        Observed()[family.name][column.kind] = status;
        EXPECT_EQ(status, family.stream ? eMoxEventStatus_NetworkError : column.status);

        if (std::string(column.kind) == "expire-sessions") {
            EventRecorder login;
            ASSERT_TRUE(MoxLogin(sim.host(), eMoxRole_Admin, "admin"));
            ASSERT_TRUE(login.Next(eMoxCacheEvent_LoginOk));
            ASSERT_TRUE(WaitForQuiet(std::chrono::seconds(20)));
        }
        if (family.stream)
            sim.addFault(FaultFor(family, {"cut-stream", 0}));
        EXPECT_EQ(SendAndJudge(console, family, 1), family.stream ? eMoxEventStatus_NetworkError : eMoxEventStatus_Ok)
            << "the request after the fault";
    }
}

INSTANTIATE_TEST_SUITE_P(Families, FaultMatrix, ::testing::ValuesIn(kFamilies),
                         [](const ::testing::TestParamInfo<Family>& info) {
                             std::string name = info.param.name;
                             std::erase(name, ' ');
                             return name;
                         });

}  // namespace
