#include "languages.h"
#include "wordproblem.h"
#include "worksheet.h"
#include "worksheetdocument.h"
#include "worksheetoptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace {

using i64 = std::int64_t;

const Catalogue &Ukrainian = *FindCatalogue("uk");

WorksheetChoices Choices(std::uint32_t code, int count, int variants, int words, int unsolvable = 0,
                         int range = 100)
{
    WorksheetChoices choices;
    choices.code = code;
    choices.count = count;
    choices.variants = variants;
    choices.wordPercent = words;
    choices.unsolvablePercent = unsolvable;
    choices.range = range;
    return choices;
}

// The model: every x from 1 on, y what is left, kept where it is whole and at least 1.
std::vector<WordSolution> BruteForce(const SheetEquation &e)
{
    std::vector<WordSolution> pairs;
    for (i64 x = 1; e.a * x < e.c; ++x)
        if ((e.c - e.a * x) % e.b == 0 && (e.c - e.a * x) / e.b >= 1)
            pairs.push_back({x, (e.c - e.a * x) / e.b});
    return pairs;
}

std::size_t WordItems(const SheetVariant &variant)
{
    return static_cast<std::size_t>(
        std::count_if(variant.words.begin(), variant.words.end(),
                      [](const auto &word) { return word.has_value(); }));
}

std::string Text(const SheetDocument &document)
{
    return PlainText(document);
}

} // namespace

TEST(WordProblem, EveryDrawHasOneToSixNaturalSolutions)
{
    for (const WordProblemKind kind : WordProblemKinds)
        for (std::uint64_t seed = 1; seed <= 400; ++seed) {
            SheetRandom random(seed);
            const SheetEquation e = DrawWordProblem(kind, random);
            ASSERT_GT(e.a, 0);
            ASSERT_GT(e.b, 0);
            const std::vector<WordSolution> model = BruteForce(e);
            EXPECT_GE(model.size(), std::size_t(FewestWordSolutions))
                << e.a << " " << e.b << " " << e.c;
            EXPECT_LE(model.size(), std::size_t(MostWordSolutions))
                << e.a << " " << e.b << " " << e.c;
            EXPECT_EQ(NaturalSolutions(e), model) << e.a << " " << e.b << " " << e.c;
        }
}

TEST(WordProblem, SheetsSolutionsSatisfyTheirEquationsForManyCodes)
{
    for (std::uint32_t code = 1; code <= 300; code += 7)
        for (const int percent : {30, 50, 100}) {
            const Worksheet sheet = GenerateWorksheet(Choices(code, 12, 4, percent, 25));
            for (const SheetVariant &variant : sheet.variants)
                for (std::size_t k = 0; k < variant.words.size(); ++k) {
                    if (!variant.words[k])
                        continue;
                    const SheetEquation &e = variant.equations[k];
                    const std::vector<WordSolution> found = NaturalSolutions(e);
                    ASSERT_GE(found.size(), 1u) << code;
                    ASSERT_LE(found.size(), 6u) << code;
                    for (const WordSolution &s : found) {
                        EXPECT_EQ(e.a * s.x + e.b * s.y, e.c) << code;
                        EXPECT_GE(s.x, 1) << code;
                        EXPECT_GE(s.y, 1) << code;
                    }
                    EXPECT_EQ(found, BruteForce(e)) << code;
                }
        }
}

TEST(WordProblem, ShareOfTheItemsRoundedHalfUpAndTheSameInEveryVariant)
{
    struct Row
    {
        int count, percent;
        std::size_t words;
    };
    for (const Row row :
         {Row{10, 0, 0}, Row{10, 50, 5}, Row{10, 100, 10}, Row{7, 50, 4}, Row{1, 50, 1},
          Row{1, 49, 0}, Row{40, 50, 20}, Row{3, 10, 0}, Row{40, 1, 0}, Row{40, 2, 1}}) {
        const Worksheet sheet = GenerateWorksheet(Choices(77, row.count, 5, row.percent));
        for (const SheetVariant &variant : sheet.variants) {
            ASSERT_EQ(variant.words.size(), variant.equations.size());
            EXPECT_EQ(WordItems(variant), row.words) << row.count << " at " << row.percent << "%";
            // Item k a word problem of one kind in every variant, or in none.
            EXPECT_EQ(variant.words, sheet.variants.front().words);
        }
    }
}

