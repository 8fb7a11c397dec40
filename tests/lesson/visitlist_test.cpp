// "Your answer" for a task with bounds: the pupil's list checked through the
// visit, the hints that lead to the whole list one at a time, and the
// first-try score, which counts each task on an equation apart.

#include "languages.h"
#include "practicetext.h"
#include "visit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ListVisit
{
    Visit visit{[] { return 0.5f; }, English};

    const VisitView &Do(const Command &command) { return visit.Apply(command); }
    const PracticeView &Practice() const { return visit.View().practice; }
    void Type(const std::string &a, const std::string &b, const std::string &c)
    {
        Do(command::Edit{Entry::A, a});
        Do(command::Edit{Entry::B, b});
        Do(command::Edit{Entry::C, c});
    }
    const PracticeView &Check(const std::string &list)
    {
        Do(command::Edit{Entry::List, list});
        return Do(command::Check{}).practice;
    }
    const PracticeView &Hint() { return Do(command::Hint{}).practice; }
    // 3x + 5y = 47 in natural numbers: (4, 7), (9, 4), (14, 1).
    void Natural()
    {
        Type("3", "5", "47");
        Do(command::SetBoundsChoice{BoundsChoice::Natural});
    }
};

std::string Tally(int right, int total, int hints)
{
    return FillPlaceholders(English.practice.tally.For(static_cast<std::uint64_t>(hints)),
                            {{"right", std::to_string(right)},
                             {"total", std::to_string(total)},
                             {"hints", std::to_string(hints)}});
}

std::vector<Finding> Findings(const PracticeView &p)
{
    std::vector<Finding> findings;
    for (const FeedbackLine &line : p.lines)
        findings.push_back(line.finding);
    return findings;
}

std::string AllText(const PracticeView &p)
{
    std::string text = p.heading;
    for (const FeedbackLine &line : p.lines)
        text += "\n" + line.text;
    for (const std::string &hint : p.hints)
        text += "\n" + hint;
    return text;
}

constexpr const char *Solutions[] = {"(4, 7)", "(9, 4)", "(14, 1)"};

TEST(VisitList, TheListIsTheTaskOnlyWhileBoundsAreInEffect)
{
    ListVisit v;
    v.Type("3", "5", "47");
    v.Do(command::Edit{Entry::List, "(4, 7)"});
    EXPECT_FALSE(v.Practice().listTask);
    EXPECT_EQ(v.Practice().list, "(4, 7)");
    // Without bounds Check is about the pair and the steps, left empty here.
    v.Do(command::Check{});
    EXPECT_EQ(v.Practice().lines.front().finding, Finding::EntryEmpty);

    v.Do(command::SetBoundsChoice{BoundsChoice::Natural});
    EXPECT_TRUE(v.Practice().listTask);
    EXPECT_FALSE(v.Practice().verdict) << "the feedback was about another task";
    // A box at fault leaves no bound in effect, and so no list to check.
    v.Do(command::EditBound{BoundEnd::XMax, "abc"});
    EXPECT_FALSE(v.Practice().listTask);
    v.Do(command::EditBound{BoundEnd::XMax, ""});

    // Enter in the list checks it, as in the other entries.
    v.Do(command::Edit{Entry::List, "(4, 7) (9, 4) (14, 1)"});
    v.Do(command::Enter{Entry::List});
    EXPECT_EQ(v.Practice().verdict, Verdict::Right);
    EXPECT_EQ(v.Practice().heading, English.practice.right.value);
    EXPECT_EQ(Findings(v.Practice()), std::vector<Finding>{Finding::ListComplete});
}

TEST(VisitList, TheFirstFeedbackSaysWhatIsWrongAndNamesNoMissingPair)
{
    ListVisit v;
    v.Natural();
    const PracticeView &p = v.Check("(4; 7), (5; 6), (−1; 10), (4, 7)");
    EXPECT_EQ(p.verdict, Verdict::Wrong);
    EXPECT_EQ(p.heading, English.practice.wrong.value);
    EXPECT_EQ(Findings(p), (std::vector<Finding>{Finding::ListNotASolution,
                                                 Finding::ListOutOfBounds, Finding::ListRepeated,
                                                 Finding::ListRight, Finding::ListMissing}));
    // The arithmetic of the pair that does not solve it, and the bound the
    // other breaks.
    EXPECT_NE(p.lines[0].text.find("3·5 + 5·6 = 15 + 30 = 45"), std::string::npos)
        << p.lines[0].text;
    EXPECT_NE(p.lines[1].text.find("x ≥ 1"), std::string::npos) << p.lines[1].text;
    EXPECT_NE(p.lines[4].text.find('2'), std::string::npos) << p.lines[4].text;
    const std::string said = AllText(p);
    for (const char *missing : {"(9, 4)", "(14, 1)"})
        EXPECT_EQ(said.find(missing), std::string::npos) << said;
    EXPECT_TRUE(p.hints.empty());
    EXPECT_TRUE(p.hintAvailable);
}

