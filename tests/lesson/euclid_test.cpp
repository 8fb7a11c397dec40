// Euclid's way held against a model worked out apart from it, on every road
// and over thousands of generated equations, against brute force for small
// ones, and by evaluating every formula it writes.

#include "euclid.h"
#include "euclidmodel.h"
#include "formula.h"
#include "solvetexts.h"

#include <gtest/gtest.h>

#include <iostream>
#include <random>
#include <regex>
#include <set>

namespace {

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
                                 std::string_view separator = ".")
{
    return Lines(EuclidAccount(texts[0], texts[1], texts[2], separator, language));
}

std::vector<std::string> Model(const std::array<std::string, 3> &texts,
                               const std::array<std::string, 3> &readAs, const Catalogue &language)
{
    const auto transcript = Lines(SolveTexts(texts[0], texts[1], texts[2], 4, ".", language));
    return ModelAccount({texts, readAs, TranscriptPair(transcript, language.transcript)}, language);
}

class EuclidRoad : public testing::TestWithParam<Road>
{
};

TEST_P(EuclidRoad, MatchesTheModelLineByLineInEveryLanguage)
{
    const Road &road = GetParam();
    for (const Catalogue *language : Catalogues)
        EXPECT_EQ(Account(road.texts, *language), Model(road.texts, road.readAs, *language))
            << language->code.value;
}

