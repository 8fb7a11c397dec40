#include "fakewindow.h"

#include <gtest/gtest.h>

namespace {

TEST(AppendLine, AddsPiecesThenCrLfInOneStore)
{
    FakeWindow window("", "", "");
    SolverValues values;
    const RandomSource random = FixedT({1});
    Calculation calc{window, values, random, ",", Bulgarian.transcript};

    AppendLine(calc, {"a ", 1.5, " b ", std::int16_t{7}, Value{}, "!"});
    EXPECT_EQ(window.Transcript(), "a 1,5 b 7!\r\n");
    EXPECT_EQ(window.transcriptWrites(), 1);

    AppendLine(calc, {});
    AppendLine(calc, {"x"});
    EXPECT_EQ(window.Transcript(), "a 1,5 b 7!\r\n\r\nx\r\n");
    EXPECT_EQ(window.transcriptWrites(), 3);
}

TEST(AppendLine, KeepsWhatTheWindowAlreadyHeld)
{
    FakeWindow window("", "", "");
    window.SetTranscript("earlier\r\n");
    SolverValues values;
    const RandomSource random = FixedT({1});
    Calculation calc{window, values, random, ".", Bulgarian.transcript};
    AppendLine(calc, {"later"});
    EXPECT_EQ(window.Transcript(), "earlier\r\nlater\r\n");
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
