// The practice round's tally, and how a pupil's entry is read.

#include "entryreading.h"
#include "languages.h"
#include "practiceround.h"

#include <gtest/gtest.h>

namespace {

TEST(PracticeRound, CountsEachEquationOnceAndCreditsACorrection)
{
    PracticeRound round;
    EXPECT_EQ(round.Tally(English.practice), "0 of 0 right");
    round.Record("3", "5", "1", Verdict::Wrong);
    round.Record("3", "5", "1", Verdict::Right); // corrected
    round.Record("3", "5", "1", Verdict::Wrong); // no step back
    round.Record("4", "6", "3", Verdict::Right);
    round.Record("4", "6", "3", Verdict::Right);
    round.Record("2147483648", "1", "1", Verdict::Refused);
    round.Record("7", "2", "5", Verdict::Wrong);
    EXPECT_EQ(round.right(), 2);
    EXPECT_EQ(round.total(), 3);
    EXPECT_EQ(round.Tally(English.practice), "2 of 3 right");
    EXPECT_EQ(round.Tally(Bulgarian.practice), "2 от 3 верни");

    // The same equation drawn again later is a new one to solve.
    round.Record("3", "5", "1", Verdict::Wrong);
    EXPECT_EQ(round.Tally(English.practice), "2 of 4 right");

    round.Clear();
    EXPECT_EQ(round.Tally(English.practice), "0 of 0 right");
    round.Record("3", "5", "1", Verdict::Right);
    EXPECT_EQ(round.Tally(English.practice), "1 of 1 right");
}

struct EntryRow
{
    const char *text;
    EntryReading::Kind kind;
    std::int64_t value;
};

class Entry : public testing::TestWithParam<EntryRow>
{
};

TEST_P(Entry, ReadAsTheCoefficientsAre)
{
    const EntryReading read = ReadEntry(GetParam().text);
    EXPECT_EQ(read.kind, GetParam().kind);
    EXPECT_EQ(read.value, GetParam().value);
}

using K = EntryReading::Kind;
INSTANTIATE_TEST_SUITE_P(
    Texts, Entry,
    testing::Values(EntryRow{"-12", K::Whole, -12}, EntryRow{" +7\t", K::Whole, 7},
                    EntryRow{"0007", K::Whole, 7}, EntryRow{"-0", K::Whole, 0},
                    EntryRow{"9223372036854775807", K::Whole, 9223372036854775807LL},
                    EntryRow{"-9223372036854775808", K::Whole, INT64_MIN},
                    EntryRow{"9007199254740993", K::Whole, 9007199254740993LL}, // 2^53 + 1
                    EntryRow{"9223372036854775808", K::TooLarge, 0},
                    EntryRow{"1e19", K::TooLarge, 0}, EntryRow{"-1e300", K::TooLarge, 0},
                    EntryRow{"", K::Empty, 0}, EntryRow{"  \t", K::Empty, 0},
                    EntryRow{"1.5", K::NotWhole, 1}, EntryRow{"1,5", K::NotWhole, 1},
                    EntryRow{"-7.2", K::NotWhole, -8}, EntryRow{"3.0", K::NotWhole, 3},
                    EntryRow{"1e3", K::NotWhole, 1000}, EntryRow{"abc", K::NotWhole, 0},
                    EntryRow{"−5", K::NotWhole, 0}, EntryRow{"+", K::NotWhole, 0},
                    EntryRow{"- 5", K::NotWhole, 0}, EntryRow{"12abc", K::NotWhole, 12}));

} // namespace
