#include "golden.h"
#include "solvetexts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct SolveRow
{
    const char *a, *b, *c;
    int t;
    const char *separator;
    std::vector<std::string> lines;
};

class SolveTest : public testing::TestWithParam<SolveRow>
{
};

TEST_P(SolveTest, WritesTheWholeTranscript)
{
    const SolveRow &row = GetParam();
    const std::string transcript = SolveTexts(row.a, row.b, row.c, row.t, row.separator);
    EXPECT_EQ(Lines(transcript), row.lines);
    EXPECT_TRUE(transcript.ends_with("\r\n"));
}

const std::vector<std::string> Solvable = {
    "Изчисленият НОД на 3 и 5 е делител на 7",
    "Диофантовото уравнение има решение в областта на целите числа."};

INSTANTIATE_TEST_SUITE_P(
    Cases, SolveTest,
    testing::Values(
        SolveRow{"0",
                 "0",
                 "5",
                 1,
                 ".",
                 {"Решавам Диофантово уравнение 0x + 0y = 5", "Диофантовото уравнение 0x + 0y = 5",
                  "е с некоректно въведени коефициенти!",
                  "Моля, въведете стойности на коефициентите!"}},
        SolveRow{"",
                 "",
                 "",
                 1,
                 ".",
                 {"Решавам Диофантово уравнение 0x + 0y = 0", "Диофантовото уравнение 0x + 0y = 0",
                  "е с некоректно въведени коефициенти!",
                  "Моля, въведете стойности на коефициентите!"}},
        SolveRow{"0",
                 "4",
                 "6",
                 1,
                 ".",
                 {"Решавам Диофантово уравнение 0x + 4y = 6", "Диофантовото уравнение 0x + 4y = 6",
                  "е с некоректно въведени коефициенти!",
                  "Уравнението има решение за всяко x.   y = 1.5"}},
        SolveRow{"0",
                 "4",
                 "6",
                 1,
                 ",",
                 {"Решавам Диофантово уравнение 0x + 4y = 6", "Диофантовото уравнение 0x + 4y = 6",
                  "е с некоректно въведени коефициенти!",
                  "Уравнението има решение за всяко x.   y = 1,5"}},
        SolveRow{"0",
                 "-4",
                 "8",
                 1,
                 ".",
                 {"Решавам Диофантово уравнение 0x - 4y = 8", "Диофантовото уравнение 0x - 4y = 8",
                  "е с некоректно въведени коефициенти!",
                  "Уравнението има решение за всяко x.   y = -2"}},
        SolveRow{"0",
                 "-4",
                 "0",
                 1,
                 ".",
                 {"Решавам Диофантово уравнение 0x - 4y = 0", "Диофантовото уравнение 0x - 4y = 0",
                  "е с некоректно въведени коефициенти!",
                  "Уравнението има решение за всяко x.   y = 0"}},
        SolveRow{"3",
                 "0",
                 "9",
                 1,
                 ".",
                 {"Решавам Диофантово уравнение 3x + 0y = 9", "Диофантовото уравнение 3x + 0y = 9",
                  "е с некоректно въведени коефициенти!",
                  "Уравнението има решение за всяко y.   x = 3"}},
        SolveRow{"-3",
                 "0",
                 "0",
                 1,
                 ".",
                 {"Решавам Диофантово уравнение -3x + 0y = 0",
                  "Диофантовото уравнение -3x + 0y = 0", "е с некоректно въведени коефициенти!",
                  "Уравнението има решение за всяко y.   x = 0"}},
        SolveRow{"4",
                 "6",
                 "0",
                 1,
                 ",",
                 {"Решавам Диофантово уравнение 4x + 6y = 0",
                  "За коефициентите 4 и 6 е изчислен НОД = 2",
                  "Извършва се съкращаване на коефициентите в уравнението:",
                  "Уравнение добива вида: 2x + 3y = 0", "Уравнението има решение за x = -1,5"}},
        SolveRow{"4",
                 "6",
                 "3",
                 1,
                 ".",
                 {"Решавам Диофантово уравнение 4x + 6y = 3",
                  "За коефициентите 4 и 6 е изчислен НОД = 2",
                  "Изчисленият НОД на 4 и 6 не е делител на 3",
                  "Диофантовото уравнение НЯМА решение в областта на целите числа!"}},
        SolveRow{"4",
                 "-6",
                 "2",
                 3,
                 ".",
                 {"Решавам Диофантово уравнение 4x - 6y = 2",
                  "За коефициентите 4 и -6 е изчислен НОД = 2",
                  "Извършва се съкращаване на коефициентите в уравнението:",
                  "Уравнение добива вида: 2x - 3y = 1", "Изчисленият НОД на 2 и -3 е делител на 1",
                  "Диофантовото уравнение има решение в областта на целите числа.",
                  "Моля, изчакайте обработката на данните!", "Търся в интервала 0, 2",
                  "открито решение Xо = -1; Yо = -1", "X = Xо - (B*t)/NOD = -1 - ( -3 * t )",
                  "Y = Yо + (A * t) / NOD = -1 + ( 2 * t )", "Извършва се проверка за t = 3: ",
                  "A*X + B*Y = C;  ", "2 * (8) + -3 * (5) = 1", "16 + -15 = 1"}},
        SolveRow{"3",
                 "5",
                 "7",
                 11,
                 ".",
                 {"Решавам Диофантово уравнение 3x + 5y = 7",
                  "За коефициентите 3 и 5 е изчислен НОД = 1", Solvable[0], Solvable[1],
                  "Моля, изчакайте обработката на данните!", "Търся в интервала 0, 7",
                  "открито решение Xо = -1; Yо = 2", "X = Xо - (B*t)/NOD = -1 - ( 5 * t )",
                  "Y = Yо + (A * t) / NOD = 2 + ( 3 * t )", "Извършва се проверка за t = 11: ",
                  "A*X + B*Y = C;  ", "3 * (-56) + 5 * (35) = 7", "-168 + 175 = 7"}},
        SolveRow{"3", "5", "1", 4, ".", Lines(GoldenTranscript("transcript-3-5-1.bg.txt"))},
        SolveRow{"-5",
                 "-3",
                 "1",
                 2,
                 ".",
                 {"Решавам Диофантово уравнение -5x - 3y = 1",
                  "За коефициентите -5 и -3 е изчислен НОД = 1",
                  "Изчисленият НОД на -5 и -3 е делител на 1",
                  "Диофантовото уравнение има решение в областта на целите числа.",
                  "Моля, изчакайте обработката на данните!", "Търся в интервала 0, 1",
                  "В този интервал няма решение. Търся в интервала 0, 5",
                  "открито решение Xо = 1; Yо = -2", "X = Xо - (B*t)/NOD = 1 - ( -3 * t )",
                  "Y = Yо + (A * t) / NOD = -2 + ( -5 * t )", "Извършва се проверка за t = 2: ",
                  "A*X + B*Y = C;  ", "-5 * (7) + -3 * (-12) = 1", "-35 + 36 = 1"}},
        SolveRow{"-4",
                 "-6",
                 "-2",
                 1,
                 ".",
                 {"Решавам Диофантово уравнение -4x - 6y = -2",
                  "За коефициентите -4 и -6 е изчислен НОД = 2",
                  "Извършва се съкращаване на коефициентите в уравнението:",
                  "Уравнение добива вида: -2x - 3y = -1",
                  "Изчисленият НОД на -2 и -3 е делител на -1",
                  "Диофантовото уравнение има решение в областта на целите числа.",
                  "Моля, изчакайте обработката на данните!", "Търся в интервала 0, -1",
                  "В този интервал няма решение. Търся в интервала 0, 3",
                  "открито решение Xо = -1; Yо = 1", "X = Xо - (B*t)/NOD = -1 - ( -3 * t )",
                  "Y = Yо + (A * t) / NOD = 1 + ( -2 * t )", "Извършва се проверка за t = 1: ",
                  "A*X + B*Y = C;  ", "-2 * (2) + -3 * (-1) = -1", "-4 + 3 = -1"}},
        SolveRow{"2",
                 "3",
                 "1",
                 5,
                 ".",
                 {"Решавам Диофантово уравнение 2x + 3y = 1",
                  "За коефициентите 2 и 3 е изчислен НОД = 1",
                  "Изчисленият НОД на 2 и 3 е делител на 1",
                  "Диофантовото уравнение има решение в областта на целите числа.",
                  "Моля, изчакайте обработката на данните!", "Търся в интервала 0, 3",
                  "открито решение Xо = -1; Yо = 1", "X = Xо - (B*t)/NOD = -1 - ( 3 * t )",
                  "Y = Yо + (A * t) / NOD = 1 + ( 2 * t )", "Извършва се проверка за t = 5: ",
                  "A*X + B*Y = C;  ", "2 * (-16) + 3 * (11) = 1", "-32 + 33 = 1"}}));

