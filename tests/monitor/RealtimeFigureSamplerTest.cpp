#include "features/monitor/RealtimeFigureSampler.h"
#include "monitor/ManualClock.h"

#include <gtest/gtest.h>

namespace {

RealtimeInfo Counters(std::int64_t tick, std::int64_t sentKB, std::int64_t fromOriginKB)
{
    RealtimeInfo info;
    info.CurrentTickCount = tick;
    info.TotalSendKB = sentKB;
    info.TotalRecvFromResponseKB = fromOriginKB;
    return info;
}

TEST(RealtimeFigureSampler, DailyBaselineIsRenewedOnlyAfterTwentyFourHours)
{
    ManualClock clock;
    RealtimeFigureSampler sampler(10, clock.Clock());
    sampler.Sample(Counters(1000, 100, 10));
    clock.Advance(RealtimeFigureSampler::kBaselineMs);
    sampler.Sample(Counters(2000, 200, 20));
    EXPECT_EQ(sampler.Baseline()->TotalSendKB, 100) << "exactly one day is not yet more than one";
    clock.Advance(1);
    sampler.Sample(Counters(3000, 300, 30));
    EXPECT_EQ(sampler.Baseline()->TotalSendKB, 300);
    EXPECT_EQ(sampler.Baseline()->CurrentTickCount, 3000);
}

TEST(RealtimeFigureSampler, LargestSavingAndPlottedRatesSurviveARestartUntilReset)
{
    ManualClock clock;
    RealtimeFigureSampler sampler(10, clock.Clock());
    sampler.Sample(Counters(1000, 5000, 1000));
    const RealtimeFigureSample second = sampler.Sample(Counters(2000, 6280, 1128));
    EXPECT_DOUBLE_EQ(second.kbpsIn, 10240);
    EXPECT_DOUBLE_EQ(second.bandwidthIn, 10);
    EXPECT_EQ(second.largestSavingKB, 5152);
    const RealtimeFigureSample restarted = sampler.Sample(Counters(100, 50, 10));
    EXPECT_EQ(restarted.largestSavingKB, 5152);
    EXPECT_EQ(restarted.kbpsIn, 0);
    sampler.Reset(10);
    EXPECT_EQ(sampler.Sample(Counters(200, 60, 20)).largestSavingKB, 40);
}

}  // namespace
