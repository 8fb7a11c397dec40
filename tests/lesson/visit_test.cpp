// A user's visit, as the window and the page both show it: start-up, the two
// input states, the commands, the one random sequence, the language, Enter,
// and whole transcripts through the visit's commands.

#include "clockrandom.h"
#include "languages.h"
#include "visit.h"

#include "euclid.h"

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

struct VisitTest : testing::Test
{
    std::shared_ptr<Draws> draws = std::make_shared<Draws>();
    Visit visit{Scripted(draws), Bulgarian};

    std::vector<std::string> Fields() const
    {
        return {visit.Field(1), visit.Field(2), visit.Field(3)};
    }
    void Type(const std::string &a, const std::string &b, const std::string &c)
    {
        visit.Edit(1, a);
        visit.Edit(2, b);
        visit.Edit(3, c);
    }
    // Clears, types, queues the draws and presses Изчисли.
    const std::string &Calculate(const std::string &a, const std::string &b, const std::string &c,
                                 std::deque<float> queue = {})
    {
        visit.Buton_Click(1);
        Type(a, b, c);
        draws->queued = std::move(queue);
        visit.Buton_Click(0);
        return visit.TranscriptText();
    }
    bool Ready() const
    {
        return visit.InputState() == Visit::State::Ready && !visit.FieldsLocked() &&
               visit.CalculateEnabled();
    }
    bool Calculated() const
    {
        return visit.InputState() == Visit::State::Calculated && visit.FieldsLocked() &&
               !visit.CalculateEnabled();
    }
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
    EXPECT_EQ(visit.SelectedRange(), -1);
    // R = 10: 0 gives 1, 0.25 gives the tie 3.5 and so 4, the largest r 11.
    draws->queued = {0.0f, 0.25f, Top};
    visit.Form_Load();
    EXPECT_EQ(draws->taken, 3);
    EXPECT_EQ(Fields(), (std::vector<std::string>{"1", "4", "11"}));
    EXPECT_EQ(visit.SelectedRange(), 0);
    EXPECT_EQ(visit.TranscriptText(), "");
    EXPECT_TRUE(Ready());
    EXPECT_EQ(visit.FocusAfter(), Focus::Introduction);
    EXPECT_EQ(visit.Values().NOD, 0);
}

TEST_F(VisitTest, StartUpWithTheProgramsOwnGenerator)
{
    Visit clocked(ClockRandom(), Bulgarian);
    clocked.Form_Load();
    for (int k = 1; k <= 3; ++k) {
        const std::string &drawn = clocked.Field(k);
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(drawn.find_first_not_of("0123456789"), std::string::npos) << drawn;
        EXPECT_GE(std::stoi(drawn), 1);
        EXPECT_LE(std::stoi(drawn), 11);
    }
}

TEST_F(VisitTest, CalculateLocksDisablesAndSendsTheFocusToTheTranscript)
{
    visit.Form_Load();
    Type("7", "6", "6");
    visit.ReplaceTranscript("left over\r\n");
    visit.Buton_Click(0);
    const std::string transcript = visit.TranscriptText();
    EXPECT_EQ(transcript.find("left over"), std::string::npos);
    EXPECT_EQ(transcript.rfind("Решавам Диофантово уравнение 7x + 6y = 6\r\n", 0), 0u);
    EXPECT_TRUE(Calculated());
    EXPECT_EQ(visit.FocusAfter(), Focus::Transcript);
    EXPECT_EQ(Fields(), (std::vector<std::string>{"7", "6", "6"}));

    // Locked fields keep their texts; a second Изчисли and Enter do nothing
    // and draw nothing.
    visit.Edit(1, "9");
    const int taken = draws->taken;
    visit.Buton_Click(0);
    EXPECT_EQ(visit.FocusAfter(), Focus::Unchanged);
    visit.EnterInField();
    EXPECT_EQ(visit.FocusAfter(), Focus::Unchanged);
    EXPECT_EQ(draws->taken, taken);
    EXPECT_EQ(visit.TranscriptText(), transcript);
    EXPECT_EQ(visit.Field(1), "7");
    EXPECT_TRUE(Calculated());
}

TEST_F(VisitTest, EnterInAFieldCalculatesAsИзчислиDoes)
{
    visit.Form_Load();
    Type("3", "5", "1");
    draws->queued = {0.25f};
    visit.EnterInField();
    EXPECT_TRUE(Calculated());
    EXPECT_EQ(visit.FocusAfter(), Focus::Transcript);
    Visit pressed(Scripted(std::make_shared<Draws>(Draws{{0.25f}})), Bulgarian);
    pressed.Edit(1, "3");
    pressed.Edit(2, "5");
    pressed.Edit(3, "1");
    pressed.Buton_Click(0);
    EXPECT_EQ(visit.TranscriptText(), pressed.TranscriptText());
}

