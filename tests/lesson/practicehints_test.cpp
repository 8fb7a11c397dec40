// The hints, each read back with a reader of the school notation of its own:
// true formulas, each building on the last, and the last the whole answer
// the checker accepts, over many equations and in every language.

#include "answercheck.h"
#include "answermodel.h"
#include "languages.h"
#include "practicehints.h"
#include "schoolformula.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>

namespace {

Big Number(const std::string &text)
{
    Big n = 0;
    for (const char c : text)
        if (c >= '0' && c <= '9')
            n = n * 10 + (c - '0');
    return text.starts_with("−") ? -n : n;
}

std::string Text(Big n)
{
    std::string digits;
    const bool negative = n < 0;
    do {
        const int d = static_cast<int>(n % 10);
        digits.insert(digits.begin(), static_cast<char>('0' + (d < 0 ? -d : d)));
        n /= 10;
    } while (n != 0);
    return negative ? "-" + digits : digits;
}

// The formula the regex's group holds, read and checked true.
SchoolFormula Read(const std::string &text, const Catalogue &language, const NameValues &names = {})
{
    const std::string_view separator = language.code.value == std::string_view("en") ? ", " : "; ";
    const auto formula = ReadSchoolFormula(text, separator, names);
    EXPECT_TRUE(formula) << "not a formula: " << text;
    if (!formula)
        return {};
    EXPECT_TRUE(formula->Holds()) << "not true: " << text;
    return *formula;
}

Big Whole(const SchoolFormula &f)
{
    EXPECT_EQ(f.value.denominator, 1) << f.Canonical();
    return f.value.numerator;
}

TEST(PracticeHints, ABoardExampleInEnglish)
{
    EXPECT_EQ(PracticeHints("91", "35", "14", English),
              (std::vector<std::string>{
                  "Start with the GCD: GCD(91, 35) = 7, and 7 divides 14, so the equation has "
                  "integer solutions. Euclid's algorithm gives Bézout's equality 7 = 2·91 − 5·35; "
                  "multiply it by 14/7 = 2.",
                  "A particular solution: 14 = 2·(2·91 − 5·35) = 4·91 − 10·35, so x₀ = 4, "
                  "y₀ = −10.",
                  "The general solution: x = 4 − 5t, y = −10 + 13t, t ∈ ℤ. Why: put x = x₀ + pt, "
                  "y = y₀ + qt into the equation, A(x₀ + pt) + B(y₀ + qt) = C + (Ap + Bq)t, so "
                  "Ap + Bq must be 0, here 91p + 35q = 0. p = −5, q = 13 are its solution with no "
                  "common factor (B and −A divided by the GCD, 7, with the opposite sign), so "
                  "every t gives a solution and no solution is missed."}));
}

struct SpecialRow
{
    const char *name;
    const char *a, *b, *c;
    std::vector<std::string> hints;
};

class SpecialHints : public testing::TestWithParam<SpecialRow>
{
};

TEST_P(SpecialHints, InEnglish)
{
    const SpecialRow &row = GetParam();
    EXPECT_EQ(PracticeHints(row.a, row.b, row.c, English), row.hints);
}

INSTANTIATE_TEST_SUITE_P(
    Equations, SpecialHints,
    testing::Values(
        SpecialRow{"NoSolutionAsksThenSaysWhy",
                   "4",
                   "6",
                   "3",
                   {"Start with the GCD: GCD(4, 6) = 2. Does 2 divide 3?",
                    "No pair of whole numbers solves 4x + 6y = 3: GCD(4, 6) = 2, so the left side "
                    "is always a multiple of 2, and 2 does not divide 3."}},
        SpecialRow{"CIsTheGcd",
                   "3",
                   "5",
                   "1",
                   {"Start with the GCD: GCD(3, 5) = 1, and 1 divides 1, so the equation has "
                    "integer solutions. Euclid's algorithm gives Bézout's equality 1 = 2·3 − 1·5, "
                    "whose left side is already 1.",
                    "A particular solution: 1 = 2·3 − 1·5, so x₀ = 2, y₀ = −1.",
                    "The general solution: x = 2 − 5t, y = −1 + 3t, t ∈ ℤ. Why: put x = x₀ + pt, "
                    "y = y₀ + qt into the equation, A(x₀ + pt) + B(y₀ + qt) = C + (Ap + Bq)t, so "
                    "Ap + Bq must be 0, here 3p + 5q = 0. p = −5, q = 3 are its solution with no "
                    "common factor (B and −A divided by the GCD, 1, with the opposite sign), so "
                    "every t gives a solution and no solution is missed."}},
        SpecialRow{"ZeroEquation",
                   "0",
                   "0",
                   "0",
                   {"Every pair of whole numbers solves 0x + 0y = 0: x and y are both free, so "
                    "no p and q are needed."}},
        SpecialRow{"ZeroLeftSide",
                   "0",
                   "0",
                   "4",
                   {"No pair of whole numbers solves 0x + 0y = 4: 0x + 0y is 0 for every pair, "
                    "never 4."}},
        SpecialRow{"RefusedHasNone", "1", "40000", "1", {}}),
    [](const auto &info) { return std::string(info.param.name); });

// Over many equations: each hint true and read back, each building on the
// last, and the last one's answer what the checker calls right.
TEST(PracticeHints, TrueBuildingAndEndingInTheWholeAnswer)
{
    std::mt19937_64 rng(20261210);
    const auto between = [&](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
    };
    static const std::regex gcdLine("GCD\\(((?:−)?\\d+), ((?:−)?\\d+)\\) = (\\d+)");
    static const std::regex start("equality (.+?)(?:; multiply it by (.+?)\\.|, whose)");
    static const std::regex particular(
        "solution: (.+?), so x₀ = ((?:−)?\\d+), y₀ = ((?:−)?\\d+)\\.$");
    static const std::regex general("solution: (x = .+?, y = .+?, t ∈ ℤ)\\. Why: .*here (.+?)\\. "
                                    "p = ((?:−)?\\d+), q = ((?:−)?\\d+) are");
    int solvable = 0, unsolvable = 0;
    for (int n = 0; n < 1500; ++n) {
        const std::int64_t scale = between(0, 2) == 0 ? between(2, 40) : 1;
        const std::int64_t range = between(0, 1) == 0 ? 100 : 30000;
        const std::int64_t a = scale * between(-range, range), b = scale * between(-range, range);
        const std::int64_t c =
            between(0, 3) == 0 ? between(-range, range) : scale * between(-range, range);
        if (b < -32767 || b > 32767)
            continue;
        const ModelEquation e = Model(a, b, c);
        const std::string as = std::to_string(a), bs = std::to_string(b), cs = std::to_string(c);
        const std::string where = as + "x + " + bs + "y = " + cs;
        const std::vector<std::string> hints = PracticeHints(as, bs, cs, English);
        ASSERT_EQ(hints.size(), PracticeHints(as, bs, cs, Bulgarian).size()) << where;
        ASSERT_EQ(hints.size(), PracticeHints(as, bs, cs, *FindCatalogue("uk")).size()) << where;
        if (e.gcd == 0)
            continue;
        std::smatch m;
        ASSERT_TRUE(std::regex_search(hints[0], m, gcdLine)) << hints[0];
        ASSERT_EQ(Number(m[1]), e.a);
        ASSERT_EQ(Number(m[2]), e.b);
        ASSERT_EQ(Number(m[3]), e.gcd);
        if (!e.solvable) {
            ASSERT_EQ(hints.size(), 2u) << where;
            ++unsolvable;
            continue;
        }
        ASSERT_EQ(hints.size(), 3u) << where;
        ++solvable;

        // 1. Bézout's equality, true, and the factor C/d.
        ASSERT_TRUE(std::regex_search(hints[0], m, start)) << hints[0];
        const SchoolFormula bezout = Read(m[1], English);
        ASSERT_EQ(Whole(bezout.parts.front()), e.gcd) << hints[0];
        const std::string combination = std::string(m[1]).substr(std::string(m[1]).find(" = ") + 3);
        if (m[2].matched) {
            const SchoolFormula factor = Read(m[2], English);
            ASSERT_EQ(Whole(factor.parts.back()) * e.gcd, e.c) << hints[0];
        } else {
            ASSERT_EQ(e.c, e.gcd) << hints[0];
        }

        // 2. That equality multiplied out: a pair that solves the equation.
        ASSERT_TRUE(std::regex_search(hints[1], m, particular)) << hints[1];
        ASSERT_NE(hints[1].find(combination), std::string::npos) << hints[1];
        const SchoolFormula chain = Read(m[1], English);
        ASSERT_EQ(Whole(chain.parts.front()), e.c) << hints[1];
        const Big x0 = Number(m[2]), y0 = Number(m[3]);
        ASSERT_EQ(e.a * x0 + e.b * y0, e.c) << hints[1];

        // 3. The general solution from that pair, every t a solution, and the
        // steps with no common factor.
        ASSERT_TRUE(std::regex_search(hints[2], m, general)) << hints[2];
        const Big p = Number(m[3]), q = Number(m[4]);
        ASSERT_EQ(e.a * p + e.b * q, 0) << hints[2];
        ASSERT_EQ(Gcd(p < 0 ? -p : p, q < 0 ? -q : q), 1) << hints[2];
        Read(std::string(m[2]), English, {{"p", *Rational::Of(p, 1)}, {"q", *Rational::Of(q, 1)}});
        const std::string family = m[1];
        const std::size_t comma = family.find(", y = ");
        ASSERT_TRUE(family.ends_with(", t ∈ ℤ")) << family;
        const std::string xSide = family.substr(4, comma - 4);
        const std::string ySide = family.substr(comma + 6, family.rfind(", t") - comma - 6);
        for (const Big t : {Big(0), Big(1), Big(-3)}) {
            const NameValues at = {{"t", *Rational::Of(t, 1)}};
            const Big x = Whole(Read(xSide, English, at));
            const Big y = Whole(Read(ySide, English, at));
            ASSERT_EQ(x, x0 + p * t) << hints[2];
            ASSERT_EQ(y, y0 + q * t) << hints[2];
        }

        // The last hint is the whole answer: the checker calls it right.
        const AnswerCheck check =
            CheckAnswer(as, bs, cs, {Text(x0), Text(y0), Text(p), Text(q)}, ".", English);
        ASSERT_EQ(check.verdict, Verdict::Right) << where;
        // The hints before it hold no general solution in numbers.
        static const std::regex inNumbers("[xy] = (?:−)?\\d+ (?:[+]|−) \\d*t");
        ASSERT_FALSE(std::regex_search(hints[0], inNumbers)) << hints[0];
        ASSERT_FALSE(std::regex_search(hints[1], inNumbers)) << hints[1];
    }
    EXPECT_GT(solvable, 500);
    EXPECT_GT(unsolvable, 100);
}

// The formulas in Bulgarian and Ukrainian are the board's, the pair with ";".
TEST(PracticeHints, OwnWordsAndNotationInEachLanguage)
{
    const std::vector<std::string> bg = PracticeHints("91", "-35", "-14", Bulgarian);
    ASSERT_EQ(bg.size(), 3u);
    EXPECT_EQ(bg[0], "Започнете с НОД: НОД(91, −35) = 7 и 7 е делител на −14, затова уравнението "
                     "има решения в цели числа. Алгоритъмът на Евклид дава равенството на Безу "
                     "7 = 2·91 + 5·(−35); умножете го по −14/7 = −2.");
    EXPECT_EQ(bg[1], "Частно решение: −14 = (−2)·(2·91 + 5·(−35)) = −4·91 − 10·(−35), следователно "
                     "x₀ = −4, y₀ = −10.");
    const std::vector<std::string> uk = PracticeHints("4", "6", "3", *FindCatalogue("uk"));
    ASSERT_EQ(uk.size(), 2u);
    EXPECT_EQ(uk[0], "Почніть із НСД: НСД(4, 6) = 2. Чи ділиться 3 на 2?");
}

} // namespace
