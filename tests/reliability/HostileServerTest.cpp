#include "ShortenedExchangeLimits.h"
#include "integration/OneShotFault.h"
#include "features/cache/FCacheRequests.h"
#include "features/monitor/RealtimeRequests.h"
#include "messaging/EventKinds.h"
#include "protocol/StatusText.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

using morvix::test::ConsoleSession;
using morvix::test::OneShotFault;
using morvix::test::ShortenedExchangeLimits;
using morvix::test::SimProcess;

namespace {

struct HostileReply {
    const char* kind;
    const char* amountKey;
    long long amount;
    int status;
};

// Each ends the exchange while the console holds no more than the shortened cap of 4 MiB.
const HostileReply kHostileReplies[] = {
    {"endless", nullptr, 0, eMoxEventStatus_NetworkError},
    {"gzip-bomb", "bytes", 4LL << 30, eMoxEventStatus_NetworkError},
    {"stall", "ms", 60000, eMoxEventStatus_NetworkError},
    {"deep-nesting", "depth", 1000000, eMoxEventStatus_BadReply},
};

class HostileServer : public ::testing::Test {
protected:
    SimProcess sim;
    ShortenedExchangeLimits limits;
    ConsoleSession console{sim.host()};

    int ListOutcome()
    {
        EXPECT_TRUE(CacheManager_FCacheList());
        const auto event = console.Events().Next(eMoxCacheEvent_FCacheList, std::chrono::seconds(60));
        return event ? event->Status() : -1;
    }
};

TEST_F(HostileServer, EveryHostileReplyEndsInOneOutcome)
{
    for (const HostileReply& hostile : kHostileReplies) {
        SCOPED_TRACE(hostile.kind);
        Json::Value fault = OneShotFault(hostile.kind, "fcache", "list");
        if (hostile.amountKey)
            fault[hostile.amountKey] = static_cast<Json::Int64>(hostile.amount);
        sim.addFault(fault);
        EXPECT_EQ(ListOutcome(), hostile.status);
        const std::vector<std::string> texts = console.Events().StatusTexts();
        ASSERT_FALSE(texts.empty());
        if (hostile.status == eMoxEventStatus_BadReply)
            EXPECT_EQ(texts.back(), nsMoxHttp::kMalformedReplyText);
        else
            EXPECT_NE(texts.back().find("失败"), std::string::npos) << texts.back();
        EXPECT_EQ(ListOutcome(), eMoxEventStatus_Ok) << "the next list after " << hostile.kind;
    }
}

TEST_F(HostileServer, AQuietLiveStreamOutlastsTheStallLimit)
{
    // A rule that no traffic of the simulator meets: the stream stays open and silent.
    CInstantRequestRule rule;
    rule.url = "^http://no-such-host\\.invalid/$";
    rule.rules = 1;
    ASSERT_TRUE(MonitorManager_InstantRequest(rule, "", "", 1));

    Json::Value stall = OneShotFault("stall", "fcache", "list");
    stall["ms"] = 60000;
    sim.addFault(stall);
    // The stalled list was sent after the stream and has ended by the stall limit; the stream,
    // quiet for longer, is still running.
    EXPECT_EQ(ListOutcome(), eMoxEventStatus_NetworkError);
    EXPECT_EQ(console.Events().Count(eMoxCacheEvent_InstantRequest), 0u);
}

}  // namespace