// What a calculation gives back beside its lines: the values its lines
// print, the particular solution and t where it reaches them, and nothing
// it did not compute.
TEST(Solve, ReportsWhatItComputedOnEachRoad)
{
    const RandomSource random = FixedT({4});
    const Working solved = Solve({"12", "-18", "30"}, random, ".", Bulgarian.transcript);
    EXPECT_EQ(AsDouble(solved.values.A), 2);
    EXPECT_EQ(AsDouble(solved.values.B), -3);
    EXPECT_EQ(AsDouble(solved.values.C), 5);
    EXPECT_EQ(solved.gcd, 6);
    ASSERT_TRUE(solved.particular);
    // 2x - 3y = 5 after the reduction: the pair its line prints.
    EXPECT_EQ(solved.particular->x, 1);
    EXPECT_EQ(solved.particular->y, -1);
    EXPECT_EQ(solved.lines[8], "открито решение Xо = 1; Yо = -1");
    EXPECT_EQ(solved.t, 4);
    EXPECT_FALSE(solved.refused);
    EXPECT_EQ(solved.Text(), SolveTexts("12", "-18", "30", 4));

    const Working none = Solve({"4", "6", "3"}, random, ".", Bulgarian.transcript);
    EXPECT_EQ(none.gcd, 2);
    EXPECT_FALSE(none.particular);
    EXPECT_FALSE(none.t);

    const Working zero = Solve({"0", "7", "3"}, random, ".", Bulgarian.transcript);
    EXPECT_FALSE(zero.gcd);
    EXPECT_EQ(AsDouble(zero.values.B), 7);

    const Working refused = Solve({"9e99", "1", "1"}, random, ".", Bulgarian.transcript);
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(refused.lines.size(), 2u);
}

TEST(Solve, DrawsOneTPerCheckAndAnotherOnTheNextCalculation)
{
    const RandomSource random = FixedT({2, 9});
    const auto a = Solve({"3", "5", "7"}, random, ".", Bulgarian.transcript).lines;
    // No check on this road: it draws nothing, and 9 is left for the next.
    Solve({"4", "6", "3"}, random, ".", Bulgarian.transcript);
    const auto b = Solve({"3", "5", "7"}, random, ".", Bulgarian.transcript).lines;
    ASSERT_EQ(a.size(), 13u);
    ASSERT_EQ(b.size(), 13u);
    EXPECT_EQ(a[9], "Извършва се проверка за t = 2: ");
    EXPECT_EQ(b[9], "Извършва се проверка за t = 9: ");
    for (int k : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10})
        EXPECT_EQ(a[k], b[k]) << k;
}

} // namespace
