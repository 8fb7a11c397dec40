// The checker's verdicts and first findings over generated equations and
// answers, held against the independent model: right answers accepted,
// wrong ones rejected for the right reason, in both languages alike, across
// the whole range of coefficients.

#include "answercheck.h"
#include "answermodel.h"
#include "languages.h"
#include "solvetexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <limits>
#include <map>
#include <random>
#include <regex>
#include <set>

namespace {

std::string Text(Big n)
{
    if (n == 0)
        return "0";
    std::string digits;
    const bool negative = n < 0;
    while (n != 0) {
        const int d = static_cast<int>(n % 10);
        digits.insert(digits.begin(), static_cast<char>('0' + (d < 0 ? -d : d)));
        n /= 10;
    }
    return negative ? "-" + digits : digits;
}

bool Fits(Big n)
{
    return n >= std::numeric_limits<std::int64_t>::min() &&
           n <= std::numeric_limits<std::int64_t>::max();
}

// A number as the feedback writes it, with U+2212 for its minus, or as the
// transcript does, with a hyphen.
Big Number(const std::string &text)
{
    Big n = 0;
    for (const char c : text)
        if (c >= '0' && c <= '9')
            n = n * 10 + (c - '0');
    return text.starts_with('-') || text.starts_with("−") ? -n : n;
}

// A number in a pattern, either minus before it.
#define NUMBER "((?:-|−)?\\d+)"

// Every pair a text states outright: x₀ = 4, y₀ = −10; x = 4, y = −10;
// (4; −10); (4, −10).
std::vector<std::pair<Big, Big>> StatedPairs(std::string text)
{
    // GCD(91, 35) is no pair.
    for (const char *gcd : {"GCD(", "НОД(", "НСД("})
        for (std::size_t at = text.find(gcd); at != std::string::npos; at = text.find(gcd, at))
            text.replace(at, std::string_view(gcd).size(), "gcd ");
    static const std::regex pairs[] = {
        std::regex("x₀ = " NUMBER ",? (?:and )?y₀ = " NUMBER),
        std::regex("x = " NUMBER ", y = " NUMBER),
        std::regex("\\(" NUMBER "[;,] " NUMBER "\\)"),
    };
    std::vector<std::pair<Big, Big>> found;
    for (const std::regex &pattern : pairs)
        for (auto m = std::sregex_iterator(text.begin(), text.end(), pattern);
             m != std::sregex_iterator(); ++m)
            found.emplace_back(Number((*m)[1]), Number((*m)[2]));
    return found;
}

// A general solution in numbers: x = 4 − 5t.
const std::regex GeneralInNumbers("[xy] = " NUMBER " [+−-] \\d*t");

class Generator
{
public:
    std::int64_t Between(std::int64_t lo, std::int64_t hi)
    {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng_);
    }

    // A coefficient of some kind: small, medium, anywhere, or at the ends.
    std::int64_t Coefficient(std::int64_t limit, const std::vector<std::int64_t> &ends)
    {
        switch (Between(0, 5)) {
        case 0:
            return Between(-12, 12);
        case 1:
            return Between(-1000, 1000);
        case 2:
            return ends[Between(0, static_cast<std::int64_t>(ends.size()) - 1)];
        default:
            return Between(-limit - 1, limit);
        }
    }

    std::array<std::int64_t, 3> Equation()
    {
        static const std::vector<std::int64_t> endsAC = {
            -2147483648LL, 2147483647LL, -2147483647LL, 0, 1, -1};
        static const std::vector<std::int64_t> endsB = {-32767, 32767, 0, 1, -1};
        if (Between(0, 3) == 0) { // a shared factor, so that the GCD is more than 1
            const std::int64_t g = Between(2, 60);
            return {g * Between(-300, 300), g * Between(-300, 300),
                    g * Between(-300, 300) + (Between(0, 2) == 0 ? Between(1, g - 1) : 0)};
        }
        const std::int64_t a = Coefficient(2147483647, endsAC);
        std::int64_t b = Coefficient(32767, endsB);
        b = std::clamp<std::int64_t>(b, -32767, 32767);
        return {a, b, Coefficient(2147483647, endsAC)};
    }

    Big Parameter()
    {
        return Between(0, 3) == 0 ? Between(-4000000000000LL, 4000000000000LL) : Between(-50, 50);
    }

private:
    std::mt19937_64 rng_{20261208};
};

struct Case
{
    Big x, y, p, q;
    std::optional<Finding> slip; // expected second line where the pair is a slip
};