TEST(VisitList, HintsFollowTheRouteOneAtATimeToTheWholeList)
{
    ListVisit v;
    v.Natural();
    v.Check("(4, 7)");
    std::vector<std::string> given;
    while (v.Practice().hintAvailable) {
        const PracticeView &p = v.Hint();
        ASSERT_EQ(p.hints.size(), given.size() + 1);
        EXPECT_TRUE(std::equal(given.begin(), given.end(), p.hints.begin()))
            << "a hint given stays as it was";
        given = p.hints;
        ASSERT_LE(given.size(), 4u);
    }
    ASSERT_EQ(given.size(), 4u);
    // Bound t from the general solution, each bound turned into an
    // inequality on t; the range of t; the count; the whole list.
    EXPECT_NE(given[0].find("t ∈ ℤ"), std::string::npos) << given[0];
    EXPECT_NE(given[0].find("x ≥ 1  ⇒"), std::string::npos) << given[0];
    EXPECT_NE(given[0].find("y ≥ 1  ⇒"), std::string::npos) << given[0];
    EXPECT_NE(given[0].find('\n'), std::string::npos) << "a line for each bound";
    EXPECT_EQ(given[0].find('\r'), std::string::npos);
    EXPECT_NE(given[1].find(" ≤ t ≤ "), std::string::npos) << given[1];
    EXPECT_NE(given[2].find('3'), std::string::npos) << given[2];
    for (std::size_t k = 0; k < 3; ++k)
        for (const char *solution : Solutions)
            EXPECT_EQ(given[k].find(solution), std::string::npos) << k << ": " << given[k];
    for (const char *solution : Solutions)
        EXPECT_NE(given[3].find(solution), std::string::npos) << given[3];

    // No fifth: the count stays.
    v.Hint();
    EXPECT_EQ(v.Practice().hints, given);
    EXPECT_EQ(v.Practice().tally, Tally(0, 1, 4));
}

TEST(VisitList, EachTaskIsScoredOnceAtItsFirstTryWithoutAHint)
{
    ListVisit v;
    v.Natural();
    v.Check("(4, 7), (9, 4), (14, 1)");
    EXPECT_EQ(v.Practice().tally, Tally(1, 1, 0));
    // Checked again it counts no more.
    v.Do(command::Check{});
    EXPECT_EQ(v.Practice().tally, Tally(1, 1, 0));

    // The same equation with y ≤ 5 too is another task; a correction earns
    // nothing.
    v.Do(command::EditBound{BoundEnd::YMax, "5"});
    EXPECT_FALSE(v.Practice().verdict);
    EXPECT_EQ(v.Check("(4, 7), (9, 4), (14, 1)").verdict, Verdict::Wrong);
    EXPECT_EQ(v.Check("(9, 4), (14, 1)").verdict, Verdict::Right);
    EXPECT_EQ(v.Practice().tally, Tally(1, 2, 0));

    // Right only after a hint: no point, the hint counted.
    v.Do(command::SetBoundsChoice{BoundsChoice::Any});
    v.Do(command::EditBound{BoundEnd::XMin, "5"});
    v.Do(command::EditBound{BoundEnd::XMax, "10"});
    v.Hint();
    EXPECT_EQ(v.Check("(9, 4)").verdict, Verdict::Right);
    EXPECT_EQ(v.Practice().tally, Tally(1, 3, 1));

    // And the pair and the steps of the same equation, without bounds, are
    // a task of their own still to be tried.
    for (const BoundEnd end : {BoundEnd::XMin, BoundEnd::XMax, BoundEnd::YMax})
        v.Do(command::EditBound{end, ""});
    EXPECT_FALSE(v.Practice().listTask);
    v.Do(command::Edit{Entry::X0, "4"});
    v.Do(command::Edit{Entry::Y0, "7"});
    v.Do(command::Edit{Entry::StepX, "5"});
    v.Do(command::Edit{Entry::StepY, "-3"});
    EXPECT_EQ(v.Do(command::Check{}).practice.verdict, Verdict::Right);
    EXPECT_EQ(v.Practice().tally, Tally(2, 4, 1));
}

