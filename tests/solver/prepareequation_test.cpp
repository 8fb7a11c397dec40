#include "oracle.h"
#include "solvetexts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct PrepareRow
{
    const char *a, *b, *c;
    std::vector<std::string> lines;
    double A, B, C;
    int NOD; // -1: none, as A or B is 0
};

class PrepareEquationTest : public testing::TestWithParam<PrepareRow>
{
};

TEST_P(PrepareEquationTest, WritesTheEquationAndReducesIt)
{
    const PrepareRow &row = GetParam();
    Working working;
    const RandomSource random = FixedT({1});
    Calculation calc{{row.a, row.b, row.c}, working, random, ".", Bulgarian.transcript};

    EXPECT_TRUE(PrepareEquation(calc));
    EXPECT_EQ(working.lines, row.lines);
    // What the working goes on with: the reduced equation, and NOD where A
    // and B are both non-zero.
    const SolverValues &values = working.values;
    EXPECT_EQ(AsDouble(values.A), row.A);
    EXPECT_EQ(AsDouble(values.B), row.B);
    EXPECT_EQ(AsDouble(values.C), row.C);
    EXPECT_EQ(working.gcd.has_value(), row.NOD >= 0);
    if (row.NOD >= 0) {
        EXPECT_EQ(values.NOD, row.NOD);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Roads, PrepareEquationTest,
    testing::Values(
        PrepareRow{"12",
                   "-18",
                   "30",
                   {"Решавам Диофантово уравнение 12x - 18y = 30",
                    "За коефициентите 12 и -18 е изчислен НОД = 6",
                    "Извършва се съкращаване на коефициентите в уравнението:",
                    "Уравнение добива вида: 2x - 3y = 5"},
                   2,
                   -3,
                   5,
                   1},
        PrepareRow{"4",
                   "6",
                   "3",
                   {"Решавам Диофантово уравнение 4x + 6y = 3",
                    "За коефициентите 4 и 6 е изчислен НОД = 2"},
                   4,
                   6,
                   3,
                   2},
        PrepareRow{"-12",
                   "-18",
                   "-30",
                   {"Решавам Диофантово уравнение -12x - 18y = -30",
                    "За коефициентите -12 и -18 е изчислен НОД = 6",
                    "Извършва се съкращаване на коефициентите в уравнението:",
                    "Уравнение добива вида: -2x - 3y = -5"},
                   -2,
                   -3,
                   -5,
                   1},
        PrepareRow{"12",
                   "18",
                   "0",
                   {"Решавам Диофантово уравнение 12x + 18y = 0",
                    "За коефициентите 12 и 18 е изчислен НОД = 6",
                    "Извършва се съкращаване на коефициентите в уравнението:",
                    "Уравнение добива вида: 2x + 3y = 0"},
                   2,
                   3,
                   0,
                   1},
        PrepareRow{"3",
                   "5",
                   "7",
                   {"Решавам Диофантово уравнение 3x + 5y = 7",
                    "За коефициентите 3 и 5 е изчислен НОД = 1"},
                   3,
                   5,
                   7,
                   1},
        PrepareRow{"-7",
                   "0",
                   "3",
                   {"Решавам Диофантово уравнение -7x + 0y = 3",
                    "Диофантовото уравнение -7x + 0y = 3", "е с некоректно въведени коефициенти!"},
                   -7,
                   0,
                   3,
                   -1},
        PrepareRow{"5",
                   "5",
                   "10",
                   {"Решавам Диофантово уравнение 5x + 5y = 10",
                    "За коефициентите 5 и 5 е изчислен НОД = 5",
                    "Извършва се съкращаване на коефициентите в уравнението:",
                    "Уравнение добива вида: 1x + 1y = 2"},
                   1,
                   1,
                   2,
                   1},
        PrepareRow{"2.7",
                   "-2.7",
                   "x",
                   {"Решавам Диофантово уравнение 2x - 3y = 0",
                    "За коефициентите 2 и -3 е изчислен НОД = 1"},
                   2,
                   -3,
                   0,
                   1},
        PrepareRow{"-0",
                   "-0",
                   "-0",
                   {"Решавам Диофантово уравнение 0x + 0y = 0",
                    "Диофантовото уравнение 0x + 0y = 0", "е с некоректно въведени коефициенти!"},
                   0,
                   0,
                   0,
                   -1},
        PrepareRow{"1",
                   "32767",
                   "-2147483648",
                   {"Решавам Диофантово уравнение 1x + 32767y = -2147483648",
                    "За коефициентите 1 и 32767 е изчислен НОД = 1"},
                   1,
                   32767,
                   -2147483648.0,
                   1},
        PrepareRow{"-2147483648",
                   "-32767",
                   "2147483647",
                   {"Решавам Диофантово уравнение -2147483648x - 32767y = 2147483647",
                    "За коефициентите -2147483648 и -32767 е изчислен НОД = 1"},
                   -2147483648.0,
                   -32767,
                   2147483647,
                   1},
        PrepareRow{"2147483646",
                   "-32766",
                   "2",
                   {
                       "Решавам Диофантово уравнение 2147483646x - 32766y = 2",
                       "За коефициентите 2147483646 и -32766 е изчислен НОД = 6",
                   },
                   2147483646,
                   -32766,
                   2,
                   6}));

struct LimitRow
{
    const char *a, *b, *c;
    std::vector<std::string> lines;
};

class CoefficientLimitTest : public testing::TestWithParam<LimitRow>
{
};

TEST_P(CoefficientLimitTest, RefusesEachCoefficientOutsideItsRangeAndStops)
{
    const LimitRow &row = GetParam();
    Working working;
    const RandomSource random = FixedT({1});
    Calculation calc{{row.a, row.b, row.c}, working, random, ".", Bulgarian.transcript};

    EXPECT_FALSE(PrepareEquation(calc));
    EXPECT_EQ(working.lines, row.lines);
    EXPECT_TRUE(working.refused);
    EXPECT_FALSE(working.gcd.has_value());
    // Solve stops at the same place on every road.
    EXPECT_EQ(Lines(SolveTexts(row.a, row.b, row.c)), row.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CoefficientLimitTest,
    testing::Values(
        LimitRow{"1",
                 "32768",
                 "3",
                 {"Решавам Диофантово уравнение 1x + 32768y = 3",
                  "Коефициентът B = 32768 е извън допустимия интервал от -32767 до 32767!"}},
        LimitRow{"1",
                 "-32768",
                 "3",
                 {"Решавам Диофантово уравнение 1x - 32768y = 3",
                  "Коефициентът B = -32768 е извън допустимия интервал от -32767 до 32767!"}},
        LimitRow{"9e99",
                 "9e99",
                 "-9e99",
                 {"Решавам Диофантово уравнение 9E+99x + 9E+99y = -9E+99",
                  "Коефициентът A = 9E+99 е извън допустимия интервал от -2147483648 до "
                  "2147483647!",
                  "Коефициентът B = 9E+99 е извън допустимия интервал от -32767 до 32767!",
                  "Коефициентът C = -9E+99 е извън допустимия интервал от -2147483648 до "
                  "2147483647!"}},
        LimitRow{"0",
                 "0",
                 "9e9",
                 {"Решавам Диофантово уравнение 0x + 0y = 9000000000",
                  "Коефициентът C = 9000000000 е извън допустимия интервал от -2147483648 до "
                  "2147483647!"}},
        LimitRow{"2147483648",
                 "0",
                 "1",
                 {"Решавам Диофантово уравнение 2147483648x + 0y = 1",
                  "Коефициентът A = 2147483648 е извън допустимия интервал от -2147483648 до "
                  "2147483647!"}},
        LimitRow{"9e15",
                 "1",
                 "1",
                 {"Решавам Диофантово уравнение 9E+15x + 1y = 1",
                  "Коефициентът A = 9E+15 е извън допустимия интервал от -2147483648 до "
                  "2147483647!"}},
        LimitRow{"-1e400",
                 "1",
                 "1",
                 {"Решавам Диофантово уравнение -1.79769313486232E+308x + 1y = 1",
                  "Коефициентът A = -1.79769313486232E+308 е извън допустимия интервал от "
                  "-2147483648 до 2147483647!"}}));

TEST(GreatestCommonDivisor, AgreesWithTheSubtractionLoop)
{
    for (std::int64_t a = 1; a <= 120; ++a) {
        for (std::int64_t b = 1; b <= 120; ++b)
            ASSERT_EQ(GreatestCommonDivisor(a, b), SubtractionGcd(a, b)) << a << ", " << b;
    }
    for (const auto &[a, b] :
         std::vector<std::pair<std::int64_t, std::int64_t>>{{2001, 1},
                                                            {1, 32767},
                                                            {32767, 32767},
                                                            {9973, 9967},
                                                            {65534, 32767},
                                                            {3 * 32749, 32749}})
        EXPECT_EQ(GreatestCommonDivisor(a, b), SubtractionGcd(a, b)) << a << ", " << b;
    EXPECT_EQ(GreatestCommonDivisor(2147483647, 1), 1);
    EXPECT_EQ(GreatestCommonDivisor(2147483648, 32768 / 2), 16384);
}

} // namespace
