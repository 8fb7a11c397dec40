// "Your answer" for a task with bounds: the list as typed in either school's
// way, and what is said of it, held to brute force over small boxes.

#include "solutionlist.h"

#include "languages.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

const Catalogue &Ukrainian = *FindCatalogue("uk");

struct ReadRow
{
    const char *name;
    std::string text;
    // "x,y" for a pair read, otherwise the text named.
    std::vector<std::string> items;
};

std::vector<std::string> Items(const std::string &text)
{
    std::vector<std::string> items;
    for (const ListedSolution &item : ReadSolutionList(text))
        items.push_back(item.read ? std::to_string(static_cast<long long>(item.x)) + "," +
                                        std::to_string(static_cast<long long>(item.y))
                                  : "?" + item.text);
    return items;
}

class ReadListTest : public testing::TestWithParam<ReadRow>
{
};

TEST_P(ReadListTest, PairsInEitherNotationAndWhatIsNone)
{
    EXPECT_EQ(Items(GetParam().text), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadListTest,
    testing::Values(
        ReadRow{"Semicolons", "(4; 7), (9; 4)", {"4,7", "9,4"}},
        ReadRow{"Commas", "(4, 7), (9, 4)", {"4,7", "9,4"}},
        ReadRow{"BlanksAndMixedSeparators", " ( 4 ;7 )(9 , 4) ; (14;1) ", {"4,7", "9,4", "14,1"}},
        ReadRow{"BothMinusSigns", "(−1; 10), (-6, +13)", {"-1,10", "-6,13"}},
        ReadRow{"Empty", "  ", {}}, ReadRow{"DecimalCommaInsideAPair", "(4,5; 7)", {"?(4,5; 7)"}},
        ReadRow{"NoBrackets", "4; 7", {"?4; 7"}},
        ReadRow{"WordsAfterAPair", "(4; 7), and more", {"4,7", "?and more"}},
        ReadRow{"BracketLeftOpen", "(9; 4), (4; 7", {"9,4", "?(4; 7"}},
        ReadRow{"ThreeNumbers", "(1; 2; 3)", {"?(1; 2; 3)"}},
        ReadRow{"TooManyDigits", "(1234567890123456789; 1)", {"?(1234567890123456789; 1)"}},
        ReadRow{"NestedBracket", "((4; 7)", {"?(", "4,7"}}),
    [](const auto &info) { return std::string(info.param.name); });

struct CheckRow
{
    const char *name;
    std::int64_t a, b, c;
    SolutionBounds bounds;
    std::string list;
    const Catalogue *language;
    Verdict verdict;
    std::vector<std::string> lines;
};

class CheckListTest : public testing::TestWithParam<CheckRow>
{
};

TEST_P(CheckListTest, SaysWhatIsWrongAndHowManyAreMissing)
{
    const CheckRow &row = GetParam();
    const AnswerCheck check =
        CheckSolutionList(row.a, row.b, row.c, row.bounds, row.list, *row.language);
    EXPECT_EQ(check.verdict, row.verdict);
    std::vector<std::string> lines;
    for (const FeedbackLine &line : check.lines)
        lines.push_back(line.text);
    EXPECT_EQ(lines, row.lines);
}

const SolutionBounds Natural = SolutionBounds::Natural();

INSTANTIATE_TEST_SUITE_P(
    Rows, CheckListTest,
    testing::Values(
        CheckRow{"AllOfThem",
                 3,
                 5,
                 47,
                 Natural,
                 "(14; 1), (4; 7), (9; 4)",
                 &Bulgarian,
                 Verdict::Right,
                 {"Списъкът е пълен: в границите има 3 решения."}},
        CheckRow{"OneMissingIsCountedNotNamed",
                 3,
                 5,
                 47,
                 Natural,
                 "(4; 7), (9; 4)",
                 &Bulgarian,
                 Verdict::Wrong,
                 {"2 от записаните решения са верни и са в границите.",
                  "Липсва 1 решение в границите."}},
        CheckRow{"NotASolutionWithItsArithmetic",
                 3,
                 5,
                 47,
                 Natural,
                 "(4, 7), (3, 8), (9, 4), (14, 1)",
                 &English,
                 Verdict::Wrong,
                 {"(3, 8) is not a solution: 3·3 + 5·8 = 9 + 40 = 49, not 47.",
                  "3 listed solutions are right and within the bounds.",
                  "The list is complete: there are 3 solutions within the bounds."}},
        CheckRow{"ASolutionOutsideTheBounds",
                 3,
                 5,
                 47,
                 Natural,
                 "(−1; 10), (4; 7), (9; 4), (14; 1)",
                 &English,
                 Verdict::Wrong,
                 {"(−1, 10) solves the equation but lies outside the bounds: x ≥ 1 does not hold.",
                  "3 listed solutions are right and within the bounds.",
                  "The list is complete: there are 3 solutions within the bounds."}},
        CheckRow{"TheUpperBoundNamed",
                 3,
                 5,
                 47,
                 {1, 10, 1, std::nullopt},
                 "(4; 7), (14; 1), (9; 4)",
                 &Ukrainian,
                 Verdict::Wrong,
                 {"(14; 1) є розв’язком рівняння, але лежить поза межами: не виконується x ≤ 10.",
                  "2 із записаних розв’язків правильні й лежать у межах.",
                  "Список повний: у цих межах 2 розв’язки."}},
        CheckRow{"ListedTwice",
                 3,
                 5,
                 47,
                 Natural,
                 "(4; 7), (4;7), (9; 4), (14; 1)",
                 &English,
                 Verdict::Wrong,
                 {"(4, 7) is listed more than once.",
                  "3 listed solutions are right and within the bounds.",
                  "The list is complete: there are 3 solutions within the bounds."}},
        CheckRow{"UnreadableShowsHowToWrite",
                 4,
                 2,
                 18,
                 SolutionBounds::NonNegative(),
                 "(0; 9) (1; 7), 2 5",
                 &Bulgarian,
                 Verdict::Wrong,
                 {"„2 5“ не може да се прочете като решение: запишете всяко решение като (x; y).",
                  "2 от записаните решения са верни и са в границите.",
                  "Липсват 3 решения в границите."}},
        CheckRow{"UkrainianPluralOfMissing",
                 4,
                 2,
                 18,
                 SolutionBounds::NonNegative(),
                 "",
                 &Ukrainian,
                 Verdict::Wrong,
                 {"У списку бракує 5 розв’язків у цих межах."}},
        CheckRow{"NoneWithinAndAnEmptyList",
                 3,
                 5,
                 47,
                 {1, 3, 1, std::nullopt},
                 " ",
                 &English,
                 Verdict::Right,
                 {"No solution lies within these bounds, so the list is right to be empty."}},
        CheckRow{"NoIntegerSolutionAtAll",
                 2,
                 4,
                 5,
                 Natural,
                 "(1; 1)",
                 &English,
                 Verdict::Wrong,
                 {"(1, 1) is not a solution: 2·1 + 4·1 = 2 + 4 = 6, not 5."}},
        CheckRow{"EndlessIsNoTaskForAList",
                 3,
                 5,
                 47,
                 {0, std::nullopt, std::nullopt, std::nullopt},
                 "(4; 7)",
                 &English,
                 Verdict::Refused,
                 {"Within these bounds there are infinitely many solutions, so no list can hold "
                  "them all."}}),
    [](const auto &info) { return std::string(info.param.name); });

// Against brute force over small boxes: every solution listed is right;
// leaving one out is counted as missing, and no line names it.
TEST(SolutionListModel, CompleteListsAreRightAndAMissingOneIsNeverNamed)
{
    int checked = 0;
    for (int a = -6; a <= 6; ++a)
        for (int b = -6; b <= 6; b += 3)
            for (int c = -12; c <= 12; c += 5) {
                const SolutionBounds box{-4, 5, -3, 6};
                std::vector<std::pair<int, int>> solutions;
                for (int x = -4; x <= 5; ++x)
                    for (int y = -3; y <= 6; ++y)
                        if (a * x + b * y == c)
                            solutions.push_back({x, y});
                std::ostringstream typed;
                for (const auto &[x, y] : solutions)
                    typed << "(" << x << "; " << y << ") ";
                const std::string all = typed.str();
                const AnswerCheck complete = CheckSolutionList(a, b, c, box, all, English);
                ASSERT_EQ(complete.verdict, Verdict::Right) << a << " " << b << " " << c;
                if (solutions.size() < 2)
                    continue;
                // The last left out: counted, and its pair said nowhere.
                const auto [x, y] = solutions.back();
                std::string partial = all.substr(0, all.rfind('('));
                const AnswerCheck missing = CheckSolutionList(a, b, c, box, partial, English);
                ASSERT_EQ(missing.verdict, Verdict::Wrong);
                ASSERT_EQ(missing.lines.back().finding, Finding::ListMissing);
                EXPECT_EQ(missing.lines.back().text,
                          "1 solution within the bounds is missing from the list.");
                std::ostringstream left;
                const auto school = [&left](int n) {
                    left << (n < 0 ? "−" : "") << (n < 0 ? -n : n);
                };
                left << "(";
                school(x);
                left << ", ";
                school(y);
                left << ")";
                for (const FeedbackLine &line : missing.lines)
                    EXPECT_EQ(line.text.find(left.str()), std::string::npos) << line.text;
                ++checked;
            }
    EXPECT_GT(checked, 50);
}

} // namespace
