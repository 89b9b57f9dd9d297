#include "features/monitor/CalcRealtimeHits.h"
#include "monitor/ManualClock.h"

#include <gtest/gtest.h>

namespace {

class CalcRealtimeHitsTest : public ::testing::Test {
protected:
    ManualClock clock;
    CalcRealtimeHits hits{10, clock.Clock()};

    void Sample(std::int64_t sent, std::int64_t fetched, std::uint64_t afterMs = 1500)
    {
        clock.Advance(afterMs);
        hits.Update(sent, 0, 0, fetched);
    }
};

TEST_F(CalcRealtimeHitsTest, ShareOfClientTrafficNotFetchedFromOrigin)
{
    Sample(1000, 500);
    EXPECT_EQ(hits.HitRate(), 0);  // one sample: nothing to compare yet
    Sample(2000, 750);
    EXPECT_DOUBLE_EQ(hits.HitRate(), 75.0);
}

TEST_F(CalcRealtimeHitsTest, NoClientTrafficOrAllFetchedGivesZero)
{
    Sample(1000, 500);
    Sample(1000, 500);
    EXPECT_EQ(hits.HitRate(), 0);
    Sample(2000, 1600);
    EXPECT_EQ(hits.HitRate(), 0);
}

TEST_F(CalcRealtimeHitsTest, OldSamplesLeaveTheWindowOnePerUpdate)
{
    Sample(0, 0);
    Sample(1000, 1000);  // all fetched in the first interval
    Sample(2000, 1000, 10 * 60000);
    // Window still reaches back to the first sample: 1000 of 2000 were hits.
    EXPECT_DOUBLE_EQ(hits.HitRate(), 50.0);
    Sample(3000, 1000);
    // The first sample has left: from the second on, 2000 sent and nothing fetched.
    EXPECT_DOUBLE_EQ(hits.HitRate(), 100.0);
}

TEST_F(CalcRealtimeHitsTest, CountersGoingBackwardsNeverExceedAHundredPercent)
{
    Sample(100000, 90000);
    Sample(101000, 90500);
    ASSERT_DOUBLE_EQ(hits.HitRate(), 50.0);
    Sample(101500, 10);  // origin counter restarted while the client counter did not
    EXPECT_EQ(hits.HitRate(), 0);
    Sample(102500, 260);
    EXPECT_DOUBLE_EQ(hits.HitRate(), 75.0);
}

TEST_F(CalcRealtimeHitsTest, ResetForgetsSamplesAndRate)
{
    Sample(1000, 0);
    Sample(2000, 0);
    ASSERT_DOUBLE_EQ(hits.HitRate(), 100.0);
    hits.Reset(1);
    EXPECT_EQ(hits.HitRate(), 0);
    Sample(5000, 5000);
    EXPECT_EQ(hits.HitRate(), 0);
}

}  // namespace
