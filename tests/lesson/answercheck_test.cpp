// The answer checker: its words for each kind of answer, row by row, and its
// verdicts over thousands of generated equations and answers held against an
// independent model.

#include "answercheck.h"
#include "answermodel.h"
#include "languages.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct Row
{
    const char *name;
    const char *a, *b, *c;
    PupilAnswer answer;
    Verdict verdict;
    std::vector<std::string> lines; // in English
    const char *separator = ".";
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

PupilAnswer Pair(const char *x0, const char *y0, const char *p, const char *q)
{
    return {x0, y0, p, q, false};
}

const PupilAnswer Claim{"", "", "", "", true};

std::vector<std::string> Texts(const AnswerCheck &check)
{
    std::vector<std::string> texts;
    for (const FeedbackLine &line : check.lines)
        texts.push_back(line.text);
    return texts;
}

class Feedback : public testing::TestWithParam<Row>
{
};

TEST_P(Feedback, LineByLine)
{
    const Row &row = GetParam();
    const AnswerCheck check = CheckAnswer(row.a, row.b, row.c, row.answer, row.separator, English);
    EXPECT_EQ(check.verdict, row.verdict);
    EXPECT_EQ(Texts(check), row.lines);
}

const Row Rows[] = {
    {"WrongPairShowsItsProducts",
     "91",
     "35",
     "14",
     Pair("4", "10", "-5", "13"),
     Verdict::Wrong,
     {"91·4 + 35·10 = 364 + 350 = 714, not 14.",
      "Your pair solves 91x − 35y = 14 instead: the sign of y₀ is wrong.",
      "p = −5 and q = 13, right: 91·(−5) + 35·13 = −455 + 455 = 0, and p and q have no common "
      "factor."}},
    // An empty entry is told how to find its value, and its part is not checked.
    {"EmptyStepsAreToldHowToFindThem",
     "3",
     "5",
     "1",
     Pair("2", "-1", "", ""),
     Verdict::Wrong,
     {"p is empty. The coefficients p and q of t make Ap + Bq = 0 and have no common factor: B "
      "and −A divided by the GCD of A and B, or both with the opposite sign.",
      "3·2 + 5·(−1) = 6 − 5 = 1, right."}},
    {"EmptyPairIsToldHowToFindIt",
     "3",
     "5",
     "1",
     Pair("", "", "5", "-3"),
     Verdict::Wrong,
     {"x₀ is empty. To find a particular solution x₀, y₀, write the GCD of A and B as Bézout's "
      "equality and multiply that equality by C divided by the GCD.",
      "p = 5 and q = −3, right: 3·5 + 5·(−3) = 15 − 15 = 0, and p and q have no common factor."}},
    {"RightPairBesideTheTranscripts",
     "3",
     "5",
     "1",
     Pair("-3", "2", "5", "-3"),
     Verdict::Right,
     {"3·(−3) + 5·2 = −9 + 10 = 1, right.",
      "p = 5 and q = −3, right: 3·5 + 5·(−3) = 15 − 15 = 0, and p and q have no common factor.",
      "The working found the particular solution x₀ = 2, y₀ = −1, and both pairs are right: its "
      "general solution x = 2 − 5t, y = −1 + 3t gives yours at t = 1."}},
    {"StepsWithBothSignsTurned",
     "3",
     "5",
     "1",
     Pair("2", "-1", "-5", "3"),
     Verdict::Right,
     {"3·2 + 5·(−1) = 6 − 5 = 1, right.",
      "p = −5 and q = 3, right: 3·(−5) + 5·3 = −15 + 15 = 0, and p and q have no common factor.",
      "This is the particular solution the working found: x₀ = 2, y₀ = −1."}},
    {"SignOfYWrong",
     "3",
     "5",
     "1",
     Pair("2", "1", "5", "-3"),
     Verdict::Wrong,
     {"3·2 + 5·1 = 6 + 5 = 11, not 1.",
      "Your pair solves 3x − 5y = 1 instead: the sign of y₀ is wrong.",
      "p = 5 and q = −3, right: 3·5 + 5·(−3) = 15 − 15 = 0, and p and q have no common factor."}},
    {"SignOfXWrong",
     "3",
     "5",
     "1",
     Pair("3", "2", "5", "-3"),
     Verdict::Wrong,
     {"3·3 + 5·2 = 9 + 10 = 19, not 1.",
      "Your pair solves −3x + 5y = 1 instead: the sign of x₀ is wrong.",
      "p = 5 and q = −3, right: 3·5 + 5·(−3) = 15 − 15 = 0, and p and q have no common factor."}},
    {"BothSignsWrong",
     "3",
     "5",
     "1",
     Pair("3", "-2", "5", "-3"),
     Verdict::Wrong,
     {"3·3 + 5·(−2) = 9 − 10 = −1, not 1.",
      "Your pair solves −3x − 5y = 1 instead: the signs of both x₀ and y₀ are wrong.",
      "p = 5 and q = −3, right: 3·5 + 5·(−3) = 15 − 15 = 0, and p and q have no common factor."}},
    {"PairSwapped",
     "3",
     "5",
     "1",
     Pair("2", "-3", "5", "-3"),
     Verdict::Wrong,
     {"3·2 + 5·(−3) = 6 − 15 = −9, not 1.",
      "x₀ and y₀ are the wrong way round: exchanged, they solve the equation.",
      "p = 5 and q = −3, right: 3·5 + 5·(−3) = 15 − 15 = 0, and p and q have no common factor."}},
    {"WrongPairWithNoSlipToName",
     "3",
     "5",
     "1",
     Pair("1", "1", "5", "-3"),
     Verdict::Wrong,
     {"3·1 + 5·1 = 3 + 5 = 8, not 1.",
      "p = 5 and q = −3, right: 3·5 + 5·(−3) = 15 − 15 = 0, and p and q have no common factor."}},
    {"StepsTimesTheGcd",
     "4",
     "6",
     "2",
     Pair("-1", "1", "6", "-4"),
     Verdict::Wrong,
     {"4·(−1) + 6·1 = −4 + 6 = 2, right.",
      "p = 6 and q = −4 give solutions but miss some: they have the common factor 2, the GCD of A "
      "and B; divide them by 2."}},
    {"StepsTimesAnotherFactor",
     "3",
     "5",
     "1",
     Pair("-3", "2", "-10", "6"),
     Verdict::Wrong,
     {"3·(−3) + 5·2 = −9 + 10 = 1, right.", "p = −10 and q = 6 give solutions but miss some: they "
                                            "have the common factor 2; divide them by 2."}},
    {"StepsWithTheWrongSignRelation",
     "3",
     "5",
     "1",
     Pair("2", "-1", "5", "3"),
     Verdict::Wrong,
     {"3·2 + 5·(−1) = 6 − 5 = 1, right.",
      "p = 5 and q = 3: 3·5 + 5·3 = 15 + 15 = 30, not 0. Every x = x₀ + pt, y = y₀ + qt must solve "
      "the equation, and A(x₀ + pt) + B(y₀ + qt) = C + (Ap + Bq)t, so Ap + Bq must be 0."}},
    {"StepsSwapped",
     "3",
     "5",
     "1",
     Pair("2", "-1", "-3", "5"),
     Verdict::Wrong,
     {"3·2 + 5·(−1) = 6 − 5 = 1, right.",
      "p = −3 and q = 5: 3·(−3) + 5·5 = −9 + 25 = 16, not 0. Every x = x₀ + pt, y = y₀ + qt must "
      "solve the equation, and A(x₀ + pt) + B(y₀ + qt) = C + (Ap + Bq)t, so Ap + Bq must be 0.",
      "p and q are the wrong way round: exchanged, they are right."}},
    {"StepsZero",
     "3",
     "5",
     "1",
     Pair("2", "-1", "0", "0"),
     Verdict::Wrong,
     {"3·2 + 5·(−1) = 6 − 5 = 1, right.",
      "With p = 0 and q = 0, t changes nothing and only one solution is found: p and q must make "
      "Ap + Bq = 0 without both being 0, and have no common factor."}},
    {"NegativeB",
     "3",
     "-5",
     "1",
     Pair("2", "1", "5", "3"),
     Verdict::Right,
     {"3·2 − 5·1 = 6 − 5 = 1, right.",
      "p = 5 and q = 3, right: 3·5 − 5·3 = 15 − 15 = 0, and p and q have no common factor.",
      "This is the particular solution the working found: x₀ = 2, y₀ = 1."}},
    {"ZeroConstantHasNoTranscriptPair",
     "4",
     "6",
     "0",
     Pair("3", "-2", "-3", "2"),
     Verdict::Right,
     {"4·3 + 6·(−2) = 12 − 12 = 0, right.",
      "p = −3 and q = 2, right: 4·(−3) + 6·2 = −12 + 12 = 0, and p and q have no common factor."}},
    {"ClaimRight",
     "4",
     "6",
     "3",
     Claim,
     Verdict::Right,
     {"Right, there is no integer solution: GCD(4, 6) = 2, which does not divide 3."}},
    {"ClaimWrongIsToldTheGcdDividesCAndNoPair",
     "3",
     "5",
     "1",
     Claim,
     Verdict::Wrong,
     {"There is an integer solution: GCD(3, 5) = 1, which divides 1. A hint shows where to "
      "start."}},
    {"ClaimIgnoresTheEntries",
     "4",
     "6",
     "3",
     PupilAnswer{"abc", "", "1", "1", true},
     Verdict::Right,
     {"Right, there is no integer solution: GCD(4, 6) = 2, which does not divide 3."}},
    {"PairWhereNoneExists",
     "4",
     "6",
     "3",
     Pair("1", "1", "3", "-2"),
     Verdict::Wrong,
     {"No pair of whole numbers solves 4x + 6y = 3: GCD(4, 6) = 2, so the left side is always a "
      "multiple of 2, and 2 does not divide 3."}},
    {"ZeroAAnyX",
     "0",
     "4",
     "8",
     Pair("17", "2", "-1", "0"),
     Verdict::Right,
     {"0·17 + 4·2 = 0 + 8 = 8, right.",
      "p = −1 and q = 0, right: 0·(−1) + 4·0 = 0 + 0 = 0, and p and q have no common factor."}},
    {"ZeroAStepsByTheGcd",
     "0",
     "4",
     "8",
     Pair("0", "2", "4", "0"),
     Verdict::Wrong,
     {"0·0 + 4·2 = 0 + 8 = 8, right.",
      "p = 4 and q = 0 give solutions but miss some: they have the common factor 4, the GCD of A "
      "and B; divide them by 4."}},
    {"ZeroAStepOfYIsNoStep",
     "0",
     "4",
     "8",
     Pair("0", "2", "0", "1"),
     Verdict::Wrong,
     {"0·0 + 4·2 = 0 + 8 = 8, right.",
      "p = 0 and q = 1: 0·0 + 4·1 = 0 + 4 = 4, not 0. Every x = x₀ + pt, y = y₀ + qt must solve "
      "the equation, and A(x₀ + pt) + B(y₀ + qt) = C + (Ap + Bq)t, so Ap + Bq must be 0.",
      "p and q are the wrong way round: exchanged, they are right."}},
    {"ZeroAWithoutSolution",
     "0",
     "4",
     "6",
     Pair("0", "1", "1", "0"),
     Verdict::Wrong,
     {"No pair of whole numbers solves 0x + 4y = 6: GCD(0, 4) = 4, so the left side is always a "
      "multiple of 4, and 4 does not divide 6."}},
    {"ZeroBAnyY",
     "-3",
     "0",
     "9",
     Pair("-3", "5", "0", "1"),
     Verdict::Right,
     {"−3·(−3) + 0·5 = 9 + 0 = 9, right.",
      "p = 0 and q = 1, right: −3·0 + 0·1 = 0 + 0 = 0, and p and q have no common factor."}},
    {"ZeroBClaimWrong",
     "-3",
     "0",
     "9",
     Claim,
     Verdict::Wrong,
     {"There is an integer solution: GCD(−3, 0) = 3, which divides 9. A hint shows where to "
      "start."}},
    {"EveryPairSolvesZeroEquation",
     "0",
     "0",
     "0",
     Pair("5", "-7", "0", "0"),
     Verdict::Right,
     {"0·5 + 0·(−7) = 0 + 0 = 0, right.", "Every pair of whole numbers solves 0x + 0y = 0: x and y "
                                          "are both free, so no p and q are needed."}},
    {"ZeroEquationClaimWrong",
     "0",
     "0",
     "0",
     Claim,
     Verdict::Wrong,
     {"There is an integer solution: every pair of whole numbers solves 0x + 0y = 0."}},
    {"NoPairSolvesZeroLeftSide",
     "0",
     "0",
     "5",
     Pair("1", "1", "1", "1"),
     Verdict::Wrong,
     {"No pair of whole numbers solves 0x + 0y = 5: 0x + 0y is 0 for every pair, never 5."}},
    {"ZeroLeftSideClaimRight",
     "0",
     "0",
     "-5",
     Claim,
     Verdict::Right,
     {"Right, there is no integer solution: 0x + 0y is 0 for every pair, never −5."}},
    {"CoefficientTooLarge",
     "2147483648",
     "1",
     "1",
     Pair("1", "0", "1", "-1"),
     Verdict::Refused,
     {"The coefficient A = 2147483648 lies outside the allowed range from −2147483648 to "
      "2147483647, so the answer cannot be checked."}},
    {"EveryCoefficientOutOfRangeInTheSeparatorAsked",
     "2.5e20",
     "-32768",
     "-2147483649",
     Claim,
     Verdict::Refused,
     {"The coefficient A = 2,5E+20 lies outside the allowed range from −2147483648 to 2147483647, "
      "so the answer cannot be checked.",
      "The coefficient B = −32768 lies outside the allowed range from −32767 to 32767, so the "
      "answer cannot be checked.",
      "The coefficient C = −2147483649 lies outside the allowed range from −2147483648 to "
      "2147483647, so the answer cannot be checked."},
     ","},
    {"CoefficientsReadAsTheTranscriptReadsThem",
     "3.9",
     "5abc",
     "1,5",
     Pair("-3", "2", "5", "-3"),
     Verdict::Right,
     {"3·(−3) + 5·2 = −9 + 10 = 1, right.",
      "p = 5 and q = −3, right: 3·5 + 5·(−3) = 15 − 15 = 0, and p and q have no common factor.",
      "The working found the particular solution x₀ = 2, y₀ = −1, and both pairs are right: its "
      "general solution x = 2 − 5t, y = −1 + 3t gives yours at t = 1."}},
    // Copied from what Velmora prints: U+2212 is a minus in the entries.
    {"PrintedMinusIsAMinus",
     "3",
     "5",
     "1",
     Pair("−3", "2", "\u00a05", "−3"),
     Verdict::Right,
     {"3·(−3) + 5·2 = −9 + 10 = 1, right.",
      "p = 5 and q = −3, right: 3·5 + 5·(−3) = 15 − 15 = 0, and p and q have no common factor.",
      "The working found the particular solution x₀ = 2, y₀ = −1, and both pairs are right: its "
      "general solution x = 2 − 5t, y = −1 + 3t gives yours at t = 1."}},
    {"EntryNotWholeIsReadAndChecked",
     "3",
     "5",
     "1",
     Pair("-3.0", "2", "5", "-3"),
     Verdict::Wrong,
     {"x₀: “-3.0” is not a whole number; it was read as −3.", "3·(−3) + 5·2 = −9 + 10 = 1, right.",
      "p = 5 and q = −3, right: 3·5 + 5·(−3) = 15 − 15 = 0, and p and q have no common factor.",
      "The working found the particular solution x₀ = 2, y₀ = −1, and both pairs are right: its "
      "general solution x = 2 − 5t, y = −1 + 3t gives yours at t = 1."}},
    {"EveryEntryMisreadInOrder",
     "3",
     "5",
     "1",
     Pair("", "2,5", "5 apples", "- 3"),
     Verdict::Wrong,
     {"x₀ is empty. To find a particular solution x₀, y₀, write the GCD of A and B as Bézout's "
      "equality and multiply that equality by C divided by the GCD.",
      "y₀: “2,5” is not a whole number; it was read as 2.",
      "p: “5 apples” is not a whole number; it was read as 5.",
      "q: “- 3” is not a whole number; it was read as 0.",
      "p = 5 and q = 0: 3·5 + 5·0 = 15 + 0 = 15, not 0. Every x = x₀ + pt, y = y₀ + qt must solve "
      "the equation, and A(x₀ + pt) + B(y₀ + qt) = C + (Ap + Bq)t, so Ap + Bq must be 0."}},
    {"EntryTooLargeStopsTheCheck",
     "3",
     "5",
     "1",
     Pair("99999999999999999999", "2", "1e30", "-3"),
     Verdict::Wrong,
     {"x₀: “99999999999999999999” is too large to be checked.",
      "p: “1e30” is too large to be checked."}},
    {"BlanksAndPlusSignsArePlain",
     "3",
     "5",
     "1",
     Pair(" -3 ", "+2", "\t5", "-3 "),
     Verdict::Right,
     {"3·(−3) + 5·2 = −9 + 10 = 1, right.",
      "p = 5 and q = −3, right: 3·5 + 5·(−3) = 15 − 15 = 0, and p and q have no common factor.",
      "The working found the particular solution x₀ = 2, y₀ = −1, and both pairs are right: its "
      "general solution x = 2 − 5t, y = −1 + 3t gives yours at t = 1."}},
    {"ExactBeyondDoubles",
     "2147483647",
     "32767",
     "1",
     Pair("9223372036854775807", "-9223372036854775807", "32767", "-2147483647"),
     Verdict::Wrong,
     {"2147483647·9223372036854775807 + 32767·(−9223372036854775807) = "
      "19807040619342712359383728129 − 302222231531620438867969 = 19806738397111180738944860160, "
      "not 1.",
      "p = 32767 and q = −2147483647, right: 2147483647·32767 + 32767·(−2147483647) = "
      "70366596661249 − 70366596661249 = 0, and p and q have no common factor."}},
};

INSTANTIATE_TEST_SUITE_P(English, Feedback, testing::ValuesIn(Rows),
                         [](const auto &info) { return std::string(info.param.name); });

// The same findings in Bulgarian, with the Bulgarian words and the board's
// notation: a pair written (2; −1).
TEST(FeedbackInBulgarian, SameFindingsOwnWords)
{
    const AnswerCheck check =
        CheckAnswer("3", "5", "1", Pair("2", "1", "10", "-6"), ".", Bulgarian);
    EXPECT_EQ(check.verdict, Verdict::Wrong);
    EXPECT_EQ(Texts(check),
              (std::vector<std::string>{
                  "3·2 + 5·1 = 6 + 5 = 11, а не 1.",
                  "Вашата двойка е решение на уравнението 3x − 5y = 1, а не на даденото "
                  "уравнение: знакът на y₀ е сгрешен.",
                  "p = 10 и q = −6 дават решения, но пропускат някои: те имат общ делител 2; "
                  "разделете ги на 2."}));

    const AnswerCheck right =
        CheckAnswer("3", "5", "1", Pair("-3", "2", "5", "-3"), ".", Bulgarian);
    EXPECT_EQ(right.verdict, Verdict::Right);
    ASSERT_EQ(right.lines.size(), 3u);
    EXPECT_EQ(right.lines[2].text,
              "В хода на решението е намерено частното решение x₀ = 2, y₀ = −1 и двете двойки са "
              "верни: общото решение x = 2 − 5t, y = −1 + 3t дава вашата при t = 1.");
}

} // namespace
