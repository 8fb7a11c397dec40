#include "solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ReadingRow
{
    const char *text;
    double number;      // ReadNumber
    double coefficient; // ReadCoefficient
};

class ReadingTest : public testing::TestWithParam<ReadingRow>
{
};

TEST_P(ReadingTest, TakesTheLeadingNumberAndRoundsDown)
{
    const ReadingRow &row = GetParam();
    EXPECT_EQ(ReadNumber(row.text), row.number) << '"' << row.text << '"';
    EXPECT_EQ(ReadCoefficient(row.text), row.coefficient) << '"' << row.text << '"';
}

constexpr double Max = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Coefficient, ReadingTest,
    testing::Values(ReadingRow{"", 0, 0}, ReadingRow{"12abc", 12, 12}, ReadingRow{"-7.2", -7.2, -8},
                    ReadingRow{"7.9", 7.9, 7}, ReadingRow{"1e3", 1000, 1000},
                    ReadingRow{"-0", 0, 0}, ReadingRow{" 5", 5, 5}, ReadingRow{"\t7", 7, 7},
                    ReadingRow{"+3", 3, 3}, ReadingRow{"5.", 5, 5}, ReadingRow{".5", 0.5, 0},
                    ReadingRow{"-.5", -0.5, -1}, ReadingRow{"2.7", 2.7, 2},
                    ReadingRow{"-2.7", -2.7, -3}, ReadingRow{"1e", 1, 1}, ReadingRow{"1e+", 1, 1},
                    ReadingRow{"2E-1", 0.2, 0}, ReadingRow{"9e99", 9e99, 9e99},
                    ReadingRow{"2,5", 2, 2}, ReadingRow{"1 2", 1, 1}, ReadingRow{"- 5", 0, 0},
                    ReadingRow{"-", 0, 0}, ReadingRow{".", 0, 0}, ReadingRow{"abc", 0, 0},
                    ReadingRow{"0x10", 0, 0}, ReadingRow{"inf", 0, 0}, ReadingRow{"nan", 0, 0},
                    ReadingRow{"1e400", Max, Max}, ReadingRow{"-1e400", -Max, -Max},
                    ReadingRow{"0.001e309", 1e306, 1e306}, ReadingRow{"1e-400", 0, 0},
                    ReadingRow{"-1e-400", 0, 0}, ReadingRow{"1e99999999999999999999", Max, Max},
                    ReadingRow{"1e-99999999999999999999", 0, 0}, ReadingRow{"\xd0\x90\xff", 0, 0}));

TEST(Reading, NeverGivesInfinityOrNan)
{
    for (const char *text : {"1e309", "-1e309", "9e9999", "1e-999", "999999999999e999"}) {
        EXPECT_TRUE(std::isfinite(ReadNumber(text))) << text;
        EXPECT_TRUE(std::isfinite(ReadCoefficient(text))) << text;
    }
}

TEST(Reading, NegativeZeroStaysAZero)
{
    EXPECT_EQ(ReadCoefficient("-0"), 0.0);
    EXPECT_EQ(NumberText(ReadCoefficient("-0"), "."), "0");
}

TEST(Rounding, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(ToInt16(2.5), 2);
    EXPECT_EQ(ToInt16(3.5), 4);
    EXPECT_EQ(ToInt16(-2.5), -2);
    EXPECT_EQ(ToInt16(8.5), 8);
    EXPECT_EQ(ToInt16(10.4999), 10);
    EXPECT_EQ(ToInt32(0.125 * 100 + 1), 14);
    EXPECT_EQ(ToInt32(2147483646.5), 2147483646);
    EXPECT_EQ(ToInt32(-7.5), -8);
}

} // namespace
