#include "features/cache/CleanCacheRequests.h"
#include "features/monitor/RealtimeRequests.h"
#include "integration/OneShotFault.h"
#include "messaging/EventKinds.h"
#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

using morvix::test::ConsoleSession;
using morvix::test::OneShotFault;
using morvix::test::SimProcess;
using morvix::test::WaitUntil;
using namespace std::chrono_literals;

namespace {

constexpr char kRealtimeRead[] = "type=realtime&cmd=list";
constexpr char kCleanChange[] = "type=icache&cmd=cleancache";

// The connection (client address and port) of each logged request with this query, oldest first.
std::vector<std::string> PeersOf(SimProcess& sim, const std::string& query)
{
    std::vector<std::string> peers;
    for (const Json::Value& request : sim.requests())
        if (request["query"].asString() == query)
            peers.push_back(request["peer"].asString());
    return peers;
}

class ConnectionReuse : public ::testing::Test {
protected:
    // Sends one request and waits for its completion; returns when the exchange has ended.
    void Exchange(const std::function<bool()>& send, int completion, int status = 0)
    {
        ASSERT_TRUE(send());
        const auto event = console.Events().Next(completion);
        ASSERT_TRUE(event);
        EXPECT_EQ(event->Status(), status);
        lastEnd = std::chrono::steady_clock::now();
    }

    // Lets the connection the last exchange left behind lie idle for this long.
    void IdleFor(std::chrono::milliseconds idle)
    {
        const auto until = lastEnd + idle;
        ASSERT_TRUE(WaitUntil([&] { return std::chrono::steady_clock::now() >= until; }, idle + 10s));
    }

    SimProcess sim;
    ConsoleSession console{sim.host()};
    std::chrono::steady_clock::time_point lastEnd;
};

bool SendRead()
{
    return MonitorManager_RealtimeList();
}

bool SendChange()
{
    return CacheManager_CleanSmartCache(false);
}

struct ReuseCase {
    const char* name;
    bool secondChanges;
    std::chrono::milliseconds idle;
    bool sameConnection;
};

// Reads reuse any live connection; a change only one idle for under two seconds.
const ReuseCase kReuseCases[] = {
    {"read after a read", false, 0ms, true},
    {"change right after a read", true, 0ms, true},
    {"read after a 3-second idle", false, 3000ms, true},
    {"change after a 3-second idle", true, 3000ms, false},
};

TEST_F(ConnectionReuse, ReadsReuseAnyLiveConnectionAndChangesOnlyARecentOne)
{
    for (const ReuseCase& reuse : kReuseCases) {
        SCOPED_TRACE(reuse.name);
        sim.clearRequests();
        Exchange(SendRead, eMoxCacheEvent_RealtimeInfoRead);
        IdleFor(reuse.idle);
        if (reuse.secondChanges)
            Exchange(SendChange, eMoxCacheEvent_CleanSmartCache);
        else
            Exchange(SendRead, eMoxCacheEvent_RealtimeInfoRead);

        const std::vector<std::string> reads = PeersOf(sim, kRealtimeRead);
        ASSERT_FALSE(reads.empty());
        const std::vector<std::string> seconds = reuse.secondChanges ? PeersOf(sim, kCleanChange) : reads;
        ASSERT_EQ(seconds.size(), reuse.secondChanges ? 1u : 2u);
        EXPECT_EQ(seconds.back() == reads.front(), reuse.sameConnection)
            << "first on " << reads.front() << ", second on " << seconds.back();
    }
}

TEST_F(ConnectionReuse, AbortedExchangeClosesOnlyItsOwnConnectionAndTheNextWorks)
{
    // Two reads at once leave two idle connections behind.
    sim.clearRequests();
    Json::Value slow = OneShotFault("delay", "realtime", "list");
    slow["ms"] = 1000;
    slow["count"] = 2;
    sim.addFault(slow);
    ASSERT_TRUE(SendRead());
    ASSERT_TRUE(SendRead());
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(console.Events().Next(eMoxCacheEvent_RealtimeInfoRead));
    const std::vector<std::string> idle = PeersOf(sim, kRealtimeRead);
    ASSERT_EQ(idle.size(), 2u);
    ASSERT_NE(idle[0], idle[1]) << "the two reads did not overlap";

    // A read held back by the server, stopped once the server has it.
    Json::Value held = OneShotFault("delay", "realtime", "list");
    held["ms"] = 60000;
    sim.addFault(held);
    const nsMoxHttp::CatalogueRow* read = nsMoxHttp::FindCatalogueRow(eReq_RealtimeList);
    ASSERT_TRUE(read);
    nsMoxHttp::CMoxStoppableRequest stopped =
        nsMoxHttp::CMoxCacheProtocol::GetProtocol().SendStoppable(*read, nsMoxHttp::RequestValues{});
    ASSERT_TRUE(stopped);
    ASSERT_TRUE(WaitUntil([&] { return PeersOf(sim, kRealtimeRead).size() == 3; }));
    stopped.Stop();
    sim.clearFaults();
    const std::string abortedOn = PeersOf(sim, kRealtimeRead).back();

    Exchange(SendRead, eMoxCacheEvent_RealtimeInfoRead);
    const std::string nextOn = PeersOf(sim, kRealtimeRead).back();
    EXPECT_NE(nextOn, abortedOn);
    const std::string otherIdle = abortedOn == idle[0] ? idle[1] : idle[0];
    EXPECT_EQ(nextOn, otherIdle) << "the connection the aborted read did not use was not reused";
    EXPECT_EQ(console.Events().Count(eMoxCacheEvent_RealtimeInfoRead), 3u);
}

}  // namespace
