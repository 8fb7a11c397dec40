#include "solver.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct NumberRow
{
    Value value;
    const char *point;
    const char *comma;
};

class NumberTextTest : public testing::TestWithParam<NumberRow>
{
};

TEST_P(NumberTextTest, WritesTheNumberWithTheUsersSeparator)
{
    const NumberRow &row = GetParam();
    EXPECT_EQ(NumberText(row.value, "."), row.point);
    EXPECT_EQ(NumberText(row.value, ","), row.comma);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    testing::Values(NumberRow{Value{}, "", ""}, NumberRow{std::int16_t{12}, "12", "12"},
                    NumberRow{std::int16_t{-40}, "-40", "-40"},
                    NumberRow{std::int32_t{1500}, "1500", "1500"}, NumberRow{5.0, "5", "5"},
                    NumberRow{-4.0, "-4", "-4"}, NumberRow{0.0, "0", "0"},
                    NumberRow{-0.0, "0", "0"}, NumberRow{1.5, "1.5", "1,5"},
                    NumberRow{-1.5, "-1.5", "-1,5"}, NumberRow{5.0 / 2, "2.5", "2,5"},
                    NumberRow{-2147483648.0, "-2147483648", "-2147483648"},
                    NumberRow{123456789012345.0, "123456789012345", "123456789012345"},
                    NumberRow{1e15, "1E+15", "1E+15"},
                    NumberRow{1234567890123456.0, "1.23456789012346E+15", "1,23456789012346E+15"},
                    NumberRow{9e99, "9E+99", "9E+99"}, NumberRow{0.0001, "0.0001", "0,0001"},
                    NumberRow{0.00001, "1E-05", "1E-05"},
                    NumberRow{1.0 / 3, "0.333333333333333", "0,333333333333333"},
                    NumberRow{-2.0 / 3, "-0.666666666666667", "-0,666666666666667"},
                    NumberRow{std::numeric_limits<double>::max(), "1.79769313486232E+308",
                              "1,79769313486232E+308"}));

TEST(NumberText, SeparatorMayBeLongerThanOneByte)
{
    EXPECT_EQ(NumberText(1.5, "\xd9\xab"), "1\xd9\xab"
                                           "5");
}

} // namespace
