#pragma once

#include "messaging/CMoxEndEvent.h"
#include "messaging/CMoxEventParam.h"
#include "messaging/CMoxStartEvent.h"
#include "messaging/CThreadRegistry.h"
#include "messaging/CZebEventManager.h"

#include "RecordingHandler.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace morvix::test {

// The console's set-up: a thread registry, the manager with its start and end handlers. Each test
// ends with the manager and registry gone and every record released.
class EventManagerFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CThreadRegistry::Create());
        liveRecordsAtStart_ = CMoxEventParam::LiveCount();
        start_ = std::make_unique<CMoxStartEvent>();
        end_ = std::make_unique<CMoxEndEvent>();
    }

    void TearDown() override
    {
        CZebEventManager::DestroyInstance();
        start_.reset();
        end_.reset();
        CThreadRegistry::Destroy();
        EXPECT_TRUE(WaitUntil([&] { return CMoxEventParam::LiveCount() == liveRecordsAtStart_; }));
    }

    static bool Post(int kind, std::uintptr_t param1, std::uintptr_t param2)
    {
        return CZebEventManager::Instance()->PostEvent(kind, param1, param2);
    }

    // Events are dispatched one at a time: once the fence has reached the watcher, every earlier
    // dispatch, end handler included, is over. The fence itself must be seen: any other event the
    // watcher sees meanwhile may be one posted before it.
    static void FinishEarlierDispatches(const EventLog& log, const std::string& watcher)
    {
        const auto fencesSeen = [&] { return std::ranges::count(log.KindsSeenBy(watcher), kFenceKind); };
        const auto before = fencesSeen();
        ASSERT_TRUE(Post(kFenceKind, 0, 0));
        ASSERT_TRUE(WaitUntil([&] { return fencesSeen() > before; }));
    }

    static constexpr int kFenceKind = 5;  // carries no record

    std::unique_ptr<CMoxStartEvent> start_;
    std::unique_ptr<CMoxEndEvent> end_;
    std::int64_t liveRecordsAtStart_ = 0;
};

}  // namespace morvix::test
