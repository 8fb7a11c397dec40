// A bound as typed: whole numbers within the range of C, and each other text
// refused with the reason a user can act on.

#include "boundtext.h"

#include "catalogues.h"

#include <gtest/gtest.h>

namespace {

using Kind = BoundReading::Kind;

TEST(BoundText, ReadsWholeNumbersAndRefusesTheRest)
{
    struct Row
    {
        const char *text;
        const char *separator;
        Kind kind;
        std::int64_t value;
    };
    const std::vector<Row> rows = {
        {"5", ".", Kind::Whole, 5},
        {"  -3\t", ".", Kind::Whole, -3},
        {"+7", ".", Kind::Whole, 7},
        {"\u22124", ".", Kind::Whole, -4},
        {"4.0", ".", Kind::Whole, 4},
        {"4,00", ",", Kind::Whole, 4},
        {"4.", ".", Kind::Whole, 4},
        {"-0", ".", Kind::Whole, 0},
        {"0002147483647", ".", Kind::Whole, 2147483647},
        {"-2147483648", ".", Kind::Whole, -2147483648},
        {"", ".", Kind::Empty, 0},
        {"   ", ".", Kind::Empty, 0},
        {"2147483648", ".", Kind::OutOfRange, 0},
        {"-2147483649", ".", Kind::OutOfRange, 0},
        {"99999999999999999999999999", ".", Kind::OutOfRange, 0},
        {"4.5", ".", Kind::NotWhole, 0},
        {"4,5", ",", Kind::NotWhole, 0},
        {".5", ".", Kind::NotWhole, 0},
        {"-0.001", ".", Kind::NotWhole, 0},
        {"4,5", ".", Kind::NotANumber, 0},
        {"four", ".", Kind::NotANumber, 0},
        {"-", ".", Kind::NotANumber, 0},
        {".", ".", Kind::NotANumber, 0},
        {"4e1", ".", Kind::NotANumber, 0},
        {"3 4", ".", Kind::NotANumber, 0},
        {"--3", ".", Kind::NotANumber, 0},
        {"0x10", ".", Kind::NotANumber, 0},
    };
    for (const Row &row : rows) {
        const BoundReading reading = ReadBound(row.text, row.separator);
        EXPECT_EQ(reading.kind, row.kind) << "\"" << row.text << "\"";
        if (row.kind == Kind::Whole) {
            EXPECT_EQ(reading.value, row.value) << "\"" << row.text << "\"";
        }
    }
}

TEST(BoundText, EachFaultOneLineNamingTheOptionAndTheText)
{
    for (const Catalogue *language : Catalogues) {
        SCOPED_TRACE(std::string(language->code));
        for (const char *text : {"four", "4.5", "99999999999", "4\n5\x01"}) {
            const std::string line = BoundFault("--x-min", text, ReadBound(text), *language);
            EXPECT_NE(line.find("--x-min"), std::string::npos) << line;
            EXPECT_EQ(line.find_first_of("\n\r\x01{}"), std::string::npos) << line;
            EXPECT_NE(line.find("2147483647"), std::string::npos) << line;
        }
        EXPECT_EQ(BoundFault("--x-min", "5", ReadBound("5"), *language), "");
    }
}

TEST(BoundText, BoundsGivenTogetherAllHold)
{
    const SolutionBounds natural = SolutionBounds::Natural();
    EXPECT_EQ(BothBounds(natural, {5, std::nullopt, -3, 10}),
              (SolutionBounds{5, std::nullopt, 1, 10}));
    EXPECT_EQ(BothBounds({std::nullopt, 4, std::nullopt, 9}, {std::nullopt, 7, std::nullopt, 2}),
              (SolutionBounds{std::nullopt, 4, std::nullopt, 2}));
    EXPECT_EQ(BothBounds({}, natural), natural);
}

} // namespace