std::vector<Case> Answers(const ModelEquation &e, Generator &g)
{
    std::vector<Case> cases;
    if (!e.solvable) {
        cases.push_back({g.Between(-9, 9), g.Between(-9, 9), e.stepX, e.stepY, {}});
        return cases;
    }
    const Big t = g.Parameter();
    const Big x = e.x1 + e.stepX * t, y = e.y1 + e.stepY * t;
    const Big sign = g.Between(0, 1) == 0 ? 1 : -1;
    const Big p = sign * e.stepX, q = sign * e.stepY;
    cases.push_back({x, y, p, q, {}});                                     // right
    cases.push_back({x + g.Between(1, 3), y - g.Between(0, 2), p, q, {}}); // near miss
    cases.push_back({y, x, p, q, {}});                                     // swapped
    cases.push_back({-x, y, p, q, {}});                                    // sign of x
    cases.push_back({x, -y, p, q, {}});                                    // sign of y
    cases.push_back({-x, -y, p, q, {}});                                   // both signs
    for (const Big k : {Big(2), Big(-3), e.gcd, -e.gcd, Big(g.Between(4, 40))})
        cases.push_back({x, y, k * p, k * q, {}}); // multiples
    cases.push_back({x, y, p, -q, {}});            // sign relation
    cases.push_back({x, y, q, p, {}});             // steps swapped
    cases.push_back({x, y, 0, 0, {}});
    cases.push_back({x, y, g.Between(-9, 9), g.Between(-9, 9), {}});
    return cases;
}

struct Tally
{
    std::map<Finding, int> firstMistakes;
    std::map<Finding, int> slips;
    int right = 0;
    int checks = 0;
    int bridges = 0;
    int wrongScanned = 0;
    int pairsStated = 0; // the pupil's own pair, said back in a wrong answer's lines
};

// The transcript's own Xo and Yo for the equation, from its text.
std::optional<std::pair<Big, Big>> TranscriptPair(std::int64_t a, std::int64_t b, std::int64_t c)
{
    static const std::regex found(R"(Found the particular solution x₀ = (-?\d+), y₀ = (-?\d+))");
    const std::string transcript =
        SolveTexts(std::to_string(a), std::to_string(b), std::to_string(c), 4, ".", English);
    std::smatch m;
    if (!std::regex_search(transcript, m, found))
        return std::nullopt;
    return std::pair{Number(m[1]), Number(m[2])};
}

void CheckOne(const std::array<std::int64_t, 3> &abc, const ModelEquation &e, const Case &k,
              Tally &tally)
{
    const auto [a, b, c] = abc;
    const PupilAnswer answer{Text(k.x), Text(k.y), Text(k.p), Text(k.q), false};
    const std::string as = std::to_string(a), bs = std::to_string(b), cs = std::to_string(c);
    const AnswerCheck en = CheckAnswer(as, bs, cs, answer, ".", English);
    const AnswerCheck bg = CheckAnswer(as, bs, cs, answer, ".", Bulgarian);
    const std::string where = as + "x + " + bs + "y = " + cs + " with " + answer.x0 + ", " +
                              answer.y0 + "; " + answer.stepX + ", " + answer.stepY;
    ++tally.checks;

    const std::optional<Finding> expected = FirstMistake(e, k.x, k.y, k.p, k.q);
    ASSERT_EQ(en.verdict, expected ? Verdict::Wrong : Verdict::Right) << where;
    ASSERT_EQ(bg.verdict, en.verdict) << where;
    ASSERT_EQ(bg.lines.size(), en.lines.size()) << where;
    for (std::size_t i = 0; i < en.lines.size(); ++i) {
        ASSERT_EQ(bg.lines[i].finding, en.lines[i].finding) << where;
        ASSERT_EQ(en.lines[i].text.find('{'), std::string::npos) << en.lines[i].text;
        ASSERT_EQ(bg.lines[i].text.find('{'), std::string::npos) << bg.lines[i].text;
    }

    // A wrong answer is never given a pair that solves the equation unless
    // the pupil typed it, nor the general solution.
    if (expected) {
        ++tally.wrongScanned;
        for (const AnswerCheck *check : {&en, &bg})
            for (const FeedbackLine &line : check->lines) {
                for (const auto &[u, v] : StatedPairs(line.text)) {
                    const bool typed = u == k.x && v == k.y;
                    ASSERT_TRUE(typed || e.a * u + e.b * v != e.c) << where << ": " << line.text;
                    tally.pairsStated += typed ? 1 : 0;
                }
                ASSERT_FALSE(std::regex_search(line.text, GeneralInNumbers))
                    << where << ": " << line.text;
            }
    }

    const auto mistake = std::find_if(en.lines.begin(), en.lines.end(),
                                      [](const FeedbackLine &line) { return line.mistake; });
    if (!expected) {
        ASSERT_EQ(mistake, en.lines.end()) << where << ": " << mistake->text;
        ++tally.right;
    } else {
        ASSERT_NE(mistake, en.lines.end()) << where;
        ASSERT_EQ(mistake->finding, *expected) << where << ": " << mistake->text;
        ++tally.firstMistakes[*expected];
    }

    if (expected == Finding::ParticularWrong) {
        const std::optional<Finding> slip = Slip(e, k.x, k.y);
        const bool named = mistake + 1 != en.lines.end() &&
                           (mistake + 1)->finding >= Finding::PairSwapped &&
                           (mistake + 1)->finding <= Finding::SignsOfBoth;
        ASSERT_EQ(named, slip.has_value()) << where;
        if (slip) {
            ASSERT_EQ((mistake + 1)->finding, *slip) << where;
            ++tally.slips[*slip];
        }
    }

    // A right answer is placed in the transcript's general solution, whose
    // Xo, Yo are those the transcript itself prints.
    if (!expected && e.solvable && a != 0 && b != 0 && c != 0) {
        const auto transcript = TranscriptPair(a, b, c);
        ASSERT_TRUE(transcript) << where;
        const auto [xo, yo] = *transcript;
        const FeedbackLine &last = en.lines.back();
        if (k.x == xo && k.y == yo) {
            ASSERT_EQ(last.finding, Finding::SameAsTranscript) << where;
        } else {
            static const std::regex bridge("x₀ = " NUMBER ", y₀ = " NUMBER ",.* at t = " NUMBER
                                           "\\.$");
            std::smatch m;
            ASSERT_EQ(last.finding, Finding::TranscriptParameter) << where;
            ASSERT_TRUE(std::regex_search(last.text, m, bridge)) << last.text;
            ASSERT_EQ(Number(m[1]), xo);
            ASSERT_EQ(Number(m[2]), yo);
            const Big t = Number(m[3]);
            const Big reducedA = e.a / e.gcd, reducedB = e.b / e.gcd;
            ASSERT_EQ(xo - reducedB * t, k.x) << where << ": " << last.text;
            ASSERT_EQ(yo + reducedA * t, k.y) << where << ": " << last.text;
            ++tally.bridges;
        }
    }
}