TEST(VisitList, ANewBoundOrNewDataForgetsTheFeedbackAndTheHints)
{
    ListVisit v;
    v.Natural();
    v.Check("(4, 7)");
    v.Hint();
    // A box typed to the same bounds changes no task.
    v.Do(command::EditBound{BoundEnd::XMin, "1"});
    EXPECT_TRUE(v.Practice().verdict);
    EXPECT_EQ(v.Practice().hints.size(), 1u);
    v.Do(command::EditBound{BoundEnd::YMax, "5"});
    EXPECT_FALSE(v.Practice().verdict);
    EXPECT_TRUE(v.Practice().hints.empty());
    EXPECT_EQ(v.Practice().list, "(4, 7)") << "the list stays, to be checked again";
    v.Do(command::NewData{});
    EXPECT_EQ(v.Practice().list, "");
    EXPECT_TRUE(v.Practice().listTask) << "the bounds are kept for the visit";
}

TEST(VisitList, NoSolutionInfinitelyManyAndARefusedEquation)
{
    ListVisit v;
    // 2x + 4y = 7 has none at all: the empty list is right, and the hints
    // are the equation's, ending in why.
    v.Type("2", "4", "7");
    v.Do(command::SetBoundsChoice{BoundsChoice::Natural});
    EXPECT_EQ(v.Check("").verdict, Verdict::Right);
    EXPECT_EQ(Findings(v.Practice()), std::vector<Finding>{Finding::ListNoneRight});
    v.Hint();
    v.Hint();
    EXPECT_EQ(v.Practice().hints.size(), 2u);
    EXPECT_FALSE(v.Practice().hintAvailable);

    // 3x + 5y = 47 with x ≥ 20 alone: the solutions go on below y = 0
    // without end; no list holds them, and nothing is counted.
    v.Type("3", "5", "47");
    v.Do(command::SetBoundsChoice{BoundsChoice::Any});
    v.Do(command::EditBound{BoundEnd::XMin, "20"});
    EXPECT_EQ(v.Check("(24, -5)").verdict, Verdict::Refused);
    EXPECT_EQ(Findings(v.Practice()), std::vector<Finding>{Finding::ListEndless});
    EXPECT_TRUE(v.Practice().heading.empty());
    EXPECT_FALSE(v.Practice().hintAvailable);
    v.Hint();
    EXPECT_TRUE(v.Practice().hints.empty());

    // A coefficient out of its range is refused as the pair's check refuses it.
    v.Type("3", "5", "99999999999");
    EXPECT_EQ(v.Check("(1, 1)").verdict, Verdict::Refused);
    EXPECT_EQ(Findings(v.Practice()), std::vector<Finding>{Finding::CoefficientOutOfRange});
    EXPECT_FALSE(v.Practice().hintAvailable);
    EXPECT_EQ(v.Practice().tally, Tally(1, 1, 2));
}

// 0x + 4y = 8 with −3 ≤ x ≤ 3: seven solutions, the last hint all of them.
TEST(VisitList, ADegenerateEquationsHintsEndInItsSolutionsToo)
{
    ListVisit v;
    v.Type("0", "4", "8");
    v.Do(command::EditBound{BoundEnd::XMin, "-3"});
    v.Do(command::EditBound{BoundEnd::XMax, "3"});
    while (v.Practice().hintAvailable)
        v.Hint();
    ASSERT_FALSE(v.Practice().hints.empty());
    const std::string &last = v.Practice().hints.back();
    for (const char *solution :
         {"(−3, 2)", "(−2, 2)", "(−1, 2)", "(0, 2)", "(1, 2)", "(2, 2)", "(3, 2)"})
        EXPECT_NE(last.find(solution), std::string::npos) << last;
    EXPECT_EQ(v.Check("(−3, 2) (−2, 2) (−1, 2) (0, 2) (1, 2) (2, 2) (3, 2)").verdict,
              Verdict::Right);
}

} // namespace
