#include "EventManagerFixture.h"
#include "TrackedRecord.h"

#include "messaging/EventKinds.h"

#include <atomic>
#include <memory>
#include <set>

namespace {

using morvix::test::TrackedRecord;

class EndRelease : public morvix::test::EventManagerFixture {};

// The kinds table as the server's interface defines it, plus our own choice of releasing the
// records of 53, 58, 109 and the DNS cache text of 104 too.
const std::set<int> kRecordInParam1{1, 2, 3, 4, 6};
const std::set<int> kRecordInParam2{
    7,  8,  9,  10, 11, 12, 14, 15, 16, 17, 18, 19, 25, 27, 28,  29,  30,  31,  42,  44,  45,
    46, 47, 49, 50, 51, 53, 58, 70, 72, 73, 74, 75, 76, 78, 79, 80, 82, 83,  84,  85,  89,  90,  91,
    92, 93, 94, 95, 96, 97, 98, 99, 100, 101, 102, 103, 104, 107, 108, 109, 110, 111, 112};

TEST_F(EndRelease, ReleasesExactlyTheParameterThatCarriesTheRecord)
{
    for (int kind = 0; kind <= 120; ++kind) {
        std::atomic<int> firstDestroyed{0};
        std::atomic<int> secondDestroyed{0};
        auto* first = new TrackedRecord(firstDestroyed);
        auto* second = new TrackedRecord(secondDestroyed);

        end_->OnEventCall(kind, first->AsParam(), second->AsParam());

        EXPECT_EQ(firstDestroyed.load(), kRecordInParam1.count(kind) ? 1 : 0) << "kind " << kind;
        EXPECT_EQ(secondDestroyed.load(), kRecordInParam2.count(kind) ? 1 : 0) << "kind " << kind;
        if (firstDestroyed.load() == 0)
            first->Release();
        if (secondDestroyed.load() == 0)
            second->Release();
    }
}

TEST_F(EndRelease, ToleratesMissingRecords)
{
    end_->OnEventCall(eMoxCacheEvent_ConnectFailed, 0, 0);
    end_->OnEventCall(eMoxCacheEvent_FCacheList, eMoxEventStatus_BadReply, 0);
}

TEST_F(EndRelease, HandlerGoingAwayLeavesItsSuccessorInPlace)
{
    auto successor = std::make_unique<CMoxEndEvent>();
    end_.reset();
    std::atomic<int> destroyed{0};

    ASSERT_TRUE(Post(eMoxCacheEvent_UpdateStatusBar, (new TrackedRecord(destroyed))->AsParam(), 0));

    EXPECT_TRUE(morvix::test::WaitUntil([&] { return destroyed.load() == 1; }));
    end_ = std::move(successor);
}

}  // namespace
