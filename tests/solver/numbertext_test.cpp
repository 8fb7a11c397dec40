#include "solver.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

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

// The working's numbers are printf's %.15G; std::to_chars writes it too, and
// must agree wherever a double may stand: every exponent, the quotients the
// working divides, whole numbers, and the exact ties at the sixteenth digit.
std::string Reference(double value)
{
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    std::string text(buffer, end);
    for (char &c : text)
        if (c == 'e')
            c = 'E';
    return text == "-0" ? "0" : text;
}

TEST(NumberText, AgreesWithFifteenDigitsOfPrintfEverywhere)
{
    std::vector<double> values;
    std::mt19937_64 random(20240607);
    for (int n = 0; n < 50000; ++n) {
        const double v = std::bit_cast<double>(random());
        if (std::isfinite(v))
            values.push_back(v);
    }
    for (int c = -300; c <= 300; ++c)
        for (int b = -300; b <= 300; ++b)
            if (b != 0)
                values.push_back(static_cast<double>(c) / b);
    for (int n = 0; n < 100000; ++n)
        values.push_back(static_cast<double>(static_cast<std::int64_t>(random() >> 10)));
    // 16 digits ending in 5: exact ties, half of them rounding up.
    for (std::int64_t n = 1000000000000005; n < 9007199254740993; n += 777777777777770)
        for (std::int64_t k = 0; k < 2000; k += 10)
            values.push_back(static_cast<double>(n + k));
    for (const double v :
         {std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(), 0.1, 0.5,
          999999999999999.5, 9999999999999995.0, 0.00009999999999999995, 1e-5, 1e15, 1e16})
        values.push_back(v);
    int differ = 0;
    for (const double v : values)
        if (NumberText(v, ".") != Reference(v) && ++differ < 10)
            ADD_FAILURE() << std::hexfloat << v << ": " << NumberText(v, ".") << " against "
                          << Reference(v);
    EXPECT_EQ(differ, 0) << "of " << values.size();
}

} // namespace
