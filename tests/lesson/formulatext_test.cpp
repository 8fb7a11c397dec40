// The formatter of formulas, rule by rule: each row a formula as a lesson
// builds it and the line a teacher writes for it, in English and in
// Bulgarian (whose pairs take "; "); every line must also read back in the
// independent reader of the notation, and a computation shown must hold.

#include "formulatext.h"
#include "schoolformula.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct Row
{
    const char *name;
    Expression formula;
    std::string english;
    std::string bulgarian = ""; // where it differs from English
    bool arithmetic = false;    // numbers only: what it says must hold
    bool readable = true;       // false beyond the reader's 128 bits: 2^127 itself
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

Expression N(std::string_view name)
{
    return Name(name);
}

const Expression x = N("x"), y = N("y"), t = N("t"), A = N("A"), B = N("B"), C = N("C"), d = N("d"),
                 p = N("p"), q = N("q");

// Values for the letters, so that the reader can evaluate every row.
const NameValues Letters = {
    {"x", {3, 1}},  {"y", {-2, 1}}, {"t", {2, 1}},    {"A", {91, 1}}, {"B", {35, 1}},
    {"C", {14, 1}}, {"d", {7, 1}},  {"p", {-5, 1}},   {"q", {13, 1}}, {"b", {6, 1}},
    {"c", {4, 1}},  {"x₀", {4, 1}}, {"y₀", {-10, 1}}, {"x₁", {2, 1}}, {"r₁₂", {1, 1}},
};

class Written : public testing::TestWithParam<Row>
{
};

TEST_P(Written, AsTheSchoolWritesIt)
{
    const Row &row = GetParam();
    const std::string bulgarian = row.bulgarian.empty() ? row.english : row.bulgarian;
    EXPECT_EQ(FormulaText(row.formula, SchoolNotation("en")), row.english);
    EXPECT_EQ(FormulaText(row.formula, SchoolNotation("bg")), bulgarian);
    EXPECT_EQ(FormulaText(row.formula, SchoolNotation("uk")), bulgarian);

    if (!row.readable)
        return;
    const auto english = ReadSchoolFormula(row.english, ", ", Letters);
    ASSERT_TRUE(english) << row.english;
    const auto read = ReadSchoolFormula(bulgarian, "; ", Letters);
    ASSERT_TRUE(read) << bulgarian;
    EXPECT_EQ(english->Canonical(), read->Canonical());
    if (row.arithmetic) {
        EXPECT_TRUE(read->Holds()) << read->Canonical();
    }
}

std::string RowName(const testing::TestParamInfo<Row> &info)
{
    return info.param.name;
}

// Signs written as operators, a true minus, brackets only where needed.
std::vector<Row> SignsRows()
{
    return {
        Row{"NegativeNumberWithTheTrueMinus", Int(-5), "−5"},
        Row{"BezoutsEquality", Equation(Int(7), Sum({Times(2, 91), Times(-5, 35)})),
            "7 = 2·91 − 5·35", "", true},
        Row{"DifferenceNotPlusNegative", Equation(Sum({Int(364), Int(-350)}), Int(14)),
            "364 − 350 = 14", "", true},
        Row{"CheckWithANegativeFactor",
            Equalities({Sum({Times(91, 4), Times(35, -10)}), Sum({Int(364), Int(-350)}), Int(14)}),
            "91·4 + 35·(−10) = 364 − 350 = 14", "", true},
        Row{"ProductsShownBeforeTheirSum",
            Equalities({Sum({Times(91, 4), Times(35, 10)}), Sum({Int(364), Int(350)}), Int(714)}),
            "91·4 + 35·10 = 364 + 350 = 714", "", true},
        Row{"ProductAloneBracketsEveryNegativeFactor", Equation(Times(2, 91), Times(-2, -91)),
            "2·91 = (−2)·(−91)", "", true},
        Row{"SecondFactorNegative", Times(2, -5), "2·(−5)"},
        Row{"FirstTermAProductWithANegativeNumber",
            Equation(Sum({Times(-2, 74), Times(15, 10)}), Int(2)), "−2·74 + 15·10 = 2", "", true},
        Row{"DivisionWithItsRemainder", Equation(Int(91), Sum({Times(2, 35), Int(21)})),
            "91 = 2·35 + 21", "", true},
        Row{"RemainderFromItsDivision", Equation(Int(21), Sum({Int(91), Times(-2, 35)})),
            "21 = 91 − 2·35", "", true},
        Row{"BackSubstitutionWithASumAsFactor",
            Equalities({Int(2), Sum({Int(10), Times(-2, 4)}),
                        Sum({Int(10), Times({Int(-2), Sum({Int(74), Times(-7, 10)})})}),
                        Sum({Times(15, 10), Times(-2, 74)})}),
            "2 = 10 − 2·4 = 10 − 2·(74 − 7·10) = 15·10 − 2·74", "", true},
        Row{"NegativeTermsAfterANegativeFirst",
            Equation(Sum({Term(-3, "x"), Term(-5, "y")}), Int(-1)), "−3x − 5y = −1"},
        Row{"NegativeFactorOfAProductInASum", Sum({Times(2, 3), Times({Int(-4), Int(-5)})}),
            "2·3 − 4·(−5)"},
        Row{"ZerosKeptWhereTheArithmeticIsShown",
            Equalities({Sum({Times(91, 0), Times(35, 2)}), Sum({Int(0), Int(70)}), Int(70)}),
            "91·0 + 35·2 = 0 + 70 = 70", "", true},
        Row{"ProductWithAZeroKeptWhenZerosAreDropped", Sum({Times(0, 5), Int(3)}, Zeros::Drop),
            "0·5 + 3"}};
}

INSTANTIATE_TEST_SUITE_P(Signs, Written, testing::ValuesIn(SignsRows()), RowName);

// The algebra's juxtaposed factors.
std::vector<Row> ImplicitProductsRows()
{
    return {
        Row{"CoefficientBesideItsLetter", Sum({Term(5, "t"), Term(13, "x")}), "5t + 13x"},
        Row{"CoefficientOneNotWritten", Equation(y, Term(1, "t")), "y = t"},
        Row{"CoefficientMinusOneABareMinus", Equation(y, Term(-1, "t")), "y = −t"},
        Row{"ZeroConstantLeftOut", Equation(x, Sum({Int(0), Term(3, "t")}, Zeros::Drop)), "x = 3t"},
        Row{"MinusOneAfterAConstant", Equation(x, Sum({Int(4), Term(-1, "t")}, Zeros::Drop)),
            "x = 4 − t"},
        Row{"NegativeConstantAndStep", Equation(y, Sum({Int(-10), Term(-13, "t")}, Zeros::Drop)),
            "y = −10 − 13t"},
        Row{"ZeroStepLeftOut", Equation(y, Sum({Int(5), Term(0, "t")}, Zeros::Drop)), "y = 5"},
        Row{"NothingLeftIsZero", Equation(x, Sum({Int(0), Term(0, "t")}, Zeros::Drop)), "x = 0"},
        Row{"EquationAsGiven", LinearEquation(91, -35, 14), "91x − 35y = 14"},
        Row{"ZeroCoefficientKeptAsGiven", LinearEquation(0, 4, 6), "0x + 4y = 6"},
        Row{"UnitCoefficientsAsGiven", LinearEquation(1, -1, 0), "x − y = 0"},
        Row{"NegativeCoefficientsAsGiven", LinearEquation(-1, -3, -2), "−x − 3y = −2"},
        Row{"GeneralSolution",
            List({Equation(x, Sum({Int(4), Term(-5, "t")}, Zeros::Drop)),
                  Equation(y, Sum({Int(-10), Term(13, "t")}, Zeros::Drop)), InIntegers(t)}),
            "x = 4 − 5t, y = −10 + 13t, t ∈ ℤ"},
        Row{"GeneralSolutionFromItsLetters",
            Equation(x, Sum({Name("x", 1), Implicit({Int(-1), Quotient(B, d), t})})),
            "x = x₁ − (B/d)t"},
        Row{"WhyEveryStepSolves",
            Equation(Sum({Implicit({A, Sum({Name("x", 0), Implicit({p, t})})}),
                          Implicit({B, Sum({Name("y", 0), Implicit({q, t})})})}),
                     Sum({C, Implicit({Sum({Implicit({A, p}), Implicit({B, q})}), t})})),
            "A(x₀ + pt) + B(y₀ + qt) = C + (Ap + Bq)t"},
        Row{"NegatedSum", Term(-1, Sum({N("b"), Term(-1, "c")})), "−(b − c)"},
        Row{"UnitCoefficientBeforeANumberWritten",
            List({Term(-1, Int(5)), Term(-1, Int(0)), Term(1, Int(-5))}), "−1·5, −1·0, 1·(−5)"},
        Row{"NumberAfterALetterTakesTheSign", Implicit({t, Int(5)}), "t·5"},
        Row{"NegativeNumberAfterALetter", Implicit({A, Int(-5)}), "A·(−5)"},
        Row{"NegativeTermAsAFactor", Times({Int(2), Term(-5, "t")}), "2·(−5t)"},
        Row{"SubscriptDigits", Sum({Name("x", 0), Name("r", 12)}), "x₀ + r₁₂"}};
}

INSTANTIATE_TEST_SUITE_P(ImplicitProducts, Written, testing::ValuesIn(ImplicitProductsRows()),
                         RowName);

std::vector<Row> QuotientsAndInequalitiesRows()
{
    return {Row{"Quotient", Equation(Quotient(Int(14), Int(7)), Int(2)), "14/7 = 2", "", true},
            Row{"QuotientOfLetters", Quotient(C, d), "C/d"},
            Row{"NegativeFraction", Compare(t, Relation::AtMost, Quotient(Int(-2), Int(5))),
                "t ≤ −2/5"},
            Row{"NegativeFractionAsATerm", Sum({x, Quotient(Int(-2), Int(5))}), "x − 2/5"},
            Row{"NegativeDenominatorBracketed", Quotient(Int(2), Int(-5)), "2/(−5)"},
            Row{"SumOverItsDivisor", Quotient(Sum({Implicit({A, p}), Implicit({B, q})}), d),
                "(Ap + Bq)/d"},
            Row{"ProductBelowTheLineBracketed", Quotient(Int(1), Implicit({Int(5), t})), "1/(5t)"},
            Row{"QuotientAsAFactor", Times({Quotient(B, d), t}), "(B/d)·t"},
            Row{"BoundOnTheParameter", Compare(t, Relation::AtLeast, Int(-1)), "t ≥ −1"},
            Row{"BoundOnATerm", Compare(Term(-5, "t"), Relation::AtMost, Int(3)), "−5t ≤ 3"},
            Row{"StrictBounds",
                List({Compare(t, Relation::Less, Int(0)), Compare(x, Relation::Greater, Int(1))}),
                "t < 0, x > 1"},
            Row{"RangeAsOneChain",
                Compare(Compare(Int(-3), Relation::AtMost, x), Relation::AtMost, Int(3)),
                "−3 ≤ x ≤ 3"},
            Row{"ReasoningStepByStep",
                Implications({Compare(Sum({Int(-1), Term(-5, "t")}), Relation::AtLeast, Int(1)),
                              Compare(Term(-5, "t"), Relation::AtLeast, Int(2)),
                              Compare(t, Relation::AtMost, Quotient(Int(-2), Int(5))),
                              Compare(t, Relation::AtMost, Int(-1))}),
                "−1 − 5t ≥ 1  ⇒  −5t ≥ 2  ⇒  t ≤ −2/5  ⇒  t ≤ −1"},
            Row{"AbsoluteValues", Compare(Abs(Name("x", 1)), Relation::AtMost, Quotient(Abs(B), d)),
                "|x₁| ≤ |B|/d"},
            Row{"AbsoluteValueAfterACoefficient", Term(2, Abs(Int(-3))), "2·|−3|"}};
}

INSTANTIATE_TEST_SUITE_P(QuotientsAndInequalities, Written,
                         testing::ValuesIn(QuotientsAndInequalitiesRows()), RowName);

std::vector<Row> PairsRows()
{
    return {Row{"PairOfNumbers", Pair(Int(4), Int(-10)), "(4, −10)", "(4; −10)"},
            Row{"PairOfTheGeneralSolution",
                Pair(Sum({Int(4), Term(-5, "t")}), Sum({Int(-10), Term(13, "t")})),
                "(4 − 5t, −10 + 13t)", "(4 − 5t; −10 + 13t)"},
            Row{"PairsListed", List({Pair(Int(4), Int(7)), Pair(Int(9), Int(4))}), "(4, 7), (9, 4)",
                "(4; 7), (9; 4)"}};
}

INSTANTIATE_TEST_SUITE_P(Pairs, Written, testing::ValuesIn(PairsRows()), RowName);

const Wide Lowest = -(Wide(1) << 126) * 2, Highest = -(Lowest + 1);

// Products of the checks reach past 64 bits; the extremes of 128 bits are
// written digit for digit, the most negative one too.
std::vector<Row> WideIntegersRows()
{
    return {Row{"MostNegative", Int(Lowest), "−170141183460469231731687303715884105728", "", false,
                false},
            Row{"MostPositive", Int(Highest), "170141183460469231731687303715884105727"},
            Row{"MostNegativeAsATerm", Sum({Int(1), Int(Lowest)}),
                "1 − 170141183460469231731687303715884105728", "", false, false},
            Row{"MostNegativeCoefficient", Term(Lowest, "t"),
                "−170141183460469231731687303715884105728t", "", false, false},
            Row{"MostNegativeFactor", Times(2, Lowest),
                "2·(−170141183460469231731687303715884105728)", "", false, false},
            Row{"CoefficientTimesAPupilsNumber",
                Equation(Times(Wide(2147483647), Wide(9223372036854775807)),
                         Int(Wide(2147483647) * Wide(9223372036854775807))),
                "2147483647·9223372036854775807 = 19807040619342712359383728129", "", true},
            Row{"NegativeWideProductInASum",
                Equation(Sum({Times(Wide(2147483647), Wide(-9223372036854775807) - 1), Int(1)}),
                         Int(Wide(2147483647) * (Wide(-9223372036854775807) - 1) + 1)),
                "2147483647·(−9223372036854775808) + 1 = −19807040619342712361531211775", "",
                true}};
}

INSTANTIATE_TEST_SUITE_P(WideIntegers, Written, testing::ValuesIn(WideIntegersRows()), RowName);

TEST(Notation, EachLanguageItsPairSeparator)
{
    EXPECT_EQ(SchoolNotation("bg").pairSeparator, "; ");
    EXPECT_EQ(SchoolNotation("uk").pairSeparator, "; ");
    EXPECT_EQ(SchoolNotation("en").pairSeparator, ", ");
    // A language without a notation of its own writes English's.
    EXPECT_EQ(SchoolNotation("de").pairSeparator, ", ");
    EXPECT_EQ(SchoolNotation("").pairSeparator, ", ");
}

TEST(Notation, WrittenWithTheSignsItIsGiven)
{
    Notation board;
    board.times = "×";
    board.minus = "-";
    board.pairSeparator = " | ";
    board.space = "\u2009";
    board.divide = ":";
    board.listSeparator = "; ";
    board.implies = "=>";
    board.wideSpace = " ";
    board.element = "in";
    board.integers = "Z";
    const Expression formula =
        List({Equation(Sum({Times(2, -91), Int(-3)}), Quotient(Int(14), Int(7))),
              Implications({Pair(Int(1), Int(-2)), InIntegers(t)})});
    EXPECT_EQ(FormulaText(formula, board),
              "2×(-91)\u2009-\u20093\u2009=\u200914:7; (1 | -2) => t\u2009in\u2009Z");
}

TEST(Notation, IntegerAlone)
{
    EXPECT_EQ(IntegerText(-5, SchoolNotation("bg")), "−5");
    EXPECT_EQ(IntegerText(0, SchoolNotation("en")), "0");
    EXPECT_EQ(IntegerText(Lowest, SchoolNotation("en")),
              "−170141183460469231731687303715884105728");
}

} // namespace
