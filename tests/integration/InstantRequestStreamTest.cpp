#include "features/monitor/CRealtimeInstantRequestEventParam.h"
#include "features/monitor/RealtimeRequests.h"
#include "features/monitor/RthRequests.h"
#include "integration/LoggedRequest.h"
#include "integration/OneShotFault.h"
#include "messaging/EventKinds.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"
#include "support/WaitUntil.h"
#include "transport/CMoxHttpManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using morvix::test::ConsoleSession;
using morvix::test::LastLoggedBody;
using morvix::test::OneShotFault;
using morvix::test::SimProcess;

namespace {

constexpr int kRun = 7;

CInstantRequestRule PortalRule()
{
    CInstantRequestRule rule;
    rule.url = "http://www.example.com/*";
    rule.location = true;
    rule.dateTime = true;
    return rule;
}

class InstantRequestStream : public ::testing::Test {
protected:
    SimProcess sim{{"--stream-rate", "0"}};
    ConsoleSession console{sim.host()};

    struct Run {
        std::vector<std::string> pieces;
        bool ended = false;
    };

    // Every piece of one run up to its final event.
    Run Collect()
    {
        Run run;
        while (auto event = console.Events().Next(eMoxCacheEvent_InstantRequest)) {
            if (event->Status() == 2) {
                EXPECT_EQ(event->record, nullptr);
                run.ended = true;
                break;
            }
            EXPECT_EQ(event->Status(), 0);
            const auto* piece = event->As<CRealtimeInstantRequestEventParam>();
            EXPECT_NE(piece, nullptr);
            if (!piece)
                break;
            EXPECT_EQ(piece->RunNumber(), kRun);
            run.pieces.push_back(piece->Text());
        }
        return run;
    }

    static std::vector<std::string> Lines(const Run& run)
    {
        std::vector<std::string> lines;
        for (const std::string& piece : run.pieces) {
            // Only whole lines are handed on.
            EXPECT_EQ(piece.substr(piece.size() - 2), "\r\n");
            std::size_t start = 0;
            for (std::size_t end; (end = piece.find("\r\n", start)) != std::string::npos; start = end + 2)
                lines.push_back(piece.substr(start, end - start));
        }
        return lines;
    }
};

TEST_F(InstantRequestStream, FilteredRunDeliversItsLinesThenEnds)
{
    sim.addFault([] {
        Json::Value fault = OneShotFault("cut-stream", "realtime", "instantrequest");
        fault["lines"] = 6;
        return fault;
    }());
    const auto stream = MonitorManager_InstantRequest(PortalRule(), "10.0.0.0", "10.255.255.255", kRun);
    ASSERT_TRUE(stream.IsSent());
    const Run run = Collect();
    EXPECT_TRUE(run.ended);
    const std::vector<std::string> lines = Lines(run);
    ASSERT_EQ(lines.size(), 6u);
    for (const std::string& line : lines)
        EXPECT_NE(line.find("www.example.com"), std::string::npos) << line;

    EXPECT_EQ(LastLoggedBody(sim, "realtime", "instantrequest"),
              "SessionID=" + console.SessionId() +
                  "&RequestID=N&RequestUrl=http%3A%2F%2Fwww.example.com%2F*&Icase=1&Rules=0&Location=1&DateTime=1"
                  "&HitCache=1&UserAgent=0&InvalidRequest=0&HitMemberCache=0&IPLow=10.0.0.0&IPHigh=10.255.255.255");
}

TEST_F(InstantRequestStream, WithoutARangeNoAddressKeysAreSent)
{
    sim.addFault([] {
        Json::Value fault = OneShotFault("cut-stream", "realtime", "instantrequest");
        fault["lines"] = 1;
        return fault;
    }());
    CInstantRequestRule rule = PortalRule();
    rule.url = "http://www.example.com/新闻 a&b/*";
    rule.rules = 2;
    const auto stream = MonitorManager_InstantRequest(rule, "", "", kRun);
    ASSERT_TRUE(stream.IsSent());
    EXPECT_TRUE(Collect().ended);
    EXPECT_EQ(LastLoggedBody(sim, "realtime", "instantrequest"),
              "SessionID=" + console.SessionId() +
                  "&RequestID=N&RequestUrl=http%3A%2F%2Fwww.example.com%2F%E6%96%B0%E9%97%BB%20a%26b%2F*&Icase=1"
                  "&Rules=2&Location=1&DateTime=1&HitCache=1&UserAgent=0&InvalidRequest=0&HitMemberCache=0");
}

TEST_F(InstantRequestStream, BrokenConnectionEndsTheRunWithoutAHalfLine)
{
    sim.addFault(OneShotFault("reset", "realtime", "instantrequest"));
    const auto stream = MonitorManager_InstantRequest(PortalRule(), "", "", kRun);
    ASSERT_TRUE(stream.IsSent());
    const Run run = Collect();
    EXPECT_TRUE(run.ended);
    const std::vector<std::string> lines = Lines(run);
    EXPECT_FALSE(lines.empty());
    for (const std::string& line : lines)
        EXPECT_NE(line.find("www.example.com"), std::string::npos) << line;
}

TEST_F(InstantRequestStream, RefusedStreamStillEnds)
{
    sim.expireSessions();
    const auto stream = MonitorManager_InstantRequest(PortalRule(), "", "", kRun);
    ASSERT_TRUE(stream.IsSent());
    const Run run = Collect();
    EXPECT_TRUE(run.ended);
}

TEST_F(InstantRequestStream, AStoppedStreamDeliversNothingMoreAndEndsNoRun)
{
    auto stream = MonitorManager_InstantRequest(PortalRule(), "", "", kRun);
    ASSERT_TRUE(console.Events().Next(eMoxCacheEvent_InstantRequest)) << "no line before the stop";
    stream.Stop();
    EXPECT_FALSE(stream.IsSent());

    // Events are delivered in posting order: whatever the stream posted before the stop comes
    // before the first list, and nothing may come after it.
    ASSERT_TRUE(MonitorManager_RthList());
    ASSERT_TRUE(console.Events().Next(eMoxCacheEvent_RthList));
    const std::size_t seen = console.Events().Count(eMoxCacheEvent_InstantRequest);
    ASSERT_TRUE(MonitorManager_RthList());
    ASSERT_TRUE(console.Events().Next(eMoxCacheEvent_RthList));
    EXPECT_EQ(console.Events().Count(eMoxCacheEvent_InstantRequest), seen);
    for (const auto& event : console.Events().Events()) {
        if (event.kind == eMoxCacheEvent_InstantRequest) {
            EXPECT_EQ(event.Status(), 0) << "a stopped stream reported an end";
        }
    }
    EXPECT_TRUE(morvix::test::WaitUntil(
        [] { return nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges() == 0; }));
}

}  // namespace