TEST(GeneratedAnswers, JudgedAsTheModelJudgesThem)
{
    Generator g;
    Tally tally;
    for (int n = 0; n < 2500; ++n) {
        const auto abc = g.Equation();
        const ModelEquation e = Model(abc[0], abc[1], abc[2]);
        for (const Case &k : Answers(e, g)) {
            if (!Fits(k.x) || !Fits(k.y) || !Fits(k.p) || !Fits(k.q))
                continue;
            CheckOne(abc, e, k, tally);
            if (testing::Test::HasFatalFailure())
                return;
        }
    }
    std::cout << "[          ] " << tally.checks << " answers, " << tally.right << " right, "
              << tally.bridges << " placed in the transcript's general solution, "
              << tally.wrongScanned << " wrong ones read for a solving pair, " << tally.pairsStated
              << " of them with the pupil's own pair said back\n";
    // The generator reaches every kind of mistake and every slip.
    for (const Finding f :
         {Finding::NoPairExists, Finding::ParticularWrong, Finding::StepsZero,
          Finding::StepsRelation, Finding::StepsMultipleOfGcd, Finding::StepsMultiple})
        EXPECT_GT(tally.firstMistakes[f], 20) << static_cast<int>(f);
    for (const Finding f :
         {Finding::PairSwapped, Finding::SignOfX, Finding::SignOfY, Finding::SignsOfBoth})
        EXPECT_GT(tally.slips[f], 20) << static_cast<int>(f);
    EXPECT_GT(tally.right, 2000);
    EXPECT_GT(tally.wrongScanned, 15000);
    EXPECT_GT(tally.bridges, 500);
}

// "No integer solution" is right exactly where the model finds none; where
// there is one, the pupil is told that the GCD divides C, and given no pair.
TEST(GeneratedAnswers, NoSolutionClaimsBothWays)
{
    Generator g;
    static const std::regex divides("GCD\\(" NUMBER ", " NUMBER "\\) = " NUMBER
                                    ", which divides " NUMBER "\\.");
    int right = 0, wrong = 0;
    for (int n = 0; n < 3000; ++n) {
        const auto [a, b, c] = g.Equation();
        const ModelEquation e = Model(a, b, c);
        const AnswerCheck check =
            CheckAnswer(std::to_string(a), std::to_string(b), std::to_string(c),
                        {"", "", "", "", true}, ".", English);
        ASSERT_EQ(check.lines.size(), 1u);
        const std::string where = std::to_string(a) + ", " + std::to_string(b) + ", " +
                                  std::to_string(c) + ": " + check.lines[0].text;
        if (!e.solvable) {
            ASSERT_EQ(check.verdict, Verdict::Right) << where;
            ASSERT_EQ(check.lines[0].finding, Finding::NoSolutionRight) << where;
            ++right;
            continue;
        }
        ASSERT_EQ(check.verdict, Verdict::Wrong) << where;
        ASSERT_EQ(check.lines[0].finding, Finding::NoSolutionWrong) << where;
        ASSERT_TRUE(StatedPairs(check.lines[0].text).empty()) << where;
        if (e.gcd == 0)
            continue; // 0x + 0y = 0: every pair
        std::smatch m;
        ASSERT_TRUE(std::regex_search(check.lines[0].text, m, divides)) << where;
        ASSERT_EQ(Number(m[1]), e.a) << where;
        ASSERT_EQ(Number(m[2]), e.b) << where;
        ASSERT_EQ(Number(m[3]), e.gcd) << where;
        ASSERT_EQ(Number(m[4]) % e.gcd, 0) << where;
        ++wrong;
    }
    EXPECT_GT(right, 300);
    EXPECT_GT(wrong, 300);
}

} // namespace
