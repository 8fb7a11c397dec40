// The tests' own reader of the notation: it must refuse what the notation
// never writes and evaluate what it writes exactly, or the round trips prove
// nothing.

#include "schoolformula.h"

#include <gtest/gtest.h>

namespace {

const NameValues Letters = {{"t", {2, 1}},  {"A", {91, 1}}, {"B", {35, 1}},   {"p", {-5, 1}},
                            {"q", {13, 1}}, {"x₀", {4, 1}}, {"y₀", {-10, 1}}, {"C", {14, 1}}};

std::string Read(std::string_view text, std::string_view separator = "; ")
{
    const auto read = ReadSchoolFormula(text, separator, Letters);
    return read ? read->Canonical() : "(none)";
}

TEST(SchoolFormula, RefusesWhatTheNotationNeverWrites)
{
    for (const char *text : {"2 - 3",    "2 * 3", "2 + −3", "2 − −3", "(-3)", "2·-3", "2  + 3",
                             "2+3",      "− 3",   "2 ·3",   "( 3)",   "t5",   "1 = ", "x + 1",
                             "(4, −10)", "2·(3",  "|2",     "2 ⇒ 3",  "−",    ""})
        EXPECT_EQ(Read(text), "(none)") << text;
}

TEST(SchoolFormula, EvaluatesWhatItWrites)
{
    EXPECT_EQ(Read("15·10 − 2·74"), "2");
    EXPECT_EQ(Read("−2·74 + 15·10"), "2");
    EXPECT_EQ(Read("10 − 2·(74 − 7·10)"), "2");
    EXPECT_EQ(Read("−2/5"), "-2/5");
    EXPECT_EQ(Read("2/(−5)·10"), "-4");
    EXPECT_EQ(Read("1/2t"), "1/4"); // juxtaposed factors bind first
    EXPECT_EQ(Read("−(2 − 5)"), "3");
    EXPECT_EQ(Read("|−3|·|4|"), "12");
    EXPECT_EQ(Read("5t + 13"), "23");
    EXPECT_EQ(Read("A(x₀ + pt) + B(y₀ + qt) = C + (Ap + Bq)t"), "14 = 14");
    EXPECT_EQ(Read("(4; −10)"), "(4; -10)");
    EXPECT_EQ(Read("(4, −10)", ", "), "(4; -10)");
    EXPECT_EQ(Read("(4, −10), (9, 4)", ", "), "[(4; -10), (9; 4)]");
    EXPECT_EQ(Read("t ≤ −1  ⇒  t < 0"), "2 <= -1 => 2 < 0");
    EXPECT_EQ(Read("t ∈ ℤ"), "2 in Z");
    EXPECT_EQ(Read("170141183460469231731687303715884105727"),
              "170141183460469231731687303715884105727");
    EXPECT_EQ(Read("170141183460469231731687303715884105728"), "(none)"); // beyond 128 bits
}

TEST(SchoolFormula, HoldsOnlyWhatIsTrue)
{
    const auto holds = [](std::string_view text) {
        const auto read = ReadSchoolFormula(text, "; ", Letters);
        return read && read->Holds();
    };
    EXPECT_TRUE(holds("7 = 2·91 − 5·35"));
    EXPECT_FALSE(holds("7 = 2·91 − 5·36"));
    EXPECT_TRUE(holds("91·4 + 35·(−10) = 364 − 350 = 14"));
    EXPECT_FALSE(holds("91·4 + 35·(−10) = 364 − 350 = 15"));
    EXPECT_TRUE(holds("−3 ≤ −3 < t ≤ 2"));
    EXPECT_FALSE(holds("−3 ≤ t < 2"));
    EXPECT_TRUE(holds("t ∈ ℤ"));
    EXPECT_FALSE(holds("1/t ∈ ℤ"));
    EXPECT_TRUE(holds("t ≤ 1  ⇒  t < 0")); // a false premise
    EXPECT_FALSE(holds("t ≥ 1  ⇒  t < 0"));
}

} // namespace
