#include "features/monitor/RealtimeFigures.h"
#include "features/monitor/RealtimeKbps.h"
#include "monitor/ManualClock.h"

#include <gtest/gtest.h>

namespace {

TEST(RealtimeKbps, ThousandTwoHundredEightyKBInOneSecondShowsTenMegabits)
{
    RealtimeKbps rate;
    rate.Update(50000, 7000);
    rate.Update(51280, 8000);
    EXPECT_DOUBLE_EQ(static_cast<double>(rate.Rate()), 10240.0);
    EXPECT_DOUBLE_EQ(RealtimeBandwidthShown(rate.Rate()), 10.0);
}

TEST(RealtimeKbps, FirstSampleAloneHasNoRate)
{
    RealtimeKbps rate;
    rate.Update(50000, 7000);
    EXPECT_EQ(rate.Rate(), 0);
}

TEST(RealtimeKbps, UnchangedCounterShowsZeroEvenAfterTraffic)
{
    RealtimeKbps rate;
    rate.Update(0, 1000);
    rate.Update(1000, 2000);
    rate.Update(2000, 3000);
    ASSERT_GT(rate.Rate(), 0);
    rate.Update(2000, 4000);
    EXPECT_EQ(rate.Rate(), 0);
}

TEST(RealtimeKbps, RateSpansTheWholeWindowOfFiveSamples)
{
    RealtimeKbps rate;
    // 100 KB/s for four seconds, then 900 KB in the fifth and sixth second each.
    const std::int64_t counters[] = {0, 100, 200, 300, 400, 1300, 2200};
    for (int i = 0; i < 7; ++i)
        rate.Update(counters[i], 1000 * (i + 1));
    // Window now holds the samples of seconds 3..7: (2200 - 200) KB over 4 s.
    EXPECT_DOUBLE_EQ(static_cast<double>(rate.Rate()), 2000.0 * 8 / 4);
}

TEST(RealtimeKbps, TimeZeroIsTakenFromTheClock)
{
    ManualClock clock;
    RealtimeKbps rate(clock.Clock());
    rate.Update(0, 0);
    clock.Advance(2000);
    rate.Update(512, 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(rate.Rate()), 512.0 * 8 / 2);
}

TEST(RealtimeKbps, CounterGoingBackwardsShowsZeroThenRecoversAtOnce)
{
    RealtimeKbps rate;
    rate.Update(100000, 1000);
    rate.Update(101000, 2000);
    rate.Update(102000, 3000);
    rate.Update(500, 4000);  // the server restarted
    EXPECT_EQ(rate.Rate(), 0);
    rate.Update(628, 5000);
    EXPECT_DOUBLE_EQ(static_cast<double>(rate.Rate()), 128.0 * 8);
}

TEST(RealtimeKbps, ServerClockGoingBackwardsStartsAfresh)
{
    RealtimeKbps rate;
    rate.Update(1000, 900000);
    rate.Update(2000, 901000);
    rate.Update(3000, 500);
    EXPECT_EQ(rate.Rate(), 0);
    rate.Update(4000, 1500);
    EXPECT_DOUBLE_EQ(static_cast<double>(rate.Rate()), 8000.0);
}

TEST(RealtimeBandwidthShown, ImplausibleOrNegativeRatesShowZero)
{
    EXPECT_EQ(RealtimeBandwidthShown(kRealtimeKbpsCeiling + 1), 0);
    EXPECT_EQ(RealtimeBandwidthShown(-1), 0);
    EXPECT_DOUBLE_EQ(RealtimeBandwidthShown(kRealtimeKbpsCeiling), 5000.0);
}

}  // namespace
