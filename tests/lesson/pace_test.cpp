// Euclid's way shown a step at a time: the places a lesson is paced by, the
// Next, Previous and Show all commands, and what a new calculation, another
// method and another language do to a lesson being paced.

#include "euclid.h"
#include "languages.h"
#include "visit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Method = EuclidLesson::Method;
using Part = EuclidPlace::Part;

RandomSource Halves()
{
    return [] { return 0.5f; };
}

void Calculate(Visit &visit, const std::string &a, const std::string &b, const std::string &c)
{
    visit.Apply(command::Clear{});
    visit.Apply(command::Edit{Entry::A, a});
    visit.Apply(command::Edit{Entry::B, b});
    visit.Apply(command::Edit{Entry::C, c});
    visit.Apply(command::Calculate{});
}

std::size_t LineCount(const EuclidLesson &lesson)
{
    std::size_t lines = 0;
    for (const EuclidStep &step : lesson.steps)
        lines +=
            step.lines.size() + step.linesAfter.size() + (step.table ? step.table->rows.size() : 0);
    return lines;
}

// Every line and every table row is a place of its own, in the order the
// lesson is written, the table's rows between the lines before and after it.
TEST(EuclidPlaces, AreTheLinesAndRowsInTheirOrder)
{
    for (const Method method : {Method::Substitution, Method::Table}) {
        const EuclidLesson lesson = EuclidLessonFor("91", "35", "14", ".", English, method);
        const std::vector<EuclidPlace> places = EuclidPlaces(lesson);
        EXPECT_EQ(places.size(), LineCount(lesson));
        for (std::size_t k = 1; k < places.size(); ++k) {
            const EuclidPlace &before = places[k - 1], &place = places[k];
            const bool sameStep = before.step == place.step;
            EXPECT_TRUE(
                before.step < place.step ||
                (sameStep && (before.part < place.part ||
                              (before.part == place.part && before.index + 1 == place.index))))
                << k;
            if (!sameStep) {
                EXPECT_EQ(place.index, 0u) << k;
            }
        }
    }
    const EuclidLesson table = EuclidLessonFor("91", "35", "14", ".", English, Method::Table);
    std::size_t rows = 0;
    for (const EuclidPlace &place : EuclidPlaces(table))
        rows += place.part == Part::Row;
    // 91, 35, 21, 14 and 7: the two numbers and one row a division.
    EXPECT_EQ(rows, 5u);
    EXPECT_TRUE(EuclidPlaces(EuclidLesson{}).empty());
}

enum class Act { Next, Previous, All };

struct PaceRow
{
    const char *name;
    std::vector<Act> acts;
    bool paced;
    int at; // from 1; 0 all at once; -1 the last place, -2 the one before it
};

class PaceCommands : public testing::TestWithParam<PaceRow>
{
};

TEST_P(PaceCommands, MoveThroughTheLessonWithinItsEnds)
{
    const PaceRow &row = GetParam();
    Visit visit(Halves(), English);
    Calculate(visit, "91", "35", "14");
    const std::size_t count = EuclidPlaces(visit.View().euclidLesson).size();
    ASSERT_GT(count, 3u);
    for (const Act act : row.acts) {
        if (act == Act::Next)
            visit.Apply(command::NextStep{});
        else if (act == Act::Previous)
            visit.Apply(command::PreviousStep{});
        else
            visit.Apply(command::ShowAllSteps{});
    }
    std::size_t at = row.at >= 0 ? std::size_t(row.at) : count + 1 - std::size_t(-row.at);
    if (row.at == -3) // Next as often as there are places, and once more
        at = count;
    const PaceView &pace = visit.View().pace;
    EXPECT_EQ(pace.paced, row.paced);
    EXPECT_EQ(pace.count, count);
    EXPECT_EQ(pace.at, at);
    EXPECT_EQ(pace.next, !row.paced || at < count);
    EXPECT_EQ(pace.previous, !row.paced || at > 1);
    EXPECT_EQ(pace.all, row.paced);
    EXPECT_EQ(pace.text, row.paced ? "Step " + std::to_string(at) + " of " + std::to_string(count)
                                   : std::string());
    // Pacing shows the lines; it never writes them otherwise.
    EXPECT_EQ(visit.View().euclid, EuclidAccount("91", "35", "14", ".", English));
}

const PaceRow PaceRows[] = {
    {"AllAtOnceByDefault", {}, false, 0},
    {"NextStartsAtTheFirstStep", {Act::Next}, true, 1},
    {"NextAgainShowsOneMore", {Act::Next, Act::Next, Act::Next}, true, 3},
    {"PreviousGoesBackOne", {Act::Next, Act::Next, Act::Next, Act::Previous}, true, 2},
    {"PreviousStopsAtTheFirst", {Act::Next, Act::Previous, Act::Previous}, true, 1},
    {"PreviousFromAllHidesTheLast", {Act::Previous}, true, -2},
    {"NextThenAllShowsEverything", {Act::Next, Act::Next, Act::All}, false, 0},
    {"AllAtOnceTwiceStaysSo", {Act::All, Act::All}, false, 0},
    {"NextAfterAllStartsAgain", {Act::Next, Act::Next, Act::All, Act::Next}, true, 1},
};

