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

const std::string StepsRight3x5y = "Steps 5 and -3, right: 3 * 5 + 5 * (-3) = 0, and they are as "
                                   "small as they can be.";

const Row Rows[] = {
    {"RightPairBesideTheTranscripts",
     "3",
     "5",
     "1",
     Pair("-3", "2", "5", "-3"),
     Verdict::Right,
     {"3 * (-3) + 5 * 2 = 1, right.", StepsRight3x5y,
      "The working found the particular solution x₀ = 2, y₀ = -1, and both pairs are right: its "
      "general solution x = 2 - (5 * t), y = -1 + (3 * t) gives yours at t = 1."}},
    {"StepsWithBothSignsTurned",
     "3",
     "5",
     "1",
     Pair("2", "-1", "-5", "3"),
     Verdict::Right,
     {"3 * 2 + 5 * (-1) = 1, right.",
      "Steps -5 and 3, right: 3 * (-5) + 5 * 3 = 0, and they are as small as they can be.",
      "This is the particular solution the working found: x₀ = 2, y₀ = -1."}},
    {"SignOfYWrong",
     "3",
     "5",
     "1",
     Pair("2", "1", "5", "-3"),
     Verdict::Wrong,
     {"3 * 2 + 5 * 1 = 11, not 1.",
      "Your pair solves 3x - 5y = 1 instead: the sign of y₀ is wrong.", StepsRight3x5y}},
    {"SignOfXWrong",
     "3",
     "5",
     "1",
     Pair("3", "2", "5", "-3"),
     Verdict::Wrong,
     {"3 * 3 + 5 * 2 = 19, not 1.",
      "Your pair solves -3x + 5y = 1 instead: the sign of x₀ is wrong.", StepsRight3x5y}},
    {"BothSignsWrong",
     "3",
     "5",
     "1",
     Pair("3", "-2", "5", "-3"),
     Verdict::Wrong,
     {"3 * 3 + 5 * (-2) = -1, not 1.",
      "Your pair solves -3x - 5y = 1 instead: the signs of both x₀ and y₀ are wrong.",
      StepsRight3x5y}},
    {"PairSwapped",
     "3",
     "5",
     "1",
     Pair("2", "-3", "5", "-3"),
     Verdict::Wrong,
     {"3 * 2 + 5 * (-3) = -9, not 1.", "x₀ and y₀ are the wrong way round: 3 * (-3) + 5 * 2 = 1.",
      StepsRight3x5y}},
    {"WrongPairWithNoSlipToName",
     "3",
     "5",
     "1",
     Pair("1", "1", "5", "-3"),
     Verdict::Wrong,
     {"3 * 1 + 5 * 1 = 8, not 1.", StepsRight3x5y}},
    {"StepsTimesTheGcd",
     "4",
     "6",
     "2",
     Pair("-1", "1", "6", "-4"),
     Verdict::Wrong,
     {"4 * (-1) + 6 * 1 = 2, right.",
      "Steps 6 and -4 give solutions but miss some: divide them by the GCD, 2, to get 3 and -2.",
      "This is the particular solution the working found: x₀ = -1, y₀ = 1."}},
    {"StepsTimesAnotherFactor",
     "3",
     "5",
     "1",
     Pair("-3", "2", "-10", "6"),
     Verdict::Wrong,
     {"3 * (-3) + 5 * 2 = 1, right.",
      "Steps -10 and 6 give solutions but miss some: divide them by 2 to get -5 and 3.",
      "The working found the particular solution x₀ = 2, y₀ = -1, and both pairs are right: its "
      "general solution x = 2 - (5 * t), y = -1 + (3 * t) gives yours at t = 1."}},
    {"StepsWithTheWrongSignRelation",
     "3",
     "5",
     "1",
     Pair("2", "-1", "5", "3"),
     Verdict::Wrong,
     {"3 * 2 + 5 * (-1) = 1, right.",
      "Steps 5 and 3: 3 * 5 + 5 * 3 = 30, not 0; the steps must satisfy A * p + B * q = 0.",
      "This is the particular solution the working found: x₀ = 2, y₀ = -1."}},
    {"StepsSwapped",
     "3",
     "5",
     "1",
     Pair("2", "-1", "-3", "5"),
     Verdict::Wrong,
     {"3 * 2 + 5 * (-1) = 1, right.",
      "Steps -3 and 5: 3 * (-3) + 5 * 5 = 16, not 0; the steps must satisfy A * p + B * q = 0.",
      "The steps of x and y are the wrong way round: the step of x is 5, the step of y is -3.",
      "This is the particular solution the working found: x₀ = 2, y₀ = -1."}},
    {"StepsZero",
     "3",
     "5",
     "1",
     Pair("2", "-1", "0", "0"),
     Verdict::Wrong,
     {"3 * 2 + 5 * (-1) = 1, right.",
      "With steps 0 and 0, t changes nothing and only one solution is found: the steps are 5 "
      "and -3, or both with the opposite sign.",
      "This is the particular solution the working found: x₀ = 2, y₀ = -1."}},
    {"NegativeB",
     "3",
     "-5",
     "1",
     Pair("2", "1", "5", "3"),
     Verdict::Right,
     {"3 * 2 + (-5) * 1 = 1, right.",
      "Steps 5 and 3, right: 3 * 5 + (-5) * 3 = 0, and they are as small as they can be.",
      "This is the particular solution the working found: x₀ = 2, y₀ = 1."}},
    {"ZeroConstantHasNoTranscriptPair",
     "4",
     "6",
     "0",
     Pair("3", "-2", "-3", "2"),
     Verdict::Right,
     {"4 * 3 + 6 * (-2) = 0, right.",
      "Steps -3 and 2, right: 4 * (-3) + 6 * 2 = 0, and they are as small as they can be."}},
    {"ClaimRight",
     "4",
     "6",
     "3",
     Claim,
     Verdict::Right,
     {"Right, there is no integer solution: the GCD of 4 and 6 is 2, which does not divide 3."}},
    {"ClaimWrongShowsTheTranscriptsPair",
     "3",
     "5",
     "1",
     Claim,
     Verdict::Wrong,
     {"There is an integer solution, for example x = 2, y = -1: 3 * 2 + 5 * (-1) = 1."}},
    {"ClaimIgnoresTheEntries",
     "4",
     "6",
     "3",
     PupilAnswer{"abc", "", "1", "1", true},
     Verdict::Right,
     {"Right, there is no integer solution: the GCD of 4 and 6 is 2, which does not divide 3."}},
    {"PairWhereNoneExists",
     "4",
     "6",
     "3",
     Pair("1", "1", "3", "-2"),
     Verdict::Wrong,
     {"No pair of whole numbers solves 4x + 6y = 3: the GCD of 4 and 6 is 2, so the left side is "
      "always a multiple of 2, and 2 does not divide 3."}},
    {"ZeroAAnyX",
     "0",
     "4",
     "8",
     Pair("17", "2", "-1", "0"),
     Verdict::Right,
     {"0 * 17 + 4 * 2 = 8, right.",
      "Steps -1 and 0, right: 0 * (-1) + 4 * 0 = 0, and they are as small as they can be."}},
    {"ZeroAStepsByTheGcd",
     "0",
     "4",
     "8",
     Pair("0", "2", "4", "0"),
     Verdict::Wrong,
     {"0 * 0 + 4 * 2 = 8, right.",
      "Steps 4 and 0 give solutions but miss some: divide them by the GCD, 4, to get 1 and 0."}},
    {"ZeroAStepOfYIsNoStep",
     "0",
     "4",
     "8",
     Pair("0", "2", "0", "1"),
     Verdict::Wrong,
     {"0 * 0 + 4 * 2 = 8, right.",
      "Steps 0 and 1: 0 * 0 + 4 * 1 = 4, not 0; the steps must satisfy A * p + B * q = 0.",
      "The steps of x and y are the wrong way round: the step of x is 1, the step of y is 0."}},
    {"ZeroAWithoutSolution",
     "0",
     "4",
     "6",
     Pair("0", "1", "1", "0"),
     Verdict::Wrong,
     {"No pair of whole numbers solves 0x + 4y = 6: the GCD of 0 and 4 is 4, so the left side is "
      "always a multiple of 4, and 4 does not divide 6."}},
    {"ZeroBAnyY",
     "-3",
     "0",
     "9",
     Pair("-3", "5", "0", "1"),
     Verdict::Right,
     {"(-3) * (-3) + 0 * 5 = 9, right.",
      "Steps 0 and 1, right: (-3) * 0 + 0 * 1 = 0, and they are as small as they can be."}},
    {"ZeroBClaimWrong",
     "-3",
     "0",
     "9",
     Claim,
     Verdict::Wrong,
     {"There is an integer solution, for example x = -3, y = 0: (-3) * (-3) + 0 * 0 = 9."}},
    {"EveryPairSolvesZeroEquation",
     "0",
     "0",
     "0",
     Pair("5", "-7", "0", "0"),
     Verdict::Right,
     {"0 * 5 + 0 * (-7) = 0, right.",
      "Every pair of whole numbers solves 0x + 0y = 0: x and y are both free, so no steps are "
      "needed."}},
    {"ZeroEquationClaimWrong",
     "0",
     "0",
     "0",
     Claim,
     Verdict::Wrong,
     {"There is an integer solution, for example x = 0, y = 0: 0 * 0 + 0 * 0 = 0."}},
    {"NoPairSolvesZeroLeftSide",
     "0",
     "0",
     "5",
     Pair("1", "1", "1", "1"),
     Verdict::Wrong,
     {"No pair of whole numbers solves 0x + 0y = 5: 0 * x + 0 * y is 0 for every pair, never 5."}},
    {"ZeroLeftSideClaimRight",
     "0",
     "0",
     "-5",
     Claim,
     Verdict::Right,
     {"Right, there is no integer solution: 0 * x + 0 * y is 0 for every pair, never -5."}},
    {"CoefficientTooLarge",
     "2147483648",
     "1",
     "1",
     Pair("1", "0", "1", "-1"),
     Verdict::Refused,
     {"The coefficient A = 2147483648 lies outside the allowed range from -2147483648 to "
      "2147483647, so the answer cannot be checked."}},
    {"EveryCoefficientOutOfRangeInTheSeparatorAsked",
     "2.5e20",
     "-32768",
     "-2147483649",
     Claim,
     Verdict::Refused,
     {"The coefficient A = 2,5E+20 lies outside the allowed range from -2147483648 to "
      "2147483647, so the answer cannot be checked.",
      "The coefficient B = -32768 lies outside the allowed range from -32767 to 32767, so the "
      "answer cannot be checked.",
      "The coefficient C = -2147483649 lies outside the allowed range from -2147483648 to "
      "2147483647, so the answer cannot be checked."},
     ","},
    {"CoefficientsReadAsTheTranscriptReadsThem",
     "3.9",
     "5abc",
     "1,5",
     Pair("-3", "2", "5", "-3"),
     Verdict::Right,
     {"3 * (-3) + 5 * 2 = 1, right.", StepsRight3x5y,
      "The working found the particular solution x₀ = 2, y₀ = -1, and both pairs are right: its "
      "general solution x = 2 - (5 * t), y = -1 + (3 * t) gives yours at t = 1."}},
    {"EntryNotWholeIsReadAndChecked",
     "3",
     "5",
     "1",
     Pair("-3.0", "2", "5", "-3"),
     Verdict::Wrong,
     {"x₀: “-3.0” is not a whole number; it was read as -3.", "3 * (-3) + 5 * 2 = 1, right.",
      StepsRight3x5y,
      "The working found the particular solution x₀ = 2, y₀ = -1, and both pairs are right: its "
      "general solution x = 2 - (5 * t), y = -1 + (3 * t) gives yours at t = 1."}},
    {"EveryEntryMisreadInOrder",
     "3",
     "5",
     "1",
     Pair("", "2,5", "5 apples", "−3"),
     Verdict::Wrong,
     {"x₀ is empty, so it was read as 0.", "y₀: “2,5” is not a whole number; it was read as 2.",
      "Step of x: “5 apples” is not a whole number; it was read as 5.",
      "Step of y: “−3” is not a whole number; it was read as 0.", "3 * 0 + 5 * 2 = 10, not 1.",
      "Steps 5 and 0: 3 * 5 + 5 * 0 = 15, not 0; the steps must satisfy A * p + B * q = 0."}},
    {"EntryTooLargeStopsTheCheck",
     "3",
     "5",
     "1",
     Pair("99999999999999999999", "2", "1e30", "-3"),
     Verdict::Wrong,
     {"x₀: “99999999999999999999” is too large to be checked.",
      "Step of x: “1e30” is too large to be checked."}},
    {"BlanksAndPlusSignsArePlain",
     "3",
     "5",
     "1",
     Pair(" -3 ", "+2", "\t5", "-3 "),
     Verdict::Right,
     {"3 * (-3) + 5 * 2 = 1, right.", StepsRight3x5y,
      "The working found the particular solution x₀ = 2, y₀ = -1, and both pairs are right: its "
      "general solution x = 2 - (5 * t), y = -1 + (3 * t) gives yours at t = 1."}},
    {"ExactBeyondDoubles",
     "2147483647",
     "32767",
     "1",
     Pair("9223372036854775807", "-9223372036854775807", "32767", "-2147483647"),
     Verdict::Wrong,
     {"2147483647 * 9223372036854775807 + 32767 * (-9223372036854775807) = "
      "19806738397111180738944860160, not 1.",
      "Steps 32767 and -2147483647, right: 2147483647 * 32767 + 32767 * (-2147483647) = 0, and "
      "they are as small as they can be."}},
};