TEST(WordProblem, OtherItemsStayWhatTheSheetHasWithoutThem)
{
    for (const std::uint32_t code : {1u, 4711u, 999999u}) {
        const Worksheet bare = GenerateWorksheet(Choices(code, 10, 3, 0, 30));
        const Worksheet words = GenerateWorksheet(Choices(code, 10, 3, 50, 30));
        for (std::size_t v = 0; v < bare.variants.size(); ++v)
            for (std::size_t k = 0; k < bare.variants[v].equations.size(); ++k)
                if (!words.variants[v].words[k]) {
                    EXPECT_EQ(words.variants[v].equations[k], bare.variants[v].equations[k]);
                }
        // Solvable items are set first, so the unsolvable ones stay.
        for (std::size_t v = 0; v < bare.variants.size(); ++v)
            for (std::size_t k = 0; k < bare.variants[v].equations.size(); ++k) {
                const SheetEquation &e = bare.variants[v].equations[k];
                const bool solvable = e.c % std::gcd(e.a, e.b) == 0;
                if (!solvable) {
                    EXPECT_FALSE(words.variants[v].words[k]) << code;
                }
            }
    }
}

TEST(WordProblem, NoneAtZeroAndTheSheetAsBefore)
{
    const WorksheetChoices choices = Choices(4711, 10, 2, 0);
    WorksheetChoices plain = choices;
    plain.wordPercent = WorksheetChoices{}.wordPercent;
    EXPECT_EQ(WorksheetChoices{}.wordPercent, 0);
    const SheetDocument document = ChosenWorksheetDocument(choices);
    EXPECT_EQ(Text(document), Text(ChosenWorksheetDocument(plain)));
    EXPECT_EQ(Text(document).find(std::string(English.worksheet.words.task)), std::string::npos);
    for (const auto &[name, value] : WorksheetOptionPairs(choices))
        EXPECT_NE(name, "word-problems");
}

TEST(WordProblem, SameCodeGivesTheSameSheetInEveryLanguage)
{
    WorksheetChoices choices = Choices(31337, 9, 3, 60);
    const Worksheet first = GenerateWorksheet(choices);
    for (const Catalogue *language : Catalogues) {
        choices.language = std::string(language->code);
        const Worksheet again = GenerateWorksheet(choices);
        for (std::size_t v = 0; v < first.variants.size(); ++v) {
            EXPECT_EQ(again.variants[v].equations, first.variants[v].equations);
            EXPECT_EQ(again.variants[v].words, first.variants[v].words);
        }
    }
    choices.code = 31338;
    const Worksheet other = GenerateWorksheet(choices);
    EXPECT_NE(other.variants.front().equations, first.variants.front().equations);
}

// A code keeps its word problems from build to build.
TEST(WordProblem, PinnedCodeKeepsItsProblems)
{
    const Worksheet sheet = GenerateWorksheet(Choices(4711, 6, 1, 50));
    using Kind = WordProblemKind;
    const std::vector<std::optional<Kind>> kinds = {std::nullopt, Kind::Transport, std::nullopt,
                                                    Kind::Notes,  std::nullopt,    Kind::Tickets};
    EXPECT_EQ(sheet.variants.front().words, kinds);
    const std::vector<SheetEquation> equations = {{54, 99, 18},  {18, 5, 166}, {20, -7, 53},
                                                  {10, 50, 140}, {29, 3, 8},   {7, 17, 79}};
    EXPECT_EQ(sheet.variants.front().equations, equations);
}

