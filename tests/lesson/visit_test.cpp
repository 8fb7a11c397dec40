// A user's visit, as the window and the page both show it: start-up, the two
// input states, the commands, the one random sequence, the language, Enter,
// and whole transcripts through the visit's commands.

#include "clockrandom.h"
#include "languages.h"
#include "visit.h"

#include "euclid.h"
#include "practicehints.h"
#include "practicetext.h"
#include "solve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// Draws the test decides, counted; 0.5 once the queue runs dry.
struct Draws
{
    std::deque<float> queued;
    int taken = 0;
};

RandomSource Scripted(const std::shared_ptr<Draws> &draws)
{
    return [draws] {
        ++draws->taken;
        if (draws->queued.empty())
            return 0.5f;
        const float r = draws->queued.front();
        draws->queued.pop_front();
        return r;
    };
}

const float Top = std::nextafter(1.0f, 0.0f);

// The visit's commands by short names, as the tests give them.
void Type(Visit &visit, const std::string &a, const std::string &b, const std::string &c)
{
    visit.Apply(command::Edit{Entry::A, a});
    visit.Apply(command::Edit{Entry::B, b});
    visit.Apply(command::Edit{Entry::C, c});
}

std::vector<std::string> Fields(const Visit &visit)
{
    const auto &c = visit.View().coefficients;
    return {c[0], c[1], c[2]};
}

struct VisitTest : testing::Test
{
    std::shared_ptr<Draws> draws = std::make_shared<Draws>();
    Visit visit{Scripted(draws), Bulgarian};

    const VisitView &View() const { return visit.View(); }
    std::vector<std::string> Fields() const { return ::Fields(visit); }
    void Type(const std::string &a, const std::string &b, const std::string &c)
    {
        ::Type(visit, a, b, c);
    }
    // Clears, types, queues the draws and presses Изчисли.
    const std::string &Calculate(const std::string &a, const std::string &b, const std::string &c,
                                 std::deque<float> queue = {})
    {
        visit.Apply(command::Clear{});
        Type(a, b, c);
        draws->queued = std::move(queue);
        return visit.Apply(command::Calculate{}).transcript;
    }
    bool Ready() const { return !View().locked && View().calculateEnabled; }
    bool Calculated() const { return View().locked && !View().calculateEnabled; }
};

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

TEST_F(VisitTest, StartUpSelectsTheFirstRangeAndFillsOnce)
{
    EXPECT_EQ(visit.View().range, -1);
    // R = 10: 0 gives 1, 0.25 gives the tie 3.5 and so 4, the largest r 11.
    draws->queued = {0.0f, 0.25f, Top};
    visit.Apply(command::Start{});
    EXPECT_EQ(draws->taken, 3);
    EXPECT_EQ(Fields(), (std::vector<std::string>{"1", "4", "11"}));
    EXPECT_EQ(visit.View().range, 0);
    EXPECT_EQ(visit.View().transcript, "");
    EXPECT_TRUE(Ready());
    EXPECT_EQ(visit.View().focus, Focus::Introduction);
    EXPECT_EQ(visit.View().euclid, "");
    EXPECT_EQ(visit.View().noteKind, NoteKind::None);
}

TEST_F(VisitTest, StartUpWithTheProgramsOwnGenerator)
{
    Visit clocked(ClockRandom(), Bulgarian);
    clocked.Apply(command::Start{});
    for (int k = 1; k <= 3; ++k) {
        const std::string &drawn = clocked.View().coefficients[std::size_t(k - 1)];
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(drawn.find_first_not_of("0123456789"), std::string::npos) << drawn;
        EXPECT_GE(std::stoi(drawn), 1);
        EXPECT_LE(std::stoi(drawn), 11);
    }
}

TEST_F(VisitTest, CalculateLocksDisablesAndSendsTheFocusToTheTranscript)
{
    visit.Apply(command::Start{});
    Calculate("3", "5", "1");
    visit.Apply(command::Clear{});
    Type("7", "6", "6");
    visit.Apply(command::Calculate{});
    const std::string transcript = visit.View().transcript;
    EXPECT_EQ(transcript.find("3x"), std::string::npos) << "no line of the last calculation";
    EXPECT_EQ(transcript.rfind("Решавам Диофантово уравнение 7x + 6y = 6\r\n", 0), 0u);
    EXPECT_TRUE(Calculated());
    EXPECT_EQ(visit.View().focus, Focus::Transcript);
    EXPECT_EQ(Fields(), (std::vector<std::string>{"7", "6", "6"}));

    // Locked fields keep their texts; a second Изчисли and Enter do nothing
    // and draw nothing.
    visit.Apply(command::Edit{Entry::A, "9"});
    const int taken = draws->taken;
    visit.Apply(command::Calculate{});
    EXPECT_EQ(visit.View().focus, Focus::Unchanged);
    visit.Apply(command::Enter{Entry::B});
    EXPECT_EQ(visit.View().focus, Focus::Unchanged);
    EXPECT_EQ(draws->taken, taken);
    EXPECT_EQ(visit.View().transcript, transcript);
    EXPECT_EQ(visit.View().coefficients[0], "7");
    EXPECT_TRUE(Calculated());
}

TEST_F(VisitTest, EnterInAFieldCalculatesAsИзчислиDoes)
{
    visit.Apply(command::Start{});
    Type("3", "5", "1");
    draws->queued = {0.25f};
    visit.Apply(command::Enter{Entry::B});
    EXPECT_TRUE(Calculated());
    EXPECT_EQ(visit.View().focus, Focus::Transcript);
    Visit pressed(Scripted(std::make_shared<Draws>(Draws{{0.25f}})), Bulgarian);
    pressed.Apply(command::Edit{Entry::A, "3"});
    pressed.Apply(command::Edit{Entry::B, "5"});
    pressed.Apply(command::Edit{Entry::C, "1"});
    pressed.Apply(command::Calculate{});
    EXPECT_EQ(visit.View().transcript, pressed.View().transcript);
}

