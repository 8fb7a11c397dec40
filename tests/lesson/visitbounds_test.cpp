// The bounds a visit holds beside Euclid's way: the two choices and the four
// boxes, what they give together, the account and the picture they bring to
// a calculation, and how they outlast new data and a new language.

#include "svgreader.h"

#include "languages.h"
#include "visit.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pairs = std::set<std::pair<long, long>>;

struct Visited
{
    Visit visit{[] { return 0.5f; }, Bulgarian};

    const VisitView &Do(const Command &command) { return visit.Apply(command); }
    const BoundsView &Bounds() const { return visit.View().bounds; }
    void Bound(BoundEnd end, const std::string &text) { Do(command::EditBound{end, text}); }
    const VisitView &Calculate(const std::string &a, const std::string &b, const std::string &c)
    {
        Do(command::Clear{});
        Do(command::Edit{Entry::A, a});
        Do(command::Edit{Entry::B, b});
        Do(command::Edit{Entry::C, c});
        return Do(command::Calculate{});
    }
};

// The solutions the picture marks inside the bounds, read back from it.
Pairs MarkedInBounds(const std::string &svg)
{
    Pairs marked;
    const auto root = ReadXml(svg);
    for (const XmlElement *element : root->Descendants()) {
        const std::string *inside = element->Attribute("data-in-bounds");
        if (inside && *inside == "true")
            marked.insert({std::stol(*element->Attribute("data-x")),
                           std::stol(*element->Attribute("data-y"))});
    }
    return marked;
}

struct EffectRow
{
    const char *name;
    BoundsChoice choice;
    std::vector<std::pair<BoundEnd, std::string>> boxes;
    std::string separator;
    SolutionBounds expected;
};

class BoundsInEffectTest : public testing::TestWithParam<EffectRow>
{
};

TEST_P(BoundsInEffectTest, TheChoiceAndTheBoxesGiveTheBoundsTogether)
{
    const EffectRow &row = GetParam();
    Visited v;
    v.Do(command::SetDecimalSeparator{row.separator});
    v.Do(command::SetBoundsChoice{row.choice});
    for (const auto &[end, text] : row.boxes)
        v.Bound(end, text);
    EXPECT_EQ(v.Bounds().inEffect, row.expected);
    EXPECT_EQ(v.Bounds().choice, row.choice);
}

using E = BoundEnd;
constexpr auto Open = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Rows, BoundsInEffectTest,
    testing::Values(
        EffectRow{"NothingSet", BoundsChoice::Any, {}, ".", {}},
        EffectRow{"Natural", BoundsChoice::Natural, {}, ".", SolutionBounds::Natural()},
        EffectRow{"NonNegative", BoundsChoice::NonNegative, {}, ".", SolutionBounds::NonNegative()},
        EffectRow{"FourBoxes",
                  BoundsChoice::Any,
                  {{E::XMin, "-3"}, {E::XMax, " 3 "}, {E::YMin, "0"}, {E::YMax, "10"}},
                  ".",
                  {-3, 3, 0, 10}},
        EffectRow{"NaturalAndAGreaterLowerEnd",
                  BoundsChoice::Natural,
                  {{E::XMin, "5"}},
                  ".",
                  {5, Open, 1, Open}},
        EffectRow{"NonNegativeKeepsItsEndOverALowerBox",
                  BoundsChoice::NonNegative,
                  {{E::YMin, "-7"}, {E::YMax, "4"}},
                  ".",
                  {0, Open, 0, 4}},
        EffectRow{"AWholeNumberWithTheUsersComma",
                  BoundsChoice::Any,
                  {{E::XMax, "4,0"}},
                  ",",
                  {Open, 4, Open, Open}},
        EffectRow{"ABoxEmptiedAgainIsOpen",
                  BoundsChoice::Any,
                  {{E::XMin, "2"}, {E::XMin, "  "}},
                  ".",
                  {}},
        EffectRow{"AFaultyBoxSetsNoBoundAtAll",
                  BoundsChoice::Natural,
                  {{E::XMax, "9"}, {E::YMax, "4.5"}},
                  ".",
                  {}}),
    [](const auto &info) { return std::string(info.param.name); });

struct FaultRow
{
    const char *name;
    std::string text;
    const Catalogue *language;
    std::string expected; // the whole line
};

class BoundFaultTest : public testing::TestWithParam<FaultRow>
{
};

