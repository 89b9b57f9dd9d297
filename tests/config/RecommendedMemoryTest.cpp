#include "features/config/RecommendedMemory.h"
#include "shell/ServerPlatform.h"

#include <gtest/gtest.h>

namespace {

TEST(RecommendedMemory, FollowsTheMachinesMemory)
{
    EXPECT_EQ(RecommendedMemoryMB(400, false), 64);
    EXPECT_EQ(RecommendedMemoryMB(500, false), 64);
    EXPECT_EQ(RecommendedMemoryMB(1000, false), 164);
    EXPECT_EQ(RecommendedMemoryMB(1500, false), 316);
    EXPECT_EQ(RecommendedMemoryMB(2048, false), 719);
    EXPECT_EQ(RecommendedMemoryMB(3000, false), 1100);
    EXPECT_EQ(RecommendedMemoryMB(4000, false), 1800);
    EXPECT_EQ(RecommendedMemoryMB(6000, false), 4000);
}

TEST(RecommendedMemory, A32BitServerStopsAt1500)
{
    EXPECT_EQ(RecommendedMemoryMB(6000, true), 1500);
    EXPECT_EQ(RecommendedMemoryMB(2048, true), 719);
    EXPECT_TRUE(ServerPlatformOf("Morvix 3.5 Windows 32Bits").bits32);
    EXPECT_FALSE(ServerPlatformOf("Morvix 3.5 Linux 64Bits").bits32);
}

TEST(RecommendedMemory, UnknownMemoryHasNoRecommendation)
{
    EXPECT_FALSE(RecommendedMemoryMB(0, false));
    EXPECT_FALSE(RecommendedMemoryMB(-1, true));
    EXPECT_EQ(PhysicalMemoryMB(2048 * 1024 + 1023), 2048);
    EXPECT_EQ(PhysicalMemoryMB(1023), 0);
}

}  // namespace