TEST_F(VisitTest, ClearEmptiesAndUnlocksInBothStatesAndKeepsTheRange)
{
    visit.Form_Load();
    visit.Sluch_Click(2);
    visit.Buton_Click(1);
    EXPECT_EQ(Fields(), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(visit.TranscriptText(), "");
    EXPECT_TRUE(Ready());

    Calculate("3", "5", "7");
    EXPECT_TRUE(Calculated());
    visit.Buton_Click(1);
    EXPECT_EQ(Fields(), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(visit.TranscriptText(), "");
    EXPECT_TRUE(Ready());
    EXPECT_EQ(visit.FocusAfter(), Focus::Unchanged);
    EXPECT_EQ(visit.SelectedRange(), 2);

    // Three empty fields read as zeros.
    visit.Buton_Click(0);
    EXPECT_EQ(visit.TranscriptText(),
              Lines({"Решавам Диофантово уравнение 0x + 0y = 0",
                     "Диофантовото уравнение 0x + 0y = 0", "е с некоректно въведени коефициенти!",
                     "Моля, въведете стойности на коефициентите!"}));
}

TEST_F(VisitTest, DataAndARangeFillFromTheSelectedRangeInBothStates)
{
    for (const bool calculatedFirst : {false, true})
        for (const bool byList : {false, true}) {
            Visit visit(Scripted(draws), Bulgarian);
            visit.Form_Load();
            visit.Edit(1, "3");
            visit.Edit(2, "5");
            visit.Edit(3, "1");
            if (calculatedFirst)
                visit.Buton_Click(0);
            draws->queued = {0.5f, 0.0f, 0.99f};
            const int before = draws->taken;
            if (byList)
                visit.Sluch_Click(1); // "100"
            else
                visit.Buton_Click(2); // "10"
            const auto expected = byList ? std::vector<std::string>{"51", "1", "100"}
                                         : std::vector<std::string>{"6", "1", "11"};
            EXPECT_EQ(draws->taken - before, 3);
            EXPECT_EQ((std::vector<std::string>{visit.Field(1), visit.Field(2), visit.Field(3)}),
                      expected);
            EXPECT_EQ(visit.TranscriptText(), "");
            EXPECT_TRUE(visit.CalculateEnabled() && !visit.FieldsLocked());
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
    visit.Form_Load();
    for (const Row &row :
         {Row{1, 0.125f, "14"}, Row{1, 0.375f, "38"}, Row{6, 1.0f / 32, "64"},
          Row{6, 3.0f / 32, "188"}, Row{6, Top, "2001"}, Row{6, 0.0f, "1"}, Row{5, 0.0003f, "1"}}) {
        visit.Sluch_Click(row.range);
        draws->queued = {row.r, row.r, row.r};
        visit.Buton_Click(2);
        EXPECT_EQ(Fields(), (std::vector<std::string>(3, row.expected))) << row.r;
    }
}

TEST_F(VisitTest, OnlyAListedRangeIsSelected)
{
    visit.Form_Load();
    const int taken = draws->taken;
    visit.Sluch_Click(-1);
    visit.Sluch_Click(7);
    EXPECT_EQ(visit.SelectedRange(), 0);
    EXPECT_EQ(draws->taken, taken);
}

TEST_F(VisitTest, TIsDrawnOnlyWhenTheCalculationReachesTheCheck)
{
    visit.Form_Load();
    visit.Buton_Click(1);
    Type("0", "0", "5");
    draws->queued = {0.75f, 0.25f, 0.5f, 0.0f};
    visit.Buton_Click(0);
    visit.Buton_Click(1);
    Type("4", "6", "3");
    visit.Buton_Click(0);
    visit.Buton_Click(1);
    Type("3", "5", "1");
    // No check on the first two roads: 0.75 is still there for t, 8.5 to 8.
    visit.Buton_Click(0);
    EXPECT_NE(visit.TranscriptText().find("проверка за t = 8: "), std::string::npos);
    // The fill goes on from the same sequence: 0.25, 0.5 and 0 of range 10.
    visit.Buton_Click(2);
    EXPECT_EQ(Fields(), (std::vector<std::string>{"4", "6", "1"}));
}

TEST_F(VisitTest, CommandsKeepTheSolverValues)
{
    visit.Form_Load();
    Calculate("4", "6", "5"); // gcd 2 does not divide 5: nothing is reduced
    const auto check = [this] {
        EXPECT_EQ(visit.Values().NOD, 2);
        EXPECT_EQ(AsDouble(visit.Values().A), 4.0);
        EXPECT_EQ(AsDouble(visit.Values().B), 6.0);
        EXPECT_EQ(AsDouble(visit.Values().C), 5.0);
    };
    check();
    visit.Buton_Click(1);
    check();
    visit.Buton_Click(2);
    check();
    visit.Sluch_Click(2);
    check();
    visit.SetLanguage(English);
    check();
}

TEST_F(VisitTest, ANewLanguageStartsANewAccountAndKeepsTheCoefficients)
{
    visit.Form_Load();
    const std::string bulgarian = Calculate("3", "5", "7");
    visit.SetLanguage(English);
    EXPECT_EQ(&visit.Language(), &English);
    EXPECT_EQ(visit.TranscriptText(), "");
    EXPECT_EQ(Fields(), (std::vector<std::string>{"3", "5", "7"}));
    EXPECT_TRUE(Ready());

    visit.Buton_Click(0);
    const std::string english = visit.TranscriptText();
    EXPECT_EQ(english.rfind("Solving the Diophantine equation 3x + 5y = 7\r\n", 0), 0u);
    EXPECT_EQ(std::count(english.begin(), english.end(), '\n'),
              std::count(bulgarian.begin(), bulgarian.end(), '\n'));

    // The language already spoken changes nothing: the result stays.
    visit.SetLanguage(English);
    EXPECT_EQ(visit.TranscriptText(), english);
    EXPECT_TRUE(Calculated());
}

TEST_F(VisitTest, FractionsInTheUsersSeparator)
{
    visit.Form_Load();
    EXPECT_NE(Calculate("0", "4", "6").find("y = 1.5\r\n"), std::string::npos);
    visit.SetDecimalSeparator(",");
    EXPECT_NE(Calculate("0", "4", "6").find("y = 1,5\r\n"), std::string::npos);
    visit.SetDecimalSeparator("٫");
    EXPECT_NE(Calculate("0", "4", "6").find("y = 1٫5\r\n"), std::string::npos);
}

// An account written beside the transcript: the typed texts and the language.
class EchoAccount : public Account
{
public:
    std::string Write(const std::array<std::string, 3> &c, std::string_view,
                      const Catalogue &language) const override
    {
        return std::string(language.code) + ":" + c[0] + "," + c[1] + "," + c[2];
    }
};

TEST_F(VisitTest, AccountsAreWrittenOnCalculateAndGoWithTheTranscript)
{
    const std::size_t account = visit.AddAccount(std::make_unique<EchoAccount>());
    visit.Form_Load();
    EXPECT_EQ(visit.AccountText(account), "");
    Calculate("3", "5", "7");
    EXPECT_EQ(visit.AccountText(account), "bg:3,5,7");
    visit.SetLanguage(English);
    EXPECT_EQ(visit.AccountText(account), "");
    visit.Buton_Click(0);
    EXPECT_EQ(visit.AccountText(account), "en:3,5,7");
    visit.Buton_Click(2);
    EXPECT_EQ(visit.AccountText(account), "");
    EXPECT_EQ(visit.AccountText(account + 1), "");
}

// Every visit explains its calculation by Euclid's way too, in its language
// and with its decimal separator, and drops it with the transcript.
TEST_F(VisitTest, EuclidsWayFollowsEveryCalculation)
{
    const std::size_t euclid = Visit::EuclidWayAccount;
    visit.Form_Load();
    visit.SetDecimalSeparator(",");
    Calculate("91", "35", "1,5");
    EXPECT_EQ(visit.AccountText(euclid), EuclidAccount("91", "35", "1,5", ",", Bulgarian));
    EXPECT_NE(visit.AccountText(euclid).find("91 = 2·35 + 21\r\n"), std::string::npos);
    visit.SetLanguage(English);
    EXPECT_EQ(visit.AccountText(euclid), "");
    visit.EnterInField();
    EXPECT_EQ(visit.AccountText(euclid), EuclidAccount("91", "35", "1,5", ",", English));
    visit.Buton_Click(1);
    EXPECT_EQ(visit.AccountText(euclid), "");
}

// The fill rule's distribution from the program's own generator.
TEST(VisitFillTest, RangeTenGivesOneToElevenWithTheEndsHalfAsOften)
{
    Visit visit(ClockRandom(20240607), Bulgarian);
    visit.Form_Load();
    std::map<int, int> counts;
    for (int n = 0; n < 2000; ++n) {
        visit.Buton_Click(2);
        for (int k = 1; k <= 3; ++k)
            ++counts[std::stoi(visit.Field(k))];
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
        visit.Form_Load();
        visit.Sluch_Click(6);
        for (int n = 0; n < 300; ++n) {
            visit.Buton_Click(2);
            for (int k = 1; k <= 3; ++k) {
                const int v = std::stoi(visit.Field(k));
                EXPECT_TRUE(v >= 1 && v <= 2001) << v;
                seen[s].push_back(visit.Field(k));
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
    visit.SetDecimalSeparator(row.separator);
    visit.Form_Load();
    visit.Buton_Click(1);
    visit.Edit(1, row.a);
    visit.Edit(2, row.b);
    visit.Edit(3, row.c);
    draws->queued = {row.r};
    visit.Buton_Click(0);
    std::string expected;
    for (const std::string &line : row.lines)
        expected += line + "\r\n";
    EXPECT_EQ(visit.TranscriptText(), expected);
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