INSTANTIATE_TEST_SUITE_P(Visit, PaceCommands, testing::ValuesIn(PaceRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Pace, NextStopsAtTheLastStep)
{
    Visit visit(Halves(), English);
    Calculate(visit, "91", "35", "14");
    const std::size_t count = visit.View().pace.count;
    for (std::size_t k = 0; k <= count + 2; ++k)
        visit.Apply(command::NextStep{});
    EXPECT_EQ(visit.View().pace.at, count);
    EXPECT_FALSE(visit.View().pace.next);
    EXPECT_TRUE(visit.View().pace.previous);
    visit.Apply(command::PreviousStep{});
    EXPECT_EQ(visit.View().pace.at, count - 1);
}

// Before anything is calculated there is nothing to pace: the commands do
// nothing and every button but Show all is off.
TEST(Pace, NothingToPaceBeforeACalculation)
{
    Visit visit(Halves(), Bulgarian);
    visit.Apply(command::Start{});
    for (const Command &command :
         std::vector<Command>{command::NextStep{}, command::PreviousStep{}}) {
        const PaceView &pace = visit.Apply(command).pace;
        EXPECT_FALSE(pace.paced);
        EXPECT_EQ(pace.count, 0u);
        EXPECT_FALSE(pace.next);
        EXPECT_FALSE(pace.previous);
        EXPECT_FALSE(pace.all);
    }
}

// A lesson of one line (a refused equation) paces from its only line; from
// all at once there is no step before the last.
TEST(Pace, ALessonOfOneLine)
{
    Visit visit(Halves(), English);
    Calculate(visit, "99999999999", "35", "14");
    ASSERT_EQ(visit.View().pace.count, 1u);
    EXPECT_TRUE(visit.View().pace.next);
    EXPECT_FALSE(visit.View().pace.previous);
    visit.Apply(command::PreviousStep{});
    EXPECT_FALSE(visit.View().pace.paced);
    visit.Apply(command::NextStep{});
    EXPECT_EQ(visit.View().pace.at, 1u);
    EXPECT_FALSE(visit.View().pace.next);
    EXPECT_FALSE(visit.View().pace.previous);
    EXPECT_EQ(visit.View().pace.text, "Step 1 of 1");
}

// A teacher who paces keeps pacing: a new calculation starts again from its
// first step, Clear and another language leave nothing to show yet, and the
// next calculation is paced from its start; Show all ends it.
TEST(Pace, KeepsPacingANewLessonFromItsStart)
{
    Visit visit(Halves(), English);
    Calculate(visit, "91", "35", "14");
    for (int k = 0; k < 6; ++k)
        visit.Apply(command::NextStep{});
    Calculate(visit, "3", "5", "7");
    EXPECT_TRUE(visit.View().pace.paced);
    EXPECT_EQ(visit.View().pace.at, 1u);

    visit.Apply(command::NextStep{});
    visit.Apply(command::SetLanguage{FindCatalogue("uk")});
    EXPECT_TRUE(visit.View().pace.paced);
    EXPECT_EQ(visit.View().pace.count, 0u);
    EXPECT_EQ(visit.View().pace.text, "");
    visit.Apply(command::Calculate{});
    EXPECT_EQ(visit.View().pace.at, 1u);
    EXPECT_EQ(visit.View().pace.text, "Крок 1 з " + std::to_string(visit.View().pace.count));

    visit.Apply(command::ShowAllSteps{});
    Calculate(visit, "91", "35", "14");
    EXPECT_FALSE(visit.View().pace.paced);
    EXPECT_EQ(visit.View().pace.at, 0u);
}

struct MethodRow
{
    const char *name;
    int nexts;        // steps shown before the method changes
    bool toAlgorithm; // then at the other method's first line of the algorithm
};

class PaceAcrossMethods : public testing::TestWithParam<MethodRow>
{
};

// The lines before the algorithm are the same in both methods: a lesson
// paced among them stays where it is; one paced beyond them goes on from the
// start of the other method's algorithm.
TEST_P(PaceAcrossMethods, KeepsThePlaceBeforeTheAlgorithm)
{
    const MethodRow &row = GetParam();
    Visit visit(Halves(), Bulgarian);
    Calculate(visit, "91", "35", "14");
    for (int k = 0; k < row.nexts; ++k)
        visit.Apply(command::NextStep{});
    const std::size_t before = visit.View().pace.at;
    visit.Apply(command::SetEuclidMethod{Method::Table});
    const EuclidLesson &table = visit.View().euclidLesson;
    std::size_t algorithm = 0;
    const std::vector<EuclidPlace> places = EuclidPlaces(table);
    while (table.steps[places[algorithm].step].kind != EuclidStep::Kind::Algorithm)
        ++algorithm;
    EXPECT_EQ(visit.View().pace.at, row.toAlgorithm ? algorithm + 1 : before);
    EXPECT_TRUE(visit.View().pace.paced);
}

const MethodRow MethodRows[] = {
    {"OnTheEquation", 1, false},
    {"InTheDivisions", 4, true},
    {"NearTheEnd", 30, true},
};

INSTANTIATE_TEST_SUITE_P(Visit, PaceAcrossMethods, testing::ValuesIn(MethodRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
