#include "features/monitor/RealtimeFigures.h"
#include "features/monitor/RealtimeNumberForms.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatKbText, SwitchesUnitAtEachPowerOf1024)
{
    EXPECT_EQ(FormatKbText(0), "0 KB");
    EXPECT_EQ(FormatKbText(1023), "1023 KB");
    EXPECT_EQ(FormatKbText(1024), "1.00 MB");
    EXPECT_EQ(FormatKbText(1048575), "1024.00 MB");
    EXPECT_EQ(FormatKbText(1048576), "1.00 GB");
    EXPECT_EQ(FormatKbText(1536LL * 1048576 * 1024), "1572864.00 GB");
}

TEST(FormatKbText, NegativeShowsZero)
{
    EXPECT_EQ(FormatKbText(-5), "0 KB");
}

TEST(FormatKbValueUnit, GoesUpToTerabytes)
{
    auto check = [](std::int64_t kb, const char* value, const char* unit) {
        const KbValueUnit shown = FormatKbValueUnit(kb);
        EXPECT_EQ(shown.value, value) << kb;
        EXPECT_EQ(shown.unit, unit) << kb;
    };
    check(1023, "1023", "KB");
    check(-1, "0", "KB");
    check(1024, "1.00", "MB");
    check(1048576, "1.00", "GB");
    check(1073741824, "1.00", "TB");
    check(3LL * 1073741824 / 2, "1.50", "TB");
}

TEST(RealtimeSavingPercent, ShareNotFetchedFromOrigin)
{
    EXPECT_DOUBLE_EQ(RealtimeSavingPercent(1000, 250), 75.0);
    EXPECT_DOUBLE_EQ(RealtimeSavingPercent(0, 250), 0.0);
    EXPECT_DOUBLE_EQ(RealtimeSavingPercent(-3, 0), 0.0);
    EXPECT_DOUBLE_EQ(RealtimeSavingPercent(1000, 0), 100.0);
    EXPECT_DOUBLE_EQ(RealtimeSavingPercent(1000, 1500), 0.0);
}

}  // namespace
