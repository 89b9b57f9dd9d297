#include "shell/LeadingDecimal.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(LeadingDecimalTest, ReadsTheDigitsTheTextStartsWith)
{
    EXPECT_EQ(LeadingDecimal("42"), 42);
    EXPECT_EQ(LeadingDecimal("42abc"), 42);
    EXPECT_EQ(LeadingDecimal("  7 "), 7);
    EXPECT_EQ(LeadingDecimal("-15"), -15);
    EXPECT_EQ(LeadingDecimal("+3"), 3);
    EXPECT_EQ(LeadingDecimal("0x1F"), 0);
    for (const char* none : {"", "abc", "-", " - 1", "١٢"})
        EXPECT_EQ(LeadingDecimal(none), 0) << none;
}

TEST(LeadingDecimalTest, HugeNumbersAreClampedNotWrapped)
{
    EXPECT_EQ(LeadingDecimal("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(LeadingDecimal("9223372036854775808"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(LeadingDecimal("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(LeadingDecimal("-99999999999999999999999"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(LeadingDecimalInt("4294967297"), std::numeric_limits<int>::max());
    EXPECT_EQ(LeadingDecimalInt("-4294967297"), std::numeric_limits<int>::min());
}

}  // namespace