TEST_F(VisitTest, ClearEmptiesAndUnlocksInBothStatesAndKeepsTheRange)
{
    visit.Apply(command::Start{});
    visit.Apply(command::SelectRange{2});
    visit.Apply(command::Clear{});
    EXPECT_EQ(Fields(), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(visit.View().transcript, "");
    EXPECT_TRUE(Ready());

    Calculate("3", "5", "7");
    EXPECT_TRUE(Calculated());
    visit.Apply(command::Clear{});
    EXPECT_EQ(Fields(), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(visit.View().transcript, "");
    EXPECT_TRUE(Ready());
    EXPECT_EQ(visit.View().focus, Focus::Unchanged);
    EXPECT_EQ(visit.View().range, 2);

    // Three empty fields read as zeros.
    visit.Apply(command::Calculate{});
    EXPECT_EQ(visit.View().transcript,
              Lines({"Решавам Диофантово уравнение 0x + 0y = 0",
                     "Диофантовото уравнение 0x + 0y = 0", "е с некоректно въведени коефициенти!",
                     "Моля, въведете стойности на коефициентите!"}));
}

TEST_F(VisitTest, DataAndARangeFillFromTheSelectedRangeInBothStates)
{
    for (const bool calculatedFirst : {false, true})
        for (const bool byList : {false, true}) {
            Visit visit(Scripted(draws), Bulgarian);
            visit.Apply(command::Start{});
            visit.Apply(command::Edit{Entry::A, "3"});
            visit.Apply(command::Edit{Entry::B, "5"});
            visit.Apply(command::Edit{Entry::C, "1"});
            if (calculatedFirst)
                visit.Apply(command::Calculate{});
            draws->queued = {0.5f, 0.0f, 0.99f};
            const int before = draws->taken;
            if (byList)
                visit.Apply(command::SelectRange{1}); // "100"
            else
                visit.Apply(command::NewData{}); // "10"
            const auto expected = byList ? std::vector<std::string>{"51", "1", "100"}
                                         : std::vector<std::string>{"6", "1", "11"};
            EXPECT_EQ(draws->taken - before, 3);
            EXPECT_EQ((std::vector<std::string>{visit.View().coefficients[0],
                                                visit.View().coefficients[1],
                                                visit.View().coefficients[2]}),
                      expected);
            EXPECT_EQ(visit.View().transcript, "");
            EXPECT_TRUE(visit.View().calculateEnabled && !visit.View().locked);
        }
}

TEST_F(VisitTest, FillsRoundTiesToEven)
{
    // r * R + 1 exactly halfway between two integers goes to the even one.
    struct Row
    {
        int range;
        float r;
        const char *expected;
    };
    visit.Apply(command::Start{});
    for (const Row &row :
         {Row{1, 0.125f, "14"}, Row{1, 0.375f, "38"}, Row{6, 1.0f / 32, "64"},
          Row{6, 3.0f / 32, "188"}, Row{6, Top, "2001"}, Row{6, 0.0f, "1"}, Row{5, 0.0003f, "1"}}) {
        visit.Apply(command::SelectRange{row.range});
        draws->queued = {row.r, row.r, row.r};
        visit.Apply(command::NewData{});
        EXPECT_EQ(Fields(), (std::vector<std::string>(3, row.expected))) << row.r;
    }
}

TEST_F(VisitTest, OnlyAListedRangeIsSelected)
{
    visit.Apply(command::Start{});
    const int taken = draws->taken;
    visit.Apply(command::SelectRange{-1});
    visit.Apply(command::SelectRange{7});
    EXPECT_EQ(visit.View().range, 0);
    EXPECT_EQ(draws->taken, taken);
}

TEST_F(VisitTest, TIsDrawnOnlyWhenTheCalculationReachesTheCheck)
{
    visit.Apply(command::Start{});
    visit.Apply(command::Clear{});
    Type("0", "0", "5");
    draws->queued = {0.75f, 0.25f, 0.5f, 0.0f};
    visit.Apply(command::Calculate{});
    visit.Apply(command::Clear{});
    Type("4", "6", "3");
    visit.Apply(command::Calculate{});
    visit.Apply(command::Clear{});
    Type("3", "5", "1");
    // No check on the first two roads: 0.75 is still there for t, 8.5 to 8.
    visit.Apply(command::Calculate{});
    EXPECT_NE(visit.View().transcript.find("проверка за t = 8: "), std::string::npos);
    // The fill goes on from the same sequence: 0.25, 0.5 and 0 of range 10.
    visit.Apply(command::NewData{});
    EXPECT_EQ(Fields(), (std::vector<std::string>{"4", "6", "1"}));
}

TEST_F(VisitTest, ANewLanguageStartsANewAccountAndKeepsTheCoefficients)
{
    visit.Apply(command::Start{});
    const std::string bulgarian = Calculate("3", "5", "7");
    visit.Apply(command::SetLanguage{&English});
    EXPECT_EQ(&visit.Language(), &English);
    EXPECT_EQ(visit.View().transcript, "");
    EXPECT_EQ(Fields(), (std::vector<std::string>{"3", "5", "7"}));
    EXPECT_TRUE(Ready());

    visit.Apply(command::Calculate{});
    const std::string english = visit.View().transcript;
    EXPECT_EQ(english.rfind("Solving the Diophantine equation 3x + 5y = 7\r\n", 0), 0u);
    EXPECT_EQ(std::count(english.begin(), english.end(), '\n'),
              std::count(bulgarian.begin(), bulgarian.end(), '\n'));

    // The language already spoken changes nothing: the result stays.
    visit.Apply(command::SetLanguage{&English});
    EXPECT_EQ(visit.View().transcript, english);
    EXPECT_TRUE(Calculated());
}

TEST_F(VisitTest, FractionsInTheUsersSeparator)
{
    visit.Apply(command::Start{});
    EXPECT_NE(Calculate("0", "4", "6").find("y = 1.5\r\n"), std::string::npos);
    visit.Apply(command::SetDecimalSeparator{","});
    EXPECT_NE(Calculate("0", "4", "6").find("y = 1,5\r\n"), std::string::npos);
    visit.Apply(command::SetDecimalSeparator{"٫"});
    EXPECT_NE(Calculate("0", "4", "6").find("y = 1٫5\r\n"), std::string::npos);
}

// Every visit explains its calculation by Euclid's way too, in its language
// and with its decimal separator, and drops it with the transcript.
TEST_F(VisitTest, EuclidsWayFollowsEveryCalculation)
{
    visit.Apply(command::Start{});
    EXPECT_EQ(View().euclid, "");
    visit.Apply(command::SetDecimalSeparator{","});
    Calculate("91", "35", "1,5");
    EXPECT_EQ(View().euclid, EuclidAccount("91", "35", "1,5", ",", Bulgarian));
    EXPECT_NE(View().euclid.find("91 = 2·35 + 21\r\n"), std::string::npos);
    visit.Apply(command::SetLanguage{&English});
    EXPECT_EQ(View().euclid, "");
    visit.Apply(command::Enter{Entry::C});
    EXPECT_EQ(View().euclid, EuclidAccount("91", "35", "1,5", ",", English));
    visit.Apply(command::NewData{});
    EXPECT_EQ(View().euclid, "");
    Calculate("3", "5", "7");
    visit.Apply(command::Clear{});
    EXPECT_EQ(View().euclid, "");
}

// The method chosen for Euclid's way writes the same calculation again at
// once, the working untouched, and stays for the rest of the visit: through
// Clear, New data and another language.
TEST_F(VisitTest, EuclidsMethodRewritesTheLessonAndStaysForTheVisit)
{
    using Method = EuclidLesson::Method;
    const auto hasTable = [](const EuclidLesson &lesson) {
        return std::any_of(lesson.steps.begin(), lesson.steps.end(),
                           [](const EuclidStep &step) { return step.table.has_value(); });
    };
    visit.Apply(command::Start{});
    // Chosen before anything is calculated: nothing to show yet.
    visit.Apply(command::SetEuclidMethod{Method::Table});
    EXPECT_EQ(View().euclid, "");
    EXPECT_TRUE(View().euclidLesson.steps.empty());
    EXPECT_EQ(View().euclidLesson.method, Method::Table);

    const std::string transcript = Calculate("91", "35", "14", {0.1f, 0.9f});
    EXPECT_EQ(View().euclid, EuclidAccount("91", "35", "14", ".", Bulgarian, Method::Table));
    EXPECT_TRUE(hasTable(View().euclidLesson));
    EXPECT_EQ(EuclidLessonText(View().euclidLesson), View().euclid);

    visit.Apply(command::SetEuclidMethod{Method::Substitution});
    EXPECT_EQ(View().transcript, transcript) << "the working is not drawn again";
    EXPECT_EQ(View().euclid, EuclidAccount("91", "35", "14", ".", Bulgarian));
    EXPECT_FALSE(hasTable(View().euclidLesson));
    EXPECT_EQ(View().euclidLesson.method, Method::Substitution);

    visit.Apply(command::SetEuclidMethod{Method::Table});
    visit.Apply(command::NewData{});
    visit.Apply(command::SetLanguage{&English});
    Calculate("-91", "35", "-14");
    EXPECT_EQ(View().euclidLesson.method, Method::Table);
    EXPECT_EQ(View().euclid, EuclidAccount("-91", "35", "-14", ".", English, Method::Table));
}

// ---- "Your answer" -----------------------------------------------------

std::string Tally(const Catalogue &language, int right, int total, int hints)
{
    return FillPlaceholders(
        language.practice.tally.For(static_cast<std::uint64_t>(hints)),
        {{"right", WholeText(right)}, {"total", WholeText(total)}, {"hints", WholeText(hints)}});
}

struct PracticeTest : VisitTest
{
    void Answer(const std::string &x0, const std::string &y0, const std::string &p,
                const std::string &q)
    {
        visit.Apply(command::Edit{Entry::X0, x0});
        visit.Apply(command::Edit{Entry::Y0, y0});
        visit.Apply(command::Edit{Entry::StepX, p});
        visit.Apply(command::Edit{Entry::StepY, q});
    }
    const PracticeView &Practice() const { return View().practice; }
    bool Unanswered() const
    {
        return Practice().entries == std::array<std::string, 4>{} && !Practice().noSolution &&
               !Practice().verdict && Practice().heading.empty() && Practice().lines.empty();
    }
};

// A new equation, or a new language, starts the answer afresh, whichever
// front end the pupil uses; the round's tally stays.
TEST_F(PracticeTest, ANewEquationOrLanguageEmptiesTheAnswerAndTheFeedback)
{
    const std::pair<const char *, Command> newStarts[] = {
        {"New data", command::NewData{}},
        {"Clear", command::Clear{}},
        {"another range", command::SelectRange{3}},
        {"the same range again", command::SelectRange{0}},
        {"another language", command::SetLanguage{&English}},
    };
    for (const auto &[name, start] : newStarts) {
        Visit visit(Scripted(draws), Bulgarian);
        visit.Apply(command::Start{});
        ::Type(visit, "3", "5", "1");
        visit.Apply(command::Edit{Entry::X0, "2"});
        visit.Apply(command::Edit{Entry::Y0, "-1"});
        visit.Apply(command::Claim{true});
        visit.Apply(command::Check{});
        ASSERT_TRUE(visit.View().practice.verdict) << name;
        ASSERT_EQ(visit.View().practice.tally, Tally(visit.Language(), 0, 1, 0));

        const PracticeView &after = visit.Apply(start).practice;
        EXPECT_EQ(after.entries, (std::array<std::string, 4>{})) << name;
        EXPECT_FALSE(after.noSolution) << name;
        EXPECT_FALSE(after.verdict) << name;
        EXPECT_EQ(after.heading, "") << name;
        EXPECT_TRUE(after.lines.empty()) << name;
        EXPECT_EQ(after.tally, Tally(visit.Language(), 0, 1, 0)) << name;
        EXPECT_TRUE(after.hints.empty()) << name;
    }
}

TEST_F(PracticeTest, EditingACoefficientClearsTheFeedbackAndKeepsTheEntries)
{
    visit.Apply(command::Start{});
    Type("3", "5", "1");
    Answer("2", "-1", "5", "-3");
    visit.Apply(command::Check{});
    ASSERT_EQ(Practice().verdict, Verdict::Right);

    // The same text again is no edit; a correction of an entry keeps the
    // feedback until the next check.
    visit.Apply(command::Edit{Entry::A, "3"});
    visit.Apply(command::Edit{Entry::StepX, "-5"});
    EXPECT_EQ(Practice().verdict, Verdict::Right);

    visit.Apply(command::Edit{Entry::A, "4"});
    EXPECT_FALSE(Practice().verdict);
    EXPECT_TRUE(Practice().lines.empty());
    EXPECT_EQ(Practice().heading, "");
    EXPECT_EQ(Practice().entries, (std::array<std::string, 4>{"2", "-1", "-5", "-3"}));

    // Checked again, against the equation as it now stands: 4x + 5y = 1.
    visit.Apply(command::Enter{Entry::Y0});
    EXPECT_EQ(Practice().verdict, Verdict::Wrong);
    EXPECT_EQ(Practice().lines.front().text,
              FillPlaceholders(Bulgarian.practice.particular.wrong,
                               {{"check", "4·2 + 5·(−1) = 8 − 5 = 3"}, {"c", "1"}}));
}

TEST_F(PracticeTest, AnEquationCountsRightOnlyAtTheFirstTryWithoutAHint)
{
    const auto tally = [](int right, int total, int hints) {
        return Tally(English, right, total, hints);
    };
    visit.Apply(command::SetLanguage{&English});
    visit.Apply(command::Start{});
    EXPECT_EQ(Practice().tally, "Right at the first try: 0 of 0; hints used: 0");

    // Wrong, then corrected: no point for the correction.
    Type("3", "5", "1");
    Answer("2", "1", "5", "-3");
    visit.Apply(command::Check{});
    EXPECT_EQ(Practice().tally, tally(0, 1, 0));
    visit.Apply(command::Edit{Entry::Y0, "-1"});
    visit.Apply(command::Check{});
    EXPECT_EQ(Practice().verdict, Verdict::Right);
    EXPECT_EQ(Practice().tally, tally(0, 1, 0));

    // Right at the first try: a point; checked again, before Calculate and
    // after it, still one equation.
    visit.Apply(command::Clear{});
    Type("4", "6", "2");
    Answer("-1", "1", "3", "-2");
    visit.Apply(command::Check{});
    visit.Apply(command::Calculate{});
    Answer("-1", "1", "3", "-2");
    visit.Apply(command::Check{});
    EXPECT_EQ(Practice().tally, tally(1, 2, 0));

    // Right after a hint: counted, with no point, the hint counted once
    // however often the equation comes back.
    visit.Apply(command::Clear{});
    Type("7", "2", "1");
    visit.Apply(command::Hint{});
    Answer("1", "-3", "2", "-7");
    visit.Apply(command::Check{});
    EXPECT_EQ(Practice().verdict, Verdict::Right);
    EXPECT_EQ(Practice().tally, tally(1, 3, 1));
    visit.Apply(command::Clear{});
    Type("7", "2", "1");
    visit.Apply(command::Hint{});
    visit.Apply(command::Hint{});
    EXPECT_EQ(Practice().tally, tally(1, 3, 2));

    // An equation met again in the round keeps its first result.
    visit.Apply(command::Clear{});
    Type("3", "5", "1");
    Answer("2", "-1", "5", "-3");
    visit.Apply(command::Check{});
    EXPECT_EQ(Practice().tally, tally(1, 3, 2));

    // Refused coefficients are no equation to count.
    visit.Apply(command::Clear{});
    Type("9e99", "1", "1");
    visit.Apply(command::Check{});
    EXPECT_EQ(Practice().verdict, Verdict::Refused);
    EXPECT_EQ(Practice().tally, tally(1, 3, 2));

    // Start again: every equation is new again.
    visit.Apply(command::StartTallyAgain{});
    EXPECT_EQ(Practice().tally, tally(0, 0, 0));
    visit.Apply(command::Clear{});
    Type("3", "5", "1");
    Answer("2", "-1", "5", "-3");
    visit.Apply(command::Check{});
    EXPECT_EQ(Practice().tally, tally(1, 1, 0));
}

// The tally in each language's words, its nouns following the hints taken.
TEST(PracticeTally, PluralFormsOfEachLanguage)
{
    const Catalogue &Ukrainian = *FindCatalogue("uk");
    EXPECT_EQ(Tally(English, 3, 5, 2), "Right at the first try: 3 of 5; hints used: 2");
    EXPECT_EQ(Tally(Bulgarian, 0, 0, 0), "Верни от първия опит: 0 от 0; използвани 0 подсказки");
    EXPECT_EQ(Tally(Bulgarian, 1, 2, 1), "Верни от първия опит: 1 от 2; използвана 1 подсказка");
    EXPECT_EQ(Tally(Ukrainian, 1, 2, 1),
              "Правильно з першої спроби: 1 з 2; використано 1 підказку");
    EXPECT_EQ(Tally(Ukrainian, 1, 2, 3),
              "Правильно з першої спроби: 1 з 2; використано 3 підказки");
    EXPECT_EQ(Tally(Ukrainian, 1, 2, 11),
              "Правильно з першої спроби: 1 з 2; використано 11 підказок");
}

TEST_F(PracticeTest, HintsComeOneAtATimeAndStopAtTheWholeAnswer)
{
    visit.Apply(command::SetLanguage{&English});
    visit.Apply(command::Start{});
    Type("91", "35", "14");
    EXPECT_TRUE(Practice().hints.empty());
    EXPECT_TRUE(Practice().hintAvailable);

    const std::vector<std::string> all = PracticeHints("91", "35", "14", English);
    ASSERT_EQ(all.size(), 3u);
    for (std::size_t k = 1; k <= all.size(); ++k) {
        visit.Apply(command::Hint{});
        EXPECT_EQ(Practice().hints, std::vector<std::string>(all.begin(), all.begin() + k));
        EXPECT_EQ(Practice().hintAvailable, k < all.size());
    }
    visit.Apply(command::Hint{}); // none left: nothing changes, nothing counted
    EXPECT_EQ(Practice().hints, all);
    EXPECT_EQ(Practice().tally, Tally(English, 0, 0, 3));

    // Another equation starts its hints afresh; so does a changed coefficient.
    visit.Apply(command::Edit{Entry::C, "21"});
    EXPECT_TRUE(Practice().hints.empty());
    EXPECT_TRUE(Practice().hintAvailable);
    visit.Apply(command::Hint{});
    EXPECT_EQ(Practice().hints.front(), PracticeHints("91", "35", "21", English).front());

    // A refused equation has no hints to give.
    Type("9e99", "1", "1");
    EXPECT_FALSE(Practice().hintAvailable);
    visit.Apply(command::Hint{});
    EXPECT_TRUE(Practice().hints.empty());
}

TEST_F(PracticeTest, TheVerdictIsHeadedInTheVisitsLanguageExceptWhereRefused)
{
    visit.Apply(command::Start{});
    Type("3", "5", "1");
    Answer("2", "-1", "5", "-3");
    visit.Apply(command::Check{});
    EXPECT_EQ(Practice().heading, Bulgarian.practice.right.value);
    Answer("2", "1", "5", "-3");
    visit.Apply(command::Enter{Entry::StepY});
    EXPECT_EQ(Practice().heading, Bulgarian.practice.wrong.value);
    EXPECT_TRUE(Practice().lines.front().mistake);

    // Nothing can be checked: the lines say why, and no verdict heads them.
    visit.Apply(command::Clear{});
    Type("1", "32768", "1");
    Answer("1", "0", "0", "0");
    visit.Apply(command::Check{});
    EXPECT_EQ(Practice().verdict, Verdict::Refused);
    EXPECT_EQ(Practice().heading, "");
    ASSERT_EQ(Practice().lines.size(), 1u);
    EXPECT_EQ(Practice().lines.front().finding, Finding::CoefficientOutOfRange);

    // The claim stands instead of a pair.
    visit.Apply(command::Clear{});
    Type("4", "6", "7");
    Answer("1", "1", "1", "1");
    visit.Apply(command::Claim{true});
    visit.Apply(command::Check{});
    EXPECT_EQ(Practice().verdict, Verdict::Right);
    EXPECT_TRUE(Practice().noSolution);
    visit.Apply(command::Claim{false});
    EXPECT_FALSE(Practice().noSolution);
}

// ---- the line beside the fields ---------------------------------------------

TEST_F(VisitTest, AKeyInALockedFieldSaysHowToChangeTheEquation)
{
    visit.Apply(command::Start{});
    Calculate("3", "5", "1");
    EXPECT_EQ(View().noteKind, NoteKind::None);
    EXPECT_EQ(View().note, "");
    const std::string transcript = View().transcript;

    visit.Apply(command::Edit{Entry::B, "59"});
    EXPECT_EQ(View().coefficients[1], "5");
    EXPECT_EQ(View().noteKind, NoteKind::Locked);
    EXPECT_EQ(View().note, "Натиснете „Изчисти“, за да промените уравнението");
    EXPECT_EQ(View().transcript, transcript);
    // It stays while the fields stay locked, whatever else the pupil does.
    visit.Apply(command::Edit{Entry::X0, "2"});
    visit.Apply(command::Check{});
    EXPECT_EQ(View().noteKind, NoteKind::Locked);

    // Every way back to Ready takes it away.
    for (const Command &open :
         {Command{command::Clear{}}, Command{command::NewData{}}, Command{command::SelectRange{2}},
          Command{command::SetLanguage{&English}}}) {
        visit.Apply(command::Calculate{});
        visit.Apply(command::Edit{Entry::A, "1"});
        ASSERT_EQ(View().noteKind, NoteKind::Locked);
        visit.Apply(open);
        EXPECT_EQ(View().noteKind, NoteKind::None) << open.index();
        EXPECT_EQ(View().note, "");
    }
    visit.Apply(command::Calculate{});
    visit.Apply(command::Edit{Entry::C, ""});
    EXPECT_EQ(View().note, "Press Clear to change the equation");
}

struct ReadAsRow
{
    const char *a, *b, *c;
    const char *separator;
    const char *note; // empty: every field read as typed
};

class ReadAsTest : public testing::TestWithParam<ReadAsRow>
{
};

// Pasted from a textbook, a field may hold a number the reading rule takes
// otherwise: the note says which equation was solved. The working stays as
// the solver writes it.
TEST_P(ReadAsTest, FieldsNotReadAsTypedAreNamedWhenCalculated)
{
    const ReadAsRow &row = GetParam();
    Visit visit(Scripted(std::make_shared<Draws>()), Bulgarian);
    visit.Apply(command::Start{});
    visit.Apply(command::SetDecimalSeparator{row.separator});
    visit.Apply(command::Clear{});
    Type(visit, row.a, row.b, row.c);
    EXPECT_EQ(visit.View().noteKind, NoteKind::None) << "not before Calculate";
    const VisitView &view = visit.Apply(command::Calculate{});
    EXPECT_EQ(view.note, row.note);
    EXPECT_EQ(view.noteKind, *row.note ? NoteKind::ReadAs : NoteKind::None);
    EXPECT_EQ(view.transcript,
              Solve(
                  {row.a, row.b, row.c}, [] { return 0.5f; }, row.separator, Bulgarian.transcript)
                  .Text());
    visit.Apply(command::Clear{});
    EXPECT_EQ(visit.View().note, "");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ReadAsTest,
    testing::Values(ReadAsRow{"1,5", "5", "−35", ",", "Прочетено като A = 1, C = 0"},
                    ReadAsRow{"1 000", "7", "3", ".", "Прочетено като A = 1"},
                    ReadAsRow{"3", "1e3", "-7.9", ".", "Прочетено като B = 1000, C = -8"},
                    ReadAsRow{"9e99", "1", "1", ".", "Прочетено като A = 9E+99"},
                    ReadAsRow{"abc", "x", "?", ".", "Прочетено като A = 0, B = 0, C = 0"},
                    ReadAsRow{" 3 ", "+5", "007", ".", ""}, ReadAsRow{"", "", "", ".", ""},
                    ReadAsRow{"-3", "-0", "2", ",", ""}));

// The fill rule's distribution from the program's own generator.
TEST(VisitFillTest, RangeTenGivesOneToElevenWithTheEndsHalfAsOften)
{
    Visit visit(ClockRandom(20240607), Bulgarian);
    visit.Apply(command::Start{});
    std::map<int, int> counts;
    for (int n = 0; n < 2000; ++n) {
        visit.Apply(command::NewData{});
        for (int k = 1; k <= 3; ++k)
            ++counts[std::stoi(visit.View().coefficients[std::size_t(k - 1)])];
    }
    ASSERT_EQ(counts.size(), 11u);
    EXPECT_EQ(counts.begin()->first, 1);
    EXPECT_EQ(counts.rbegin()->first, 11);
    // Chi-square over 11 cells (10 degrees of freedom) against the rule, and
    // against a flat rule, which these counts must refute.
    double rule = 0, flat = 0;
    for (const auto &[value, count] : counts) {
        const double expected = 6000 * (value == 1 || value == 11 ? 0.05 : 0.1);
        rule += (count - expected) * (count - expected) / expected;
        flat += (count - 6000.0 / 11) * (count - 6000.0 / 11) / (6000.0 / 11);
    }
    EXPECT_LT(rule, 60);
    EXPECT_GT(flat, 60);
}

TEST(VisitFillTest, RangeTwoThousandSpreadsAndTwoSeedsDiffer)
{
    std::vector<std::string> seen[2];
    for (int s = 0; s < 2; ++s) {
        Visit visit(ClockRandom(1000 + s), Bulgarian);
        visit.Apply(command::Start{});
        visit.Apply(command::SelectRange{6});
        for (int n = 0; n < 300; ++n) {
            visit.Apply(command::NewData{});
            for (int k = 1; k <= 3; ++k) {
                const int v = std::stoi(visit.View().coefficients[std::size_t(k - 1)]);
                EXPECT_TRUE(v >= 1 && v <= 2001) << v;
                seen[s].push_back(visit.View().coefficients[std::size_t(k - 1)]);
            }
        }
    }
    EXPECT_GT(std::set<std::string>(seen[0].begin(), seen[0].end()).size(), 500u);
    EXPECT_NE(seen[0], seen[1]);
}

// Whole transcripts through the visit's commands, byte for byte: typed
// texts, the draw for t, the language and its separator.
struct WorkedRow
{
    const char *a;
    const char *b;
    const char *c;
    float r;
    const Catalogue *language;
    const char *separator;
    std::vector<std::string> lines;
};

std::vector<std::string> Solvable(const Catalogue &language, int a, int b, int c)
{
    const std::string A = std::to_string(a), B = std::to_string(b), C = std::to_string(c);
    if (&language == &English)
        return {"The GCD of " + A + " and " + B + " divides " + C,
                "The Diophantine equation has a solution in the integers.",
                "Please wait while the search runs."};
    return {"Изчисленият НОД на " + A + " и " + B + " е делител на " + C,
            "Диофантовото уравнение има решение в областта на целите числа.",
            "Моля, изчакайте обработката на данните!"};
}

std::vector<std::string> Check(const Catalogue &language, int t, int a, int x, int b, int y, int c)
{
    const auto n = [](int v) { return std::to_string(v); };
    const bool english = &language == &English;
    return {(english ? "Checking the solution for t = " + n(t) + ":"
                     : "Извършва се проверка за t = " + n(t) + ": "),
            english ? "A*x + B*y = C" : "A*X + B*Y = C;  ",
            n(a) + " * (" + n(x) + ") + " + n(b) + " * (" + n(y) + ") = " + n(c),
            n(a * x) + " + " + n(b * y) + " = " + n(c)};
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class WorkedTest : public testing::TestWithParam<WorkedRow>
{
};

TEST_P(WorkedTest, CalculateWritesTheWholeTranscript)
{
    const WorkedRow &row = GetParam();
    auto draws = std::make_shared<Draws>();
    Visit visit(Scripted(draws), *row.language);
    visit.Apply(command::SetDecimalSeparator{row.separator});
    visit.Apply(command::Start{});
    visit.Apply(command::Clear{});
    visit.Apply(command::Edit{Entry::A, row.a});
    visit.Apply(command::Edit{Entry::B, row.b});
    visit.Apply(command::Edit{Entry::C, row.c});
    draws->queued = {row.r};
    visit.Apply(command::Calculate{});
    std::string expected;
    for (const std::string &line : row.lines)
        expected += line + "\r\n";
    EXPECT_EQ(visit.View().transcript, expected);
}

const Catalogue &bg = Bulgarian;
const Catalogue &en = English;

INSTANTIATE_TEST_SUITE_P(
    Transcripts, WorkedTest,
    testing::Values(
        // r = 0.25 gives 3.5 and so t = 4: the tie goes to the even side.
        WorkedRow{
            "3", "5", "1", 0.25f, &bg, ",",
            Join({{"Решавам Диофантово уравнение 3x + 5y = 1",
                   "За коефициентите 3 и 5 е изчислен НОД = 1"},
                  Solvable(bg, 3, 5, 1),
                  {"Търся в интервала 0, 5", "открито решение Xо = 2; Yо = -1",
                   "X = Xо - (B*t)/NOD = 2 - ( 5 * t )", "Y = Yо + (A * t) / NOD = -1 + ( 3 * t )"},
                  Check(bg, 4, 3, -18, 5, 11, 1)})},
        // The smallest |x| wins, with its minus sign; the largest draw gives t = 11.
        WorkedRow{
            "2", "3", "1", Top, &bg, ",",
            Join({{"Решавам Диофантово уравнение 2x + 3y = 1",
                   "За коефициентите 2 и 3 е изчислен НОД = 1"},
                  Solvable(bg, 2, 3, 1),
                  {"Търся в интервала 0, 3", "открито решение Xо = -1; Yо = 1",
                   "X = Xо - (B*t)/NOD = -1 - ( 3 * t )", "Y = Yо + (A * t) / NOD = 1 + ( 2 * t )"},
                  Check(bg, 11, 2, -34, 3, 23, 1)})},
        // Nothing within [0, 1]: the wider interval finds x = 1, y = -2.
        WorkedRow{
            "-5", "-3", "1", 0.1f, &bg, ",",
            Join({{"Решавам Диофантово уравнение -5x - 3y = 1",
                   "За коефициентите -5 и -3 е изчислен НОД = 1"},
                  Solvable(bg, -5, -3, 1),
                  {"Търся в интервала 0, 1", "В този интервал няма решение. Търся в интервала 0, 5",
                   "открито решение Xо = 1; Yо = -2", "X = Xо - (B*t)/NOD = 1 - ( -3 * t )",
                   "Y = Yо + (A * t) / NOD = -2 + ( -5 * t )"},
                  Check(bg, 2, -5, 7, -3, -12, 1)})},
        // Reduced to -2x - 3y = -1, whose first interval is empty; r = 0 gives t = 1.
        WorkedRow{"-4", "-6", "-2", 0.0f, &bg, ",",
                  Join({{"Решавам Диофантово уравнение -4x - 6y = -2",
                         "За коефициентите -4 и -6 е изчислен НОД = 2",
                         "Извършва се съкращаване на коефициентите в уравнението:",
                         "Уравнение добива вида: -2x - 3y = -1"},
                        Solvable(bg, -2, -3, -1),
                        {"Търся в интервала 0, -1",
                         "В този интервал няма решение. Търся в интервала 0, 3",
                         "открито решение Xо = -1; Yо = 1", "X = Xо - (B*t)/NOD = -1 - ( -3 * t )",
                         "Y = Yо + (A * t) / NOD = 1 + ( -2 * t )"},
                        Check(bg, 1, -2, 2, -3, -1, -1)})},
        WorkedRow{"4",
                  "6",
                  "0",
                  0.5f,
                  &bg,
                  ",",
                  {"Решавам Диофантово уравнение 4x + 6y = 0",
                   "За коефициентите 4 и 6 е изчислен НОД = 2",
                   "Извършва се съкращаване на коефициентите в уравнението:",
                   "Уравнение добива вида: 2x + 3y = 0", "Уравнението има решение за x = -1,5"}},
        WorkedRow{"0",
                  "4",
                  "6",
                  0.5f,
                  &bg,
                  ",",
                  {"Решавам Диофантово уравнение 0x + 4y = 6", "Диофантовото уравнение 0x + 4y = 6",
                   "е с некоректно въведени коефициенти!",
                   "Уравнението има решение за всяко x.   y = 1,5"}},
        WorkedRow{"3",
                  "0",
                  "9",
                  0.5f,
                  &bg,
                  ",",
                  {"Решавам Диофантово уравнение 3x + 0y = 9", "Диофантовото уравнение 3x + 0y = 9",
                   "е с некоректно въведени коефициенти!",
                   "Уравнението има решение за всяко y.   x = 3"}},
        WorkedRow{"4",
                  "6",
                  "3",
                  0.5f,
                  &bg,
                  ",",
                  {"Решавам Диофантово уравнение 4x + 6y = 3",
                   "За коефициентите 4 и 6 е изчислен НОД = 2",
                   "Изчисленият НОД на 4 и 6 не е делител на 3",
                   "Диофантовото уравнение НЯМА решение в областта на целите числа!"}},
        // Read as 7 and -8: rounded down.
        WorkedRow{
            "7.9", "-7.2", "12ab", 0.5f, &bg, ",",
            Join({{"Решавам Диофантово уравнение 7x - 8y = 12",
                   "За коефициентите 7 и -8 е изчислен НОД = 1"},
                  Solvable(bg, 7, -8, 12),
                  {"Търся в интервала 0, 12", "открито решение Xо = 4; Yо = 2",
                   "X = Xо - (B*t)/NOD = 4 - ( -8 * t )", "Y = Yо + (A * t) / NOD = 2 + ( 7 * t )"},
                  Check(bg, 6, 7, 52, -8, 44, 12)})},
        // Four characters reach beyond the limits; the calculation stops there.
        WorkedRow{"9e99",
                  "-1e5",
                  "3",
                  0.5f,
                  &bg,
                  ",",
                  {"Решавам Диофантово уравнение 9E+99x - 100000y = 3",
                   "Коефициентът A = 9E+99 е извън допустимия интервал от -2147483648 до "
                   "2147483647!",
                   "Коефициентът B = -100000 е извън допустимия интервал от -32767 до 32767!"}},
        // English, with a full stop.
        WorkedRow{"0",
                  "0",
                  "5",
                  0.5f,
                  &en,
                  ".",
                  {"Solving the Diophantine equation 0x + 0y = 5",
                   "The Diophantine equation 0x + 0y = 5", "has a zero coefficient on an unknown.",
                   "Please enter non-zero coefficients A and B."}},
        WorkedRow{"0",
                  "4",
                  "6",
                  0.5f,
                  &en,
                  ".",
                  {"Solving the Diophantine equation 0x + 4y = 6",
                   "The Diophantine equation 0x + 4y = 6", "has a zero coefficient on an unknown.",
                   "The quotient C / B is not a whole number, so the equation has no integer "
                   "solution; it holds for every x only when y = 1.5"}},
        WorkedRow{"3",
                  "0",
                  "9",
                  0.5f,
                  &en,
                  ".",
                  {"Solving the Diophantine equation 3x + 0y = 9",
                   "The Diophantine equation 3x + 0y = 9", "has a zero coefficient on an unknown.",
                   "The equation holds for every y when x = 3"}},
        WorkedRow{"4",
                  "6",
                  "0",
                  0.5f,
                  &en,
                  ".",
                  {"Solving the Diophantine equation 4x + 6y = 0",
                   "The coefficients 4 and 6 have GCD = 2",
                   "Dividing the coefficients of the equation by the GCD:",
                   "The equation takes the form: 2x + 3y = 0",
                   "The quotient -B / A is not a whole number, so only some integers y give an "
                   "integer x; the equation holds whenever x is y times -1.5"}},
        WorkedRow{"4",
                  "6",
                  "3",
                  0.5f,
                  &en,
                  ".",
                  {"Solving the Diophantine equation 4x + 6y = 3",
                   "The coefficients 4 and 6 have GCD = 2", "The GCD of 4 and 6 does not divide 3",
                   "The Diophantine equation has no solution in the integers."}},
        WorkedRow{
            "3", "5", "1", 0.25f, &en, ".",
            Join({{"Solving the Diophantine equation 3x + 5y = 1",
                   "The coefficients 3 and 5 have GCD = 1"},
                  Solvable(en, 3, 5, 1),
                  {"Searching all pairs with |x| and |y| from 0 up to 5",
                   "Found the particular solution x₀ = 2, y₀ = -1",
                   "x = x₀ - (B * t) / GCD = 2 - (5 * t)", "y = y₀ + (A * t) / GCD = -1 + (3 * t)"},
                  Check(en, 4, 3, -18, 5, 11, 1)})},
        WorkedRow{"-4", "-6", "-2", 0.0f, &en, ".",
                  Join({{"Solving the Diophantine equation -4x - 6y = -2",
                         "The coefficients -4 and -6 have GCD = 2",
                         "Dividing the coefficients of the equation by the GCD:",
                         "The equation takes the form: -2x - 3y = -1"},
                        Solvable(en, -2, -3, -1),
                        {"Skipping the empty range of |x| and |y| from 0 up to -1",
                         "Searching instead all pairs with |x| and |y| from 0 up to 3",
                         "Found the particular solution x₀ = -1, y₀ = 1",
                         "x = x₀ - (B * t) / GCD = -1 - (-3 * t)",
                         "y = y₀ + (A * t) / GCD = 1 + (-2 * t)"},
                        Check(en, 1, -2, 2, -3, -1, -1)})},
        WorkedRow{"9e99",
                  "-1e5",
                  "3",
                  0.5f,
                  &en,
                  ".",
                  {"Solving the Diophantine equation 9E+99x - 100000y = 3",
                   "The coefficient A = 9E+99 lies outside the allowed range from -2147483648 to "
                   "2147483647.",
                   "The coefficient B = -100000 lies outside the allowed range from -32767 to "
                   "32767."}}));

} // namespace