TEST(WordProblem, SheetShowsTheTextAndTheKeyTheUnknownsEquationConditionsAndPairs)
{
    struct Row
    {
        const Catalogue *language;
        std::string_view open, separator;
    };
    for (const Row row :
         {Row{&Bulgarian, "(", "; "}, Row{&English, "(", ", "}, Row{&Ukrainian, "(", "; "}}) {
        WorksheetChoices choices = Choices(2024, 7, 2, 100);
        choices.language = std::string(row.language->code);
        const Worksheet sheet = GenerateWorksheet(choices);
        const std::string text = Text(WorksheetDocument(sheet, *row.language));
        const std::string code(row.language->code);
        EXPECT_EQ(text.find_first_of("{}"), std::string::npos) << code;
        EXPECT_NE(text.find(std::string(row.language->worksheet.words.task)), std::string::npos);
        for (const SheetVariant &variant : sheet.variants)
            for (std::size_t k = 0; k < variant.equations.size(); ++k) {
                const SheetEquation &e = variant.equations[k];
                ASSERT_TRUE(variant.words[k]);
                const WordProblemKind kind = *variant.words[k];
                const std::string number = std::to_string(k + 1) + ". ";
                EXPECT_NE(text.find(number + WordProblemText(kind, e, *row.language)),
                          std::string::npos)
                    << code;
                EXPECT_NE(text.find(number + WordProblemUnknowns(kind, e, *row.language)),
                          std::string::npos)
                    << code;
                EXPECT_NE(text.find(SheetEquationText(e, *row.language)), std::string::npos);
                // The bare equation never stands on the pupil's sheet.
                const std::string sheetPart =
                    text.substr(0, text.find(std::string(row.language->worksheet.keyTitle)));
                EXPECT_EQ(sheetPart.find(number + SheetEquationText(e, *row.language)),
                          std::string::npos);
                for (const WordSolution &s : BruteForce(e)) {
                    const std::string pair = std::string(row.open) + std::to_string(s.x) +
                                             std::string(row.separator) + std::to_string(s.y) + ")";
                    EXPECT_NE(text.find(pair), std::string::npos) << code << " " << pair;
                }
            }
        EXPECT_NE(text.find("x ≥ 1, y ≥ 1"), std::string::npos) << code;
    }
}

TEST(WordProblem, TextsInEveryLanguageFilledAndCounted)
{
    const SheetEquation legs{4, 2, 18};
    for (const Catalogue *language : Catalogues)
        for (const WordProblemKind kind : WordProblemKinds) {
            const std::string text = WordProblemText(kind, legs, *language);
            const std::string unknowns = WordProblemUnknowns(kind, legs, *language);
            EXPECT_EQ(text.find_first_of("{}"), std::string::npos) << text;
            EXPECT_EQ(unknowns.find_first_of("{}"), std::string::npos) << unknowns;
            EXPECT_NE(text.find("18"), std::string::npos) << text;
            EXPECT_EQ(unknowns.find("x"), unknowns.find_first_of("xy")) << unknowns;
            EXPECT_GT(text.size(), 60u) << text;
        }
    // The noun follows its number: one form for 21, another for 22 and 25.
    const WordProblemTexts &legsUk = Ukrainian.worksheet.words.legs;
    EXPECT_NE(WordProblemText(WordProblemKind::Legs, {4, 2, 22}, Ukrainian).find("22 ноги"),
              std::string::npos);
    EXPECT_NE(WordProblemText(WordProblemKind::Legs, {4, 2, 26}, Ukrainian).find("26 ніг"),
              std::string::npos);
    EXPECT_NE(legsUk.unit.For(21), legsUk.unit.For(22));
    EXPECT_NE(WordProblemText(WordProblemKind::Legs, {4, 2, 18}, English).find("18 legs"),
              std::string::npos);
}

TEST(WordProblem, OptionReadAndRefused)
{
    struct Row
    {
        std::string_view value;
        int percent; // -1: refused
    };
    for (const Row row :
         {Row{"0", 0}, Row{"50", 50}, Row{"100", 100}, Row{"25%", 25}, Row{"101", -1},
          Row{"-1", -1}, Row{"x", -1}, Row{"", -1}, Row{"5.5", -1}, Row{"1e2", -1}}) {
        const auto read = ReadWorksheetOptions({{"word-problems", std::string(row.value)}});
        if (row.percent < 0) {
            ASSERT_TRUE(std::holds_alternative<OptionProblem>(read)) << row.value;
            EXPECT_EQ(std::get<OptionProblem>(read).allowed, "0–100 (%)");
        } else {
            ASSERT_TRUE(std::holds_alternative<WorksheetChoices>(read)) << row.value;
            EXPECT_EQ(std::get<WorksheetChoices>(read).wordPercent, row.percent);
        }
    }
    WorksheetChoices choices = Choices(5, 10, 1, 40);
    const auto back = ReadWorksheetOptions(WorksheetOptionPairs(choices));
    ASSERT_TRUE(std::holds_alternative<WorksheetChoices>(back));
    EXPECT_EQ(std::get<WorksheetChoices>(back), choices);
}