TEST_P(BoundFaultTest, ABadBoxIsNamedInTheVisitsLanguageAndNothingIsWorkedOut)
{
    const FaultRow &row = GetParam();
    Visited v;
    v.Do(command::SetLanguage{row.language});
    v.Calculate("3", "5", "47");
    v.Bound(BoundEnd::YMin, row.text);
    const BoundsView &bounds = v.Bounds();
    EXPECT_EQ(bounds.faults[static_cast<std::size_t>(BoundEnd::YMin)], row.expected);
    for (BoundEnd other : {BoundEnd::XMin, BoundEnd::XMax, BoundEnd::YMax})
        EXPECT_EQ(bounds.faults[static_cast<std::size_t>(other)], "");
    EXPECT_FALSE(bounds.inEffect.any());
    EXPECT_EQ(bounds.account, "");
    // The picture stays, without a region to shade.
    EXPECT_TRUE(MarkedInBounds(bounds.picture).empty());
    EXPECT_NE(bounds.picture, "");
    EXPECT_TRUE(v.visit.View().locked);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BoundFaultTest,
    testing::Values(
        FaultRow{"WordsInBulgarian", "две", &Bulgarian,
                 "y от: „две“ не е число (нужно е цяло число от -2147483648 до 2147483647)"},
        FaultRow{"FractionInEnglish", "1.5", &English,
                 "y from: “1.5” is not a whole number (a whole number from -2147483648 to "
                 "2147483647 is needed)"},
        FaultRow{"TooLargeInUkrainian", "3000000000", FindCatalogue("uk"),
                 "y від: 3000000000 лежить поза межами від -2147483648 до 2147483647"},
        FaultRow{"TwoNumbers", "1 2", &English,
                 "y from: “1 2” is not a number (a whole number from -2147483648 to 2147483647 "
                 "is needed)"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(VisitBounds, TheAccountAndThePictureComeWithTheCalculation)
{
    Visited v;
    v.Do(command::SetBoundsChoice{BoundsChoice::Natural});
    EXPECT_EQ(v.Bounds().account, "") << "nothing calculated yet";
    EXPECT_EQ(v.Bounds().picture, "");

    v.Calculate("3", "5", "47");
    const std::string &account = v.Bounds().account;
    EXPECT_NE(account.find("(4; 7), (9; 4), (14; 1)"), std::string::npos) << account;
    EXPECT_EQ(MarkedInBounds(v.Bounds().picture), (Pairs{{4, 7}, {9, 4}, {14, 1}}));

    // Narrowed after Calculate: worked out again, the equation kept locked.
    const std::string transcript = v.visit.View().transcript;
    v.Bound(BoundEnd::XMax, "10");
    EXPECT_EQ(MarkedInBounds(v.Bounds().picture), (Pairs{{4, 7}, {9, 4}}));
    EXPECT_EQ(v.Bounds().account.find("(14; 1)"), std::string::npos);
    EXPECT_EQ(v.visit.View().transcript, transcript);
    EXPECT_TRUE(v.visit.View().locked);

    // No bound at all: the picture alone, with no account after Euclid's way.
    v.Bound(BoundEnd::XMax, "");
    v.Do(command::SetBoundsChoice{BoundsChoice::Any});
    EXPECT_EQ(v.Bounds().account, "");
    EXPECT_NE(v.Bounds().picture, "");
    EXPECT_TRUE(MarkedInBounds(v.Bounds().picture).empty());

    v.Do(command::Clear{});
    EXPECT_EQ(v.Bounds().picture, "");
}

TEST(VisitBounds, KeptThroughNewDataClearAndANewLanguage)
{
    Visited v;
    v.Do(command::Start{});
    v.Do(command::SetBoundsChoice{BoundsChoice::NonNegative});
    v.Bound(BoundEnd::XMax, "12");
    v.Bound(BoundEnd::YMax, "x");
    const auto same = [&](const char *after) {
        EXPECT_EQ(v.Bounds().choice, BoundsChoice::NonNegative) << after;
        EXPECT_EQ(v.Bounds().ends, (std::array<std::string, 4>{"", "12", "", "x"})) << after;
    };
    v.Do(command::NewData{});
    same("new data");
    v.Do(command::SelectRange{1});
    same("another range");
    v.Do(command::Clear{});
    same("clear");
    v.Do(command::SetLanguage{&English});
    same("a new language");
    EXPECT_EQ(v.Bounds().faults[3],
              "y to: “x” is not a number (a whole number from -2147483648 to 2147483647 is "
              "needed)");

    v.Bound(BoundEnd::YMax, "");
    v.Calculate("3", "5", "47");
    EXPECT_NE(v.Bounds().account.find("(4, 7), (9, 4)"), std::string::npos) << "English pairs:\n"
                                                                            << v.Bounds().account;
    // A new language starts a new account, which Calculate writes again.
    v.Do(command::SetLanguage{FindCatalogue("uk")});
    EXPECT_EQ(v.Bounds().account, "");
    v.Do(command::Calculate{});
    EXPECT_NE(v.Bounds().account.find("(4; 7), (9; 4)"), std::string::npos);
}

TEST(VisitBounds, RefusedCoefficientsHaveNoAccountOrPicture)
{
    Visited v;
    v.Do(command::SetBoundsChoice{BoundsChoice::Natural});
    v.Calculate("0", "0", "5");
    EXPECT_EQ(v.Bounds().account.find("("), std::string::npos);
    v.Calculate("3", "99999", "1");
    EXPECT_EQ(v.Bounds().account, "");
}

TEST(VisitBounds, NamesCrossAsTextBothWays)
{
    for (BoundEnd end : {BoundEnd::XMin, BoundEnd::XMax, BoundEnd::YMin, BoundEnd::YMax})
        EXPECT_EQ(BoundEndNamed(BoundEndName(end)), end);
    EXPECT_EQ(BoundEndNamed("x"), std::nullopt);
    EXPECT_EQ(BoundsChoiceNamed("natural"), BoundsChoice::Natural);
    EXPECT_EQ(BoundsChoiceNamed("nonNegative"), BoundsChoice::NonNegative);
    EXPECT_EQ(BoundsChoiceNamed("any"), BoundsChoice::Any);
    EXPECT_EQ(BoundsChoiceNamed("positive"), std::nullopt);
}

} // namespace