INSTANTIATE_TEST_SUITE_P(English, Feedback, testing::ValuesIn(Rows),
                         [](const auto &info) { return std::string(info.param.name); });

// The same findings in Bulgarian, with the Bulgarian words.
TEST(FeedbackInBulgarian, SameFindingsOwnWords)
{
    const AnswerCheck check =
        CheckAnswer("3", "5", "1", Pair("2", "1", "10", "-6"), ".", Bulgarian);
    EXPECT_EQ(check.verdict, Verdict::Wrong);
    EXPECT_EQ(Texts(check),
              (std::vector<std::string>{
                  "3 * 2 + 5 * 1 = 11, а не 1.",
                  "Вашата двойка е решение на уравнението 3x - 5y = 1: знакът на y₀ е сгрешен.",
                  "Стъпките 10 и -6 дават решения, но пропускат някои: разделете ги на 2 и ще "
                  "получите 5 и -3."}));

    const AnswerCheck right =
        CheckAnswer("3", "5", "1", Pair("-3", "2", "5", "-3"), ".", Bulgarian);
    EXPECT_EQ(right.verdict, Verdict::Right);
    ASSERT_EQ(right.lines.size(), 3u);
    EXPECT_EQ(right.lines[2].text,
              "В хода на решението е намерено X\u043e = 2, Y\u043e = -1 и двете двойки са верни: "
              "общото решение X = 2 - (5 * t), Y = -1 + (3 * t) дава вашата при t = 1.");
}

} // namespace
