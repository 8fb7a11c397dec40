// Euclid's way held against a model worked out apart from it, on every road,
// in both methods and every language, over thousands of generated equations
// to the ends of the ranges; every formula it writes read back in the school
// notation and evaluated; its table's rows, its written remainders, its
// reduced pair and its orientation checked on their own; and its general
// solution against brute force.

#include "euclid.h"
#include "euclidmodel.h"
#include "generalsolution.h"
#include "notation.h"
#include "printedinteger.h"
#include "schoolformula.h"
#include "solvetexts.h"

#include <gtest/gtest.h>

#include <iostream>
#include <numeric>
#include <random>
#include <set>

namespace {

using Method = EuclidLesson::Method;
using Kind = EuclidStep::Kind;
constexpr std::array<Method, 2> Methods = {Method::Substitution, Method::Table};

std::string MethodName(Method method)
{
    return method == Method::Table ? "table" : "substitution";
}

struct Road
{
    const char *name;
    std::array<std::string, 3> texts;
    std::array<std::string, 3> readAs = {}; // for the texts that are not plain
};

void PrintTo(const Road &road, std::ostream *out)
{
    *out << road.name;
}

std::vector<std::string> Account(const std::array<std::string, 3> &texts, const Catalogue &language,
                                 Method method = Method::Substitution,
                                 std::string_view separator = ".")
{
    return Lines(EuclidAccount(texts[0], texts[1], texts[2], separator, language, method));
}

ModelLesson Model(const std::array<std::string, 3> &texts, const std::array<std::string, 3> &readAs,
                  const Catalogue &language, Method method)
{
    const auto transcript = Lines(SolveTexts(texts[0], texts[1], texts[2], 4, ".", language));
    return ModelEuclid({texts, readAs, TranscriptPair(transcript, language.transcript)}, language,
                       method == Method::Table);
}

// Every formula the model put in its lines, read in the language's notation
// with its letters' values: it must be a formula, and a true one.
int ExpectFormulasHold(const ModelLesson &model, const Catalogue &language)
{
    const std::string separator = SchoolNotation(language.code).pairSeparator;
    int held = 0;
    for (const ModelFormula &formula : model.formulas) {
        const auto read = ReadSchoolFormula(formula.text, separator, formula.names);
        EXPECT_TRUE(read.has_value()) << "no formula: " << formula.text;
        if (read && formula.holds) {
            EXPECT_TRUE(read->Holds()) << "false: " << formula.text;
            ++held;
        }
    }
    return held;
}

class EuclidRoad : public testing::TestWithParam<Road>
{
};

TEST_P(EuclidRoad, MatchesTheModelInBothMethodsAndEveryLanguage)
{
    const Road &road = GetParam();
    for (const Catalogue *language : Catalogues) {
        for (const Method method : Methods) {
            SCOPED_TRACE(std::string(language->code) + ", " + MethodName(method));
            const ModelLesson model = Model(road.texts, road.readAs, *language, method);
            EXPECT_EQ(Account(road.texts, *language, method), model.lines);
            ExpectFormulasHold(model, *language);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Roads, EuclidRoad,
    testing::Values(Road{"solvable", {"91", "35", "14"}}, Road{"smallerFirst", {"35", "91", "14"}},
                    Road{"negativeA", {"-91", "35", "-14"}}, Road{"negativeB", {"91", "-35", "14"}},
                    Road{"allNegative", {"-91", "-35", "-14"}}, Road{"noSolution", {"4", "6", "3"}},
                    Road{"noSolutionNegative", {"-12", "18", "-4"}}, Road{"equal", {"7", "7", "7"}},
                    Road{"opposite", {"7", "-7", "14"}}, Road{"bDividesA", {"12", "4", "8"}},
                    Road{"aDividesB", {"4", "12", "-8"}}, Road{"ones", {"1", "1", "5"}},
                    Road{"reduced", {"1534", "1309", "652"}},
                    Road{"reducedNegative", {"-1534", "1309", "-652"}},
                    Road{"widestB", {"1", "32767", "1"}}, Road{"zeroC", {"4", "6", "0"}},
                    Road{"zeroCNegative", {"-4", "6", "0"}}, Road{"zeroASolved", {"0", "4", "8"}},
                    Road{"zeroANone", {"0", "4", "6"}}, Road{"zeroANegativeB", {"0", "-4", "8"}},
                    Road{"zeroBSolved", {"6", "0", "-12"}}, Road{"zeroBNone", {"5", "0", "7"}},
                    Road{"everyPair", {"0", "0", "0"}}, Road{"noPair", {"0", "0", "5"}},
                    Road{"lowestEnds", {"-2147483648", "-32767", "-2147483648"}},
                    Road{"highestEnds", {"2147483647", "32767", "2147483647"}},
                    Road{"mixedEnds", {"-2147483648", "32767", "2147483647"}},
                    Road{"fibonacci", {"1836311903", "28657", "1134903170"}},
                    Road{"longestChain", {"2147458663", "-28657", "-2147483648"}},
                    Road{"aTooLarge", {"2147483648", "1", "1"}},
                    Road{"bTooLarge", {"1", "32768", "1"}},
                    Road{"cTooSmall", {"1", "1", "-2147483649"}},
                    Road{"allRefused", {"2147483648", "-32768", "2147483648"}},
                    Road{"decimalComma", {"1,5", "2", "3"}, {"1", "", ""}},
                    Road{"decimalPoint", {"1.5", "2", "3"}, {"1", "", ""}},
                    Road{"roundedDown", {"-7.2", "3", "1"}, {"-8", "", ""}},
                    Road{"letters", {"abc", "4", "8"}, {"0", "", ""}},
                    Road{"emoji", {"5", "\xF0\x9F\x98\x80", "10"}, {"", "0", ""}},
                    Road{"unicodeMinus",
                         {"3", "5",
                          "\xE2\x88\x92"
                          "5"},
                         {"", "", "0"}},
                    Road{"empty", {"", "", ""}, {"0", "0", "0"}},
                    Road{"trailingLetters", {"12abc", "8", "4"}, {"12", "", ""}},
                    Road{"leadingBlank", {" 5", "3", "1"}, {"5", "", ""}},
                    Road{"plusSign", {"+5", "3", "1"}},
                    Road{"exponentRefused", {"3", "5", "9e99"}, {"", "", "9E+99"}},
                    Road{"exponentAccepted", {"1e3", "7", "1"}, {"1000", "", ""}}),
    [](const testing::TestParamInfo<Road> &info) { return std::string(info.param.name); });

// The example as a teacher would check it by hand on the board.
TEST(EuclidAccount, WorkedExampleLineByLine)
{
    const std::vector<std::string> common = {
        "7 divides 14, since 14 = 2·7, so the equation has integer solutions.",
    };
    const std::vector<std::string> fromBezout = {
        "Multiplying by C/d = 14/7 = 2: 14 = 2·7 = 2·(2·91 − 5·35) = 4·91 − 10·35",
        "A particular solution: x₁ = 4, y₁ = −10",
        "Check: 91·4 + 35·(−10) = 364 − 350 = 14",
        "The general solution is x = x₁ − (B/d)t, y = y₁ + (A/d)t, t ∈ ℤ, here with B/d = 35/7 = "
        "5 and A/d = 91/7 = 13:",
        "x = 4 − 5t, y = −10 + 13t, t ∈ ℤ",
        "It solves the equation for every t, as the terms in t cancel: 91(4 − 5t) + 35(−10 + 13t) "
        "= 91·4 + 35·(−10) − 455t + 455t = 14",
        "Every solution has this form: subtracting 91·4 + 35·(−10) = 14 from 91x + 35y = 14 gives "
        "91(x − 4) + 35(y + 10) = 0, and dividing by 7 gives 13(x − 4) = −5(y + 10).",
        "13 and 5 are coprime, so 5 divides x − 4: x − 4 = −5t for some integer t, and then "
        "y + 10 = 13t.",
        "The working's search found x₀ = −1, y₀ = 3; the general solution above gives that pair at "
        "t = 1:",
        "x = 4 − 5·1 = −1, y = −10 + 13·1 = 3",
        "So both formulas give the same pairs: the working's x = x₀ − 5t, y = y₀ + 13t gives at "
        "any t the pair this one gives at t + 1.",
    };
    std::vector<std::string> substitution = {
        "The equation to solve in integers: 91x + 35y = 14",
        "Euclid's algorithm for |A| = 91 and |B| = 35, one division per line:",
        "91 = 2·35 + 21",
        "35 = 1·21 + 14",
        "21 = 1·14 + 7",
        "14 = 2·7 + 0",
        "The last non-zero remainder is the GCD: d = GCD(91, 35) = 7.",
        common[0],
        "Each remainder from its division, as r = a − q·b:",
        "21 = 91 − 2·35",
        "14 = 35 − 1·21",
        "7 = 21 − 1·14",
        "Back-substitution, from the last division up: each line puts in a remainder from above, "
        "multiplies out the bracket and collects the terms:",
        "7 = 21 − 1·14 = 21 − 1·(35 − 1·21) = 21 − 1·35 + 1·21 = 2·21 − 1·35",
        "7 = 2·21 − 1·35 = 2·(91 − 2·35) − 1·35 = 2·91 − 4·35 − 1·35 = 2·91 − 5·35",
        "Bézout's equality for 91 and 35: 7 = 2·91 − 5·35",
    };
    substitution.insert(substitution.end(), fromBezout.begin(), fromBezout.end());
    EXPECT_EQ(Account({"91", "35", "14"}, English), substitution);

    std::vector<std::string> table = {
        "The equation to solve in integers: 91x + 35y = 14",
        "Euclid's algorithm as a table for |A| = 91 and |B| = 35; every row keeps r = s·91 + "
        "t·35:",
        "The first two rows are 91 and 35 themselves. Each further row divides the r two rows up "
        "by the r one row up: q is the quotient, and its r, s and t are each the value two rows "
        "up minus q times the value one row up.",
        "  q   r   s   t",
        "     91   1   0",
        "     35   0   1",
        "  2  21   1  −2",
        "  1  14  −1   3",
        "  1   7   2  −5",
        "The next division, 14 = 2·7 + 0, leaves no remainder, so the last r is the GCD: d = "
        "GCD(91, 35) = 7.",
        common[0],
        "The last row gives Bézout's equality for 91 and 35: 7 = 2·91 − 5·35",
    };
    table.insert(table.end(), fromBezout.begin(), fromBezout.end());
    EXPECT_EQ(Account({"91", "35", "14"}, English, Method::Table), table);
}

// Bézout's pair for 1534x + 1309y = 652 is far from the smallest: one shown
// step with its t brings it to the working's own pair.
TEST(EuclidAccount, ReducesALargePairInOneShownStep)
{
    const auto lines = Account({"1534", "1309", "652"}, English);
    const auto has = [&](const std::string &line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("A solution: x = 41728, y = −48900"));
    EXPECT_TRUE(has("x₁ = 41728 − 1309·32 = −160, y₁ = −48900 + 1534·32 = 188"));
    EXPECT_TRUE(has("x = −160 − 1309t, y = 188 + 1534t, t ∈ ℤ"));
    EXPECT_TRUE(has("The working's search found the same pair, x₀ = −160, y₀ = 188, so its "
                    "general solution is this one."));
    for (const std::string &line : lines)
        EXPECT_EQ(line.find("x₁ = 41728,"), std::string::npos) << line;

    const auto general = FindGeneralSolution(1534, 1309, 652);
    ASSERT_TRUE(general.has_value());
    EXPECT_TRUE(general->x1 == -160 && general->y1 == 188 && general->d == 1 &&
                general->bOverD == 1309 && general->aOverD == 1534);
    const auto small = FindGeneralSolution(91, 35, 14); // |4| ≤ 5: kept as Bézout gives it
    ASSERT_TRUE(small.has_value());
    EXPECT_TRUE(small->x1 == 4 && small->y1 == -10 && small->d == 7 && small->bOverD == 5 &&
                small->aOverD == 13);
    EXPECT_FALSE(FindGeneralSolution(4, 6, 3).has_value());
    EXPECT_FALSE(FindGeneralSolution(0, 6, 3).has_value());
}

// A negative A or B is spoken of only where it changes a term, with the
// reason; C = 0 writes x = −3t, not 0 + …; an exact first division names
// the divisor the GCD.
TEST(EuclidAccount, SignsZerosAndExactDivisions)
{
    const auto negative = Account({"-91", "35", "-14"}, English);
    EXPECT_NE(std::find(negative.begin(), negative.end(),
                        "A = −91 is negative, and 2·91 = (−2)·(−91), so 7 = −2·(−91) − 5·35"),
              negative.end());
    for (const std::string &line : Account({"91", "35", "14"}, English))
        EXPECT_EQ(line.find("negative"), std::string::npos) << line;
    const auto zeroC = Account({"4", "6", "0"}, English);
    EXPECT_NE(std::find(zeroC.begin(), zeroC.end(), "x = −3t, y = 2t, t ∈ ℤ"), zeroC.end());
    const auto exact = Account({"90", "45", "9"}, English);
    ASSERT_GE(exact.size(), 4u);
    EXPECT_EQ(exact[3], "The division leaves no remainder, so the GCD is the divisor: d = GCD(90, "
                        "45) = 45.");
    EXPECT_EQ(Account({"0", "4", "8"}, English).back(),
              "4 divides 8, so y = 8/4 = 2, and x can be any integer.");
    EXPECT_EQ(Account({"5", "0", "7"}, English).back(),
              "5 does not divide 7, so no integer x makes 5x = 7: the equation has no integer "
              "solution.");
}

TEST(EuclidAccount, RefusalSaysWhyInOneLine)
{
    const auto lines = Account({"1", "1", "1.5e20"}, Bulgarian, Method::Substitution, ",");
    ASSERT_EQ(lines.size(), 2u); // how C was read, then the refusal
    EXPECT_EQ(lines[1], "Velmora не може да реши това уравнение: C = 1,5E+20 е извън допустимия "
                        "интервал от −2147483648 до 2147483647.");
    EXPECT_EQ(Account({"99999999999", "1", "1"}, English),
              std::vector<std::string>{"Velmora cannot solve this equation: A = 99999999999 lies "
                                       "outside the allowed range from −2147483648 to "
                                       "2147483647."});
}

TEST(EuclidAccount, FieldTextsQuotedOnOneLineBeforeAnythingIsSolved)
{
    const auto lines = Account({"1\r\n2", "\x80", std::string(60, '7') + "x"}, English);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Field A holds “1\uFFFD\uFFFD2”, which is not a plain whole number: it "
                        "is read as 1.");
    EXPECT_EQ(lines[1], "Field B holds “\uFFFD”, which is not a plain whole number: it is read "
                        "as 0.");
    EXPECT_NE(lines[2].find("“" + std::string(40, '7') + "…”"), std::string::npos) << lines[2];
    const EuclidLesson lesson = EuclidLessonFor("-7.5", "3", "1", ".", English);
    ASSERT_GE(lesson.steps.size(), 2u);
    EXPECT_EQ(lesson.steps[0].kind, Kind::Reading);
    EXPECT_EQ(lesson.steps[0].lines,
              std::vector<std::string>{
                  "Field A holds “-7.5”, which is not a plain whole number: it is read as −8."});
    EXPECT_EQ(lesson.steps[1].kind, Kind::Equation);
}

std::string Text(Wide n)
{
    return WideText(n);
}

// Coefficients a pupil might meet, the range's ends, and the worst cases of
// the algorithm: consecutive Fibonacci numbers.
std::array<std::string, 3> Generated(std::mt19937_64 &random)
{
    static const std::vector<Wide> ends = {-2147483648LL, 2147483647, -2147483647, 0, 1, -1};
    static const std::vector<Wide> bEnds = {-32767, 32767, -32766, 0, 1, -1, 28657, -17711};
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<std::int64_t> small(-40, 40), wide(-2147483648LL, 2147483647),
        narrow(-32767, 32767), pick(0, 1000);
    const auto from = [&](const std::vector<Wide> &values) {
        return values[static_cast<std::size_t>(pick(random)) % values.size()];
    };
    Wide a = 0, b = 0, c = 0;
    switch (kind(random)) {
    case 0:
    case 1:
        a = small(random), b = small(random), c = small(random);
        break;
    case 2:
        a = from(ends), b = from(bEnds), c = from(ends);
        break;
    case 3: // solvable by construction, with a large common divisor
    {
        const Wide g = 1 + pick(random) % 300;
        a = g * (wide(random) / 300);
        b = g * (narrow(random) / 300);
        c = g * (wide(random) / 300);
        break;
    }
    case 4: {
        const Wide fib[] = {1,   2,   3,   5,   8,    13,   21,   34,   55,    89,    144,
                            233, 377, 610, 987, 1597, 2584, 4181, 6765, 10946, 17711, 28657};
        const auto n = static_cast<std::size_t>(pick(random) % 21);
        // A large dividend whose remainder starts the Fibonacci chain.
        const Wide q = pick(random) % 2 ? 0 : pick(random) * 70;
        a = (q * fib[n + 1] + fib[n]) * (pick(random) % 2 ? 1 : -1);
        b = fib[n + 1] * (pick(random) % 2 ? 1 : -1);
        c = wide(random);
        break;
    }
    default:
        a = wide(random), b = narrow(random), c = wide(random);
    }
    return {Text(a), Text(b), Text(c)};
}

TEST(EuclidAccount, MatchesTheModelOverGeneratedEquations)
{
    std::mt19937_64 random(18122026);
    int bridges = 0, reduced = 0, formulas = 0;
    for (int n = 0; n < 4000; ++n) {
        const auto texts = Generated(random);
        const Catalogue &language = *Catalogues[static_cast<std::size_t>(n) % Catalogues.size()];
        const Method method = Methods[static_cast<std::size_t>(n / 2) % Methods.size()];
        const ModelLesson model = Model(texts, {}, language, method);
        const auto actual = Account(texts, language, method);
        ASSERT_EQ(actual, model.lines) << texts[0] << ", " << texts[1] << ", " << texts[2] << " in "
                                       << language.code.value << ", " << MethodName(method);
        formulas += ExpectFormulasHold(model, language);
        const EuclidLesson lesson =
            EuclidLessonFor(texts[0], texts[1], texts[2], ".", language, method);
        bridges += lesson.steps.back().kind == Kind::Bridge;
        const std::string_view solution = language.euclid.solution.value;
        reduced += std::any_of(actual.begin(), actual.end(), [&](const std::string &line) {
            return line.starts_with(solution.substr(0, solution.find('{')));
        });
    }
    std::cout << "[          ] " << bridges << " lessons reached the working's pair, " << reduced
              << " reduced Bézout's pair, " << formulas << " formulas held\n";
    EXPECT_GT(bridges, 1000);
    EXPECT_GT(reduced, 500);
    EXPECT_GT(formulas, 50000);
}

// The lesson's structure is its text, and the two methods differ only up to
// Bézout's equality.
TEST(EuclidLesson, StepsAreTheTextAndTheMethodsMeetAtBezout)
{
    std::mt19937_64 random(2812);
    int compared = 0;
    for (int n = 0; n < 600; ++n) {
        const auto texts = Generated(random);
        const Catalogue &language = *Catalogues[static_cast<std::size_t>(n) % Catalogues.size()];
        const EuclidLesson substitution =
            EuclidLessonFor(texts[0], texts[1], texts[2], ".", language, Method::Substitution);
        const EuclidLesson table =
            EuclidLessonFor(texts[0], texts[1], texts[2], ".", language, Method::Table);
        EXPECT_EQ(EuclidLessonText(substitution),
                  EuclidAccount(texts[0], texts[1], texts[2], ".", language));
        std::vector<Kind> kinds, tableKinds;
        for (const EuclidStep &step : substitution.steps) {
            kinds.push_back(step.kind);
            EXPECT_FALSE(step.table.has_value());
            EXPECT_FALSE(step.lines.empty());
        }
        for (const EuclidStep &step : table.steps) {
            tableKinds.push_back(step.kind);
            EXPECT_EQ(step.table.has_value(), step.kind == Kind::Algorithm);
        }
        std::erase(kinds, Kind::BackSubstitution);
        ASSERT_EQ(kinds, tableKinds);
        std::vector<const EuclidStep *> steps;
        for (const EuclidStep &step : substitution.steps)
            if (step.kind != Kind::BackSubstitution)
                steps.push_back(&step);
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            const EuclidStep &a = *steps[k], &b = table.steps[k];
            if (kinds[k] == Kind::Bezout) {
                // Only where the equality comes from differs.
                ASSERT_FALSE(a.lines.empty() || b.lines.empty());
                EXPECT_EQ(std::vector(a.lines.begin() + 1, a.lines.end()),
                          std::vector(b.lines.begin() + 1, b.lines.end()));
                ++compared;
            } else if (kinds[k] != Kind::Algorithm) {
                EXPECT_EQ(a.lines, b.lines);
            }
        }
    }
    EXPECT_GT(compared, 300);
}

// Each row of the table keeps r = s·|A| + t·|B|, comes from the two above
// it, and the last r is the GCD.
TEST(EuclidLesson, TableRowsKeepTheirRule)
{
    std::mt19937_64 random(4711);
    int rows = 0;
    for (int n = 0; n < 1500; ++n) {
        const auto texts = Generated(random);
        const EuclidLesson lesson =
            EuclidLessonFor(texts[0], texts[1], texts[2], ".", English, Method::Table);
        const auto step = std::find_if(lesson.steps.begin(), lesson.steps.end(),
                                       [](const EuclidStep &s) { return s.table.has_value(); });
        if (step == lesson.steps.end())
            continue;
        const EuclidTable &table = *step->table;
        ASSERT_EQ(table.headers, (std::vector<std::string>{"q", "r", "s", "t"}));
        const Wide a = std::stoll(texts[0]), b = std::stoll(texts[1]);
        const Wide absA = a < 0 ? -a : a, absB = b < 0 ? -b : b;
        std::vector<std::array<Wide, 4>> values;
        for (const auto &cells : table.rows) {
            ASSERT_EQ(cells.size(), 4u);
            std::array<Wide, 4> row{};
            for (std::size_t k = 0; k < 4; ++k) {
                if (k == 0 && values.size() < 2) {
                    EXPECT_EQ(cells[k], "");
                    continue;
                }
                const PrintedInteger read = ReadPrintedInteger(cells[k]);
                ASSERT_EQ(read.kind, PrintedInteger::Kind::Integer) << cells[k];
                row[k] = read.value;
            }
            EXPECT_TRUE(row[1] == row[2] * absA + row[3] * absB) << cells[1];
            const std::size_t at = values.size();
            if (at >= 2) {
                const auto &up = values[at - 2], &above = values[at - 1];
                EXPECT_TRUE(row[0] == up[1] / above[1] && row[1] == up[1] % above[1] &&
                            row[2] == up[2] - row[0] * above[2] &&
                            row[3] == up[3] - row[0] * above[3]);
            }
            values.push_back(row);
            ++rows;
        }
        ASSERT_GE(values.size(), 2u);
        EXPECT_TRUE(values[0][1] == std::max(absA, absB) && values[1][1] == std::min(absA, absB));
        EXPECT_TRUE(values.back()[1] == std::gcd(std::stoll(texts[0]), std::stoll(texts[1])));
        EXPECT_TRUE(values.back()[1] > 0 && values[values.size() - 2][1] % values.back()[1] == 0);
    }
    EXPECT_GT(rows, 10000);
}

// In the substitution way every bracket put in stands earlier as the
// remainder it replaces, written from its division.
TEST(EuclidLesson, EachRemainderWrittenBeforeItIsUsed)
{
    std::mt19937_64 random(90210);
    int substitutions = 0;
    for (int n = 0; n < 1500; ++n) {
        const auto texts = Generated(random);
        const EuclidLesson lesson = EuclidLessonFor(texts[0], texts[1], texts[2], ".", English);
        std::vector<std::string> written;
        for (const EuclidStep &step : lesson.steps) {
            if (step.kind != Kind::BackSubstitution) {
                written.insert(written.end(), step.lines.begin(), step.lines.end());
                continue;
            }
            for (const std::string &line : step.lines) {
                if (line.find('(') == std::string::npos) {
                    written.push_back(line);
                    continue;
                }
                // gcd = current = f·p + g·(bracket) = …: the bracket's text
                // after "= " must stand as "r = bracket" above, r in the current.
                std::vector<std::string> sides;
                for (std::size_t at = 0;;) {
                    const std::size_t end = line.find(" = ", at);
                    sides.push_back(line.substr(at, end - at));
                    if (end == std::string::npos)
                        break;
                    at = end + 3;
                }
                if (sides.size() != 5) {
                    written.push_back(line);
                    continue;
                }
                const std::size_t open = sides[2].find('('), close = sides[2].find(')');
                ASSERT_NE(close, std::string::npos) << line;
                const std::string bracket = sides[2].substr(open + 1, close - open - 1);
                const bool found =
                    std::any_of(written.begin(), written.end(), [&](const std::string &w) {
                        const std::size_t is = w.find(" = ");
                        return is != std::string::npos && w.substr(is + 3) == bracket &&
                               sides[1].find(w.substr(0, is)) != std::string::npos;
                    });
                EXPECT_TRUE(found) << bracket << " in " << line;
                ++substitutions;
                written.push_back(line);
            }
        }
    }
    EXPECT_GT(substitutions, 5000);
}

// x = x₁ − (B/d)t, y = y₁ + (A/d)t runs the same way as the working's
// x = x₀ − (B * t) / GCD, y = y₀ + (A * t) / GCD, and its x₁ is no larger
// than it needs to be.
TEST(EuclidLesson, GeneralSolutionRunsTheWorkingsWayFromAReducedPair)
{
    std::mt19937_64 random(1402);
    int compared = 0;
    for (int n = 0; n < 1500; ++n) {
        const auto texts = Generated(random);
        const auto transcript = Lines(SolveTexts(texts[0], texts[1], texts[2], 4, ".", English));
        const TranscriptTexts &say = English.transcript;
        const ModelLesson model =
            ModelEuclid({texts, {}, TranscriptPair(transcript, say)}, English, false);
        const auto general =
            FindGeneralSolution(std::stoll(texts[0]), std::stoll(texts[1]), std::stoll(texts[2]));
        ASSERT_EQ(general.has_value(), model.steps.has_value()) << texts[0] << " " << texts[1];
        if (!general)
            continue;
        EXPECT_TRUE(general->x1 == model.particular->first &&
                    general->y1 == model.particular->second);
        EXPECT_TRUE(-general->bOverD == model.steps->first &&
                    general->aOverD == model.steps->second);
        const Wide limit = general->bOverD < 0 ? -general->bOverD : general->bOverD;
        EXPECT_TRUE(general->x1 <= limit && -general->x1 <= limit);
        // The working's own steps, read from its general solution's lines.
        for (const std::string &line : transcript) {
            const std::string_view x = say.general.x.value, y = say.general.y.value;
            const bool isX = line.starts_with(x), isY = line.starts_with(y);
            if (!isX && !isY)
                continue;
            const std::string_view open = isX ? say.general.minus.value : say.general.plus.value;
            const std::size_t from = line.find(open, (isX ? x : y).size()) + open.size();
            const std::size_t to = line.find(say.general.times.value, from);
            const Wide step = std::stoll(line.substr(from, to - from));
            // The working writes x₀ − (B t) and y₀ + (A t): B/d and A/d here.
            EXPECT_TRUE(isX ? step == general->bOverD : step == general->aOverD) << line;
            ++compared;
        }
    }
    EXPECT_GT(compared, 1000);
}

// Small equations against every pair of a square: the general solution the
// lesson writes, read back and run over t, gives exactly the pairs that
// solve the equation, and so does FindGeneralSolution.
TEST(EuclidLesson, AgreesWithBruteForceOnSmallEquations)
{
    constexpr int Square = 30;
    for (int a = -6; a <= 6; ++a) {
        for (int b = -6; b <= 6; ++b) {
            for (int c = -8; c <= 8; ++c) {
                std::set<std::pair<int, int>> solutions;
                for (int x = -Square; x <= Square; ++x)
                    for (int y = -Square; y <= Square; ++y)
                        if (a * x + b * y == c)
                            solutions.insert({x, y});
                const EuclidLesson lesson = EuclidLessonFor(std::to_string(a), std::to_string(b),
                                                            std::to_string(c), ".", English);
                const std::string all = EuclidLessonText(lesson);
                SCOPED_TRACE(all);
                std::set<std::pair<int, int>> family, found;
                const auto general =
                    std::find_if(lesson.steps.begin(), lesson.steps.end(),
                                 [](const EuclidStep &s) { return s.kind == Kind::General; });
                const auto solution = FindGeneralSolution(a, b, c);
                ASSERT_EQ(general != lesson.steps.end(), solution.has_value());
                if (general != lesson.steps.end()) {
                    ASSERT_GE(general->lines.size(), 2u);
                    for (int t = -100; t <= 100; ++t) {
                        const auto read = ReadSchoolFormula(
                            general->lines[1], ", ", {{"x", {0, 1}}, {"y", {0, 1}}, {"t", {t, 1}}});
                        ASSERT_TRUE(read && read->parts.size() == 3) << general->lines[1];
                        const auto x = read->parts[0].parts[1].value,
                                   y = read->parts[1].parts[1].value;
                        ASSERT_TRUE(x.denominator == 1 && y.denominator == 1);
                        if (std::abs(static_cast<int>(x.numerator)) <= Square &&
                            std::abs(static_cast<int>(y.numerator)) <= Square)
                            family.insert(
                                {static_cast<int>(x.numerator), static_cast<int>(y.numerator)});
                        const Wide fx = solution->x1 - solution->bOverD * t,
                                   fy = solution->y1 + solution->aOverD * t;
                        if (fx >= -Square && fx <= Square && fy >= -Square && fy <= Square)
                            found.insert({static_cast<int>(fx), static_cast<int>(fy)});
                    }
                    ASSERT_EQ(found, solutions) << a << "x + " << b << "y = " << c;
                } else if (all.find("x can be any integer") != std::string::npos ||
                           all.find("y can be any integer") != std::string::npos) {
                    const bool yFixed = a == 0;
                    const int value = yFixed ? c / b : c / a;
                    for (int free = -Square; free <= Square; ++free)
                        if (std::abs(value) <= Square)
                            family.insert(yFixed ? std::pair(free, value) : std::pair(value, free));
                } else if (all.find("holds for every pair") != std::string::npos) {
                    for (int x = -Square; x <= Square; ++x)
                        for (int y = -Square; y <= Square; ++y)
                            family.insert({x, y});
                } else {
                    EXPECT_TRUE(all.find("no integer solution") != std::string::npos ||
                                all.find("no pair of integers") != std::string::npos);
                }
                ASSERT_EQ(family, solutions) << a << "x + " << b << "y = " << c;
            }
        }
    }
}

} // namespace
