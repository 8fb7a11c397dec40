// The practice texts: every message has the same placeholders in every
// language, and filling them leaves nothing behind.

#include "cataloguefields.h"
#include "equationtext.h"
#include "languages.h"
#include "practicetext.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

std::multiset<std::string> Placeholders(std::string_view message)
{
    std::multiset<std::string> names;
    for (std::size_t open = message.find('{'); open != std::string_view::npos;
         open = message.find('{', open + 1)) {
        const std::size_t close = message.find('}', open);
        if (close == std::string_view::npos)
            break;
        names.insert(std::string(message.substr(open + 1, close - open - 1)));
    }
    return names;
}

std::map<std::string, std::set<std::string>> PracticePlaceholders(const Catalogue &catalogue)
{
    std::map<std::string, std::set<std::string>> messages;
    ForEachPhrase(catalogue, [&](const std::string &key, const Phrase &phrase) {
        if (key.starts_with("practice.")) {
            const auto names = Placeholders(phrase.value);
            messages[key] = {names.begin(), names.end()};
        }
    });
    return messages;
}

TEST(PracticeTexts, SamePlaceholdersInEveryLanguage)
{
    const auto bg = PracticePlaceholders(Bulgarian);
    EXPECT_EQ(bg.size(), 65u);
    for (const Catalogue *catalogue : Catalogues) {
        const auto other = PracticePlaceholders(*catalogue);
        ASSERT_EQ(other.size(), bg.size()) << catalogue->code.value;
        for (const auto &[key, names] : bg)
            EXPECT_EQ(other.at(key), names) << catalogue->code.value << ": " << key;
    }
    // Spot checks that the sets compared are the messages' real ones.
    EXPECT_EQ(bg.at("practice.particular.wrong"), (std::set<std::string>{"c", "check"}));
    EXPECT_EQ(bg.at("practice.hints.start"),
              (std::set<std::string>{"a", "b", "bezout", "c", "factor", "gcd"}));
}

// The English names of the new controls begin with the words on the page, so
// that a screen reader user finds them by those words.
TEST(PracticeTexts, EnglishNamesBeginWithTheCaptions)
{
    const auto &c = English.practice.controls;
    const std::pair<const ControlText *, std::string_view> names[] = {
        {&c.x0, "x₀"},       {&c.y0, "y₀"},
        {&c.stepX, "p"},     {&c.stepY, "q"},
        {&c.hint, "Hint"},   {&c.noSolution, "No integer solution"},
        {&c.check, "Check"}, {&c.feedback, "Feedback"}};
    for (const auto &[control, start] : names) {
        EXPECT_TRUE(control->accessibleName.value.starts_with(start))
            << control->accessibleName.value;
        EXPECT_TRUE(control->accessibleName.value.starts_with(control->text.value))
            << control->text.value;
    }
    for (const auto *control : {&c.heading, &c.tally, &c.clearTally})
        EXPECT_FALSE(control->accessibleName.value.empty());
}

struct FillRow
{
    const char *message;
    std::vector<Placeholder> slots;
    const char *filled;
};

class Fill : public testing::TestWithParam<FillRow>
{
};

TEST_P(Fill, ReplacesNamedSlots)
{
    EXPECT_EQ(FillPlaceholders(GetParam().message, GetParam().slots), GetParam().filled);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, Fill,
    testing::Values(FillRow{"{a} * {x} = {a}{a}", {{"a", "3"}, {"x", "(-2)"}}, "3 * (-2) = 33"},
                    FillRow{"{unknown} stays, {a} goes", {{"a", "1"}}, "{unknown} stays, 1 goes"},
                    FillRow{"open { brace", {{"a", "1"}}, "open { brace"},
                    FillRow{"{a", {{"a", "1"}}, "{a"},
                    FillRow{"„{text}“", {{"text", "{x}"}}, "„{x}“"}, FillRow{"", {}, ""}));

TEST(NumberTexts, IntegersFactorsAndEquations)
{
    const Wide big = Wide{1} << 126;
    EXPECT_EQ(WholeText(0), "0");
    EXPECT_EQ(WholeText(-7), "-7");
    EXPECT_EQ(WholeText(big), "85070591730234615865843651857942052864");
    EXPECT_EQ(WholeText(-big - big), "-170141183460469231731687303715884105728");
    // The working's writer, for the negated coefficients the checks name too.
    const auto equation = [](std::int64_t a, std::int64_t b, std::int64_t c) {
        return EquationText(a, b, c, English.transcript);
    };
    EXPECT_EQ(equation(3, -5, 1), "3x - 5y = 1");
    EXPECT_EQ(equation(-3, 0, -1), "-3x + 0y = -1");
    EXPECT_EQ(equation(2147483648, -2147483648, -1), "2147483648x - 2147483648y = -1");
    EXPECT_EQ(equation(1, INT64_MIN, 0), "1x - 9223372036854775808y = 0");
}

} // namespace
