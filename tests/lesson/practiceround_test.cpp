// The practice round's tally, and how a pupil's entry is read.

#include "entryreading.h"
#include "languages.h"
#include "practiceround.h"

#include <gtest/gtest.h>

namespace {

TEST(PracticeRound, APointOnlyAtTheFirstTryWithoutAHint)
{
    PracticeRound round;
    EXPECT_EQ(round.Tally(English.practice), "Right at the first try: 0 of 0; hints used: 0");
    round.Record("3", "5", "1", Verdict::Wrong);
    round.Record("3", "5", "1", Verdict::Right); // corrected: no point
    round.Record("4", "6", "3", Verdict::Right);
    round.Record("4", "6", "3", Verdict::Right); // once
    round.Record("2147483648", "1", "1", Verdict::Refused);
    round.RecordHints("7", "2", "5", 1);
    round.Record("7", "2", "5", Verdict::Right); // after a hint: no point
    round.RecordHints("7", "2", "5", 2);
    round.RecordHints("7", "2", "5", 1); // shown again: counted once
    round.RecordHints("9", "2", "5", 3); // taken, never checked
    EXPECT_EQ(round.right(), 1);
    EXPECT_EQ(round.total(), 3);
    EXPECT_EQ(round.hints(), 5);
    EXPECT_EQ(round.Tally(English.practice), "Right at the first try: 1 of 3; hints used: 5");
    EXPECT_EQ(round.Tally(Bulgarian.practice),
              "Верни от първия опит: 1 от 3; използвани 5 подсказки");

    // The same equation drawn again later keeps its first result.
    round.Record("3", "5", "1", Verdict::Right);
    EXPECT_EQ(round.total(), 3);
    EXPECT_EQ(round.right(), 1);

    round.Clear();
    EXPECT_EQ(round.Tally(English.practice), "Right at the first try: 0 of 0; hints used: 0");
    round.Record("3", "5", "1", Verdict::Right);
    EXPECT_EQ(round.Tally(English.practice), "Right at the first try: 1 of 1; hints used: 0");
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
                    // As Velmora prints it: U+2212, and no-break spaces around.
                    EntryRow{"−5", K::Whole, -5}, EntryRow{"\u00a0−5\u00a0", K::Whole, -5},
                    EntryRow{"−9223372036854775808", K::Whole, INT64_MIN},
                    EntryRow{"−9223372036854775809", K::TooLarge, 0},
                    EntryRow{"−−5", K::NotWhole, 0}, EntryRow{"−5.5", K::NotWhole, 0},
                    EntryRow{"+", K::NotWhole, 0}, EntryRow{"- 5", K::NotWhole, 0},
                    EntryRow{"12abc", K::NotWhole, 12}));

} // namespace