INSTANTIATE_TEST_SUITE_P(
    Roads, EuclidRoad,
    testing::Values(Road{"solvable", {"91", "35", "14"}}, Road{"smallerFirst", {"35", "91", "14"}},
                    Road{"negativeA", {"-91", "35", "-14"}}, Road{"negativeB", {"91", "-35", "14"}},
                    Road{"allNegative", {"-91", "-35", "-14"}}, Road{"noSolution", {"4", "6", "3"}},
                    Road{"noSolutionNegative", {"-12", "18", "-4"}}, Road{"equal", {"7", "7", "7"}},
                    Road{"opposite", {"7", "-7", "14"}}, Road{"bDividesA", {"12", "4", "8"}},
                    Road{"aDividesB", {"4", "12", "-8"}}, Road{"ones", {"1", "1", "5"}},
                    Road{"widestB", {"1", "32767", "1"}}, Road{"zeroC", {"4", "6", "0"}},
                    Road{"zeroCNegative", {"-4", "6", "0"}}, Road{"zeroASolved", {"0", "4", "8"}},
                    Road{"zeroANone", {"0", "4", "6"}}, Road{"zeroANegativeB", {"0", "-4", "8"}},
                    Road{"zeroBSolved", {"6", "0", "-12"}}, Road{"zeroBNone", {"6", "0", "5"}},
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

// The equation of the issue's example, as a pupil would check it by hand.
TEST(EuclidAccount, WorkedExampleLineByLine)
{
    const std::vector<std::string> expected = {
        "The equation to solve in integers: 91x + 35y = 14",
        "Euclid's algorithm for |A| = 91 and |B| = 35, one division per line:",
        "91 = 2 * 35 + 21",
        "35 = 1 * 21 + 14",
        "21 = 1 * 14 + 7",
        "14 = 2 * 7 + 0",
        "The last non-zero remainder is the GCD: GCD(91, 35) = 7.",
        "7 divides 14, since 14 = 2 * 7, so the equation has integer solutions.",
        "Back-substitution, from the last division up:",
        "7 = 21 - 1 * 14",
        "7 = 1 * 21 + (-1) * (35 - 1 * 21) = (-1) * 35 + 2 * 21",
        "7 = (-1) * 35 + 2 * (91 - 2 * 35) = 2 * 91 + (-5) * 35",
        "Bézout's identity for |A| and |B|: 7 = 2 * 91 + (-5) * 35",
        "With the signs of A = 91 and B = 35: 7 = 2 * 91 + (-5) * 35",
        "Multiplying by C / GCD = 14 / 7 = 2: 14 = 4 * 91 + (-10) * 35",
        "A particular solution: x₁ = 4, y₁ = -10",
        "Check: A * x₁ + B * y₁ = 91 * 4 + 35 * (-10) = 364 + (-350) = 14",
        "The general solution, with B / GCD = 5 and A / GCD = 13:",
        "x = 4 + 5 * t",
        "y = (-10) - 13 * t",
        "where t is any integer, negative ones too: …, -2, -1, 0, 1, 2, …",
        "The working's search found x₀ = -1, y₀ = 3: the same family at t = -1.",
        "x = 4 + 5 * (-1) = -1 and y = (-10) - 13 * (-1) = 3, so both answers are right.",
    };
    EXPECT_EQ(Account({"91", "35", "14"}, English), expected);
}

// The degenerate equations answered in integers, not in the transcript's
// real quotients.
TEST(EuclidAccount, DegenerateEquationsInIntegers)
{
    EXPECT_EQ(Account({"0", "4", "8"}, English).back(),
              "4 divides 8, so y = 8 / 4 = 2, and x can be any integer.");
    EXPECT_EQ(Account({"0", "4", "6"}, English).back(),
              "4 does not divide 6, so no integer y makes 4 * y = 6: the equation has no integer "
              "solution.");
    const auto zeroC = Account({"4", "6", "0"}, English);
    ASSERT_GE(zeroC.size(), 3u);
    EXPECT_EQ(zeroC[zeroC.size() - 3], "x = 0 + 3 * t");
    EXPECT_EQ(zeroC[zeroC.size() - 2], "y = 0 - 2 * t");
    EXPECT_EQ(Account({"0", "0", "0"}, English).size(), 2u);
    EXPECT_NE(Account({"0", "0", "5"}, English).back().find("no pair of integers"),
              std::string::npos);
}

TEST(EuclidAccount, RefusalIsOneLineInTheUsersNumbers)
{
    const auto lines = Account({"1", "1", "1.5e20"}, Bulgarian, ",");
    ASSERT_EQ(lines.size(), 2u); // how C was read, then the refusal
    EXPECT_EQ(lines[1], "Уравнението не се решава: C = 1,5E+20 е извън допустимия интервал от "
                        "-2147483648 до 2147483647.");
    EXPECT_EQ(Account({"99999999999", "1", "1"}, English).size(), 1u);
}

TEST(EuclidAccount, FieldTextsQuotedOnOneLine)
{
    const auto lines = Account({"1\r\n2", "\x80", std::string(60, '7') + "x"}, English);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Field A holds “1\uFFFD\uFFFD2”, which is not a plain whole number: it "
                        "is read as 1.");
    EXPECT_EQ(lines[1], "Field B holds “\uFFFD”, which is not a plain whole number: it is read "
                        "as 0.");
    EXPECT_NE(lines[2].find("“" + std::string(40, '7') + "…”"), std::string::npos) << lines[2];
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
    int bridges = 0, refusals = 0;
    for (int n = 0; n < 4000; ++n) {
        const auto texts = Generated(random);
        const Catalogue &language = *Catalogues[static_cast<std::size_t>(n) % Catalogues.size()];
        const auto actual = Account(texts, language);
        ASSERT_EQ(actual, Model(texts, {}, language))
            << texts[0] << ", " << texts[1] << ", " << texts[2] << " in " << language.code.value;
        const std::string_view bridge = language.euclid.bridge.value;
        const std::string_view opening = bridge.substr(0, bridge.find('{'));
        bridges += std::any_of(actual.begin(), actual.end(),
                               [&](const std::string &line) { return line.starts_with(opening); });
        refusals += actual.size() == 1;
    }
    std::cout << "[          ] " << bridges << " accounts reached the transcript's pair\n";
    EXPECT_GT(bridges, 1000);
    EXPECT_EQ(refusals, 0);
}

// Small equations against every pair of a square: the verdict, and that the
// general solution gives exactly the pairs that solve the equation.
TEST(EuclidAccount, AgreesWithBruteForceOnSmallEquations)
{
    const std::regex particular(R"(A particular solution: x₁ = (-?\d+), y₁ = (-?\d+))");
    const std::regex general(
        R"(The general solution, with B / GCD = (-?\d+) and A / GCD = (-?\d+):)");
    const std::regex onlyOne(R"(so ([xy]) = \S+ / \S+ = (-?\d+), and [xy] can be any integer\.)");
    constexpr int Square = 30;
    for (int a = -6; a <= 6; ++a) {
        for (int b = -6; b <= 6; ++b) {
            for (int c = -8; c <= 8; ++c) {
                std::set<std::pair<int, int>> solutions;
                for (int x = -Square; x <= Square; ++x)
                    for (int y = -Square; y <= Square; ++y)
                        if (a * x + b * y == c)
                            solutions.insert({x, y});
                const auto lines =
                    Account({std::to_string(a), std::to_string(b), std::to_string(c)}, English);
                const std::string all = [&] {
                    std::string text;
                    for (const auto &line : lines)
                        text += line + "\n";
                    return text;
                }();
                SCOPED_TRACE(all);
                std::set<std::pair<int, int>> family;
                std::smatch p, g, one;
                if (std::regex_search(all, p, particular) && std::regex_search(all, g, general)) {
                    const int x1 = std::stoi(p[1]), y1 = std::stoi(p[2]);
                    const int bg = std::stoi(g[1]), ag = std::stoi(g[2]);
                    for (int t = -200; t <= 200; ++t) {
                        const int x = x1 + bg * t, y = y1 - ag * t;
                        if (std::abs(x) <= Square && std::abs(y) <= Square)
                            family.insert({x, y});
                    }
                } else if (std::regex_search(all, one, onlyOne)) {
                    const int value = std::stoi(one[2]);
                    for (int free = -Square; free <= Square; ++free)
                        if (std::abs(value) <= Square)
                            family.insert(one[1] == "y" ? std::pair(free, value)
                                                        : std::pair(value, free));
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

// In every line, every run of sides joined by " = " that are formulas: all
// sides of one run are equal.
TEST(EuclidAccount, EveryFormulaItWritesHolds)
{
    std::mt19937_64 random(4242);
    int runs = 0;
    for (int n = 0; n < 3000; ++n) {
        const auto texts = Generated(random);
        for (const std::string &line : Account(texts, *Catalogues[n % Catalogues.size()])) {
            const auto equalities = FormulaEqualities(line);
            ASSERT_TRUE(equalities.has_value()) << line;
            runs += *equalities > 0;
        }
    }
    std::cout << "[          ] " << runs << " formulas evaluated\n";
    EXPECT_GT(runs, 10000);
}

} // namespace
