// The reader of the integers Velmora prints, for the answer entries: what a
// pupil copies from a formula reads as the number it shows.

#include "formulatext.h"
#include "printedinteger.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <random>

namespace {

using Kind = PrintedInteger::Kind;

struct Row
{
    const char *name;
    const char *text;
    Kind kind;
    std::int64_t value = 0;
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

class Read : public testing::TestWithParam<Row>
{
};

TEST_P(Read, AsPrinted)
{
    const Row &row = GetParam();
    const PrintedInteger read = ReadPrintedInteger(row.text);
    EXPECT_EQ(read.kind, row.kind) << row.text;
    EXPECT_EQ(read.value, row.value) << row.text;
}

INSTANTIATE_TEST_SUITE_P(
    Integers, Read,
    testing::Values(Row{"TrueMinus", "−5", Kind::Integer, -5},
                    Row{"Hyphen", "-5", Kind::Integer, -5}, Row{"PlusSign", "+5", Kind::Integer, 5},
                    Row{"Unsigned", "12", Kind::Integer, 12},
                    Row{"LeadingZeros", "−007", Kind::Integer, -7},
                    Row{"MinusZero", "−0", Kind::Integer, 0},
                    Row{"SpacesAround", "  −10 ", Kind::Integer, -10},
                    Row{"TabsAround", "\t4\t", Kind::Integer, 4},
                    Row{"NoBreakSpacesAround", "\u00A0−13\u202F", Kind::Integer, -13},
                    Row{"Largest", "9223372036854775807", Kind::Integer,
                        std::numeric_limits<std::int64_t>::max()},
                    Row{"MostNegative", "−9223372036854775808", Kind::Integer,
                        std::numeric_limits<std::int64_t>::min()}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TooLarge, Read,
    testing::Values(Row{"JustPastTheLargest", "9223372036854775808", Kind::TooLarge},
                    Row{"JustPastTheMostNegative", "−9223372036854775809", Kind::TooLarge},
                    Row{"ManyDigits", "-123456789012345678901234567890", Kind::TooLarge}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NotIntegers, Read,
    testing::Values(
        Row{"Empty", "", Kind::NotInteger}, Row{"Blanks", "  \t", Kind::NotInteger},
        Row{"SignAlone", "−", Kind::NotInteger}, Row{"SpaceAfterTheSign", "− 5", Kind::NotInteger},
        Row{"SignAfter", "5−", Kind::NotInteger}, Row{"TwoSigns", "−−5", Kind::NotInteger},
        Row{"HyphenAndMinus", "-−5", Kind::NotInteger}, Row{"EnDash", "–5", Kind::NotInteger},
        Row{"Fraction", "1.5", Kind::NotInteger}, Row{"GroupedDigits", "1 000", Kind::NotInteger},
        Row{"FullwidthDigit", "５", Kind::NotInteger}, Row{"Hexadecimal", "0x10", Kind::NotInteger},
        Row{"ATerm", "−5t", Kind::NotInteger},
        Row{"TooLongAndNotANumber", "99999999999999999999x", Kind::NotInteger},
        Row{"BrokenMinus", "\xE2\x88", Kind::NotInteger}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ReadPrintedInteger, ReadsBackWhatTheFormulasWrite)
{
    std::mt19937_64 random(28);
    std::uniform_int_distribution<std::int64_t> any(std::numeric_limits<std::int64_t>::min(),
                                                    std::numeric_limits<std::int64_t>::max());
    for (int k = 0; k < 1000; ++k) {
        const std::int64_t n =
            k < 2 ? (k == 0 ? std::numeric_limits<std::int64_t>::min() : 0) : any(random);
        for (const char *language : {"bg", "en"}) {
            const PrintedInteger read =
                ReadPrintedInteger(IntegerText(n, SchoolNotation(language)));
            ASSERT_EQ(read.kind, Kind::Integer) << n;
            ASSERT_EQ(read.value, n);
        }
    }
}

} // namespace
