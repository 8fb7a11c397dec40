#include "solvetexts.h"

#include <gtest/gtest.h>

namespace {

TEST(AppendLine, PiecesInOrderNumbersInTheSeparatorEachLineEndingInCrLf)
{
    Working working;
    const RandomSource random = FixedT({1});
    Calculation calc{{"", "", ""}, working, random, ",", Bulgarian.transcript};

    AppendLine(calc, {"a ", 1.5, " b ", std::int16_t{7}, Value{}, "!"});
    AppendLine(calc, {});
    AppendLine(calc, {"x"});
    EXPECT_EQ(working.lines, (std::vector<std::string>{"a 1,5 b 7!", "", "x"}));
    EXPECT_EQ(working.Text(), "a 1,5 b 7!\r\n\r\nx\r\n");
}

TEST(SolveAdapter, AppendsToWhatTheTranscriptHeld)
{
    std::string transcript = "earlier\r\n";
    Solve("0", "0", "5", transcript, FixedT({1}), ".", Bulgarian.transcript);
    EXPECT_EQ(transcript, "earlier\r\n" + SolveTexts("0", "0", "5"));
}

TEST(FixedT, GivesTheRequestedParameters)
{
    const RandomSource random = FixedT({1, 2, 4, 8, 11});
    for (int t : {1, 2, 4, 8, 11, 11}) {
        const float r = random();
        EXPECT_GE(r, 0.0f);
        EXPECT_LT(r, 1.0f);
        EXPECT_EQ(ToInt16(static_cast<double>(r) * 10 + 1), t);
    }
}

} // namespace
