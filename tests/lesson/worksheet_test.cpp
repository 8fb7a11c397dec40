#include "equationtext.h"
#include "keyanswer.h"
#include "languages.h"
#include "placeholders.h"
#include "ranges.h"
#include "worksheet.h"
#include "worksheetdocument.h"
#include "worksheetoptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <set>
#include <tuple>

namespace {

using i64 = std::int64_t;

WorksheetChoices Choices(std::uint32_t code, int count, int range, int variants, int percent = 0,
                         bool zeros = false)
{
    WorksheetChoices choices;
    choices.code = code;
    choices.count = count;
    choices.range = range;
    choices.variants = variants;
    choices.unsolvablePercent = percent;
    choices.zeros = zeros;
    return choices;
}

// The model: solvable in integers exactly when gcd(|A|, |B|) divides C.
bool Solvable(const SheetEquation &e)
{
    const i64 g = std::gcd(e.a, e.b);
    return g == 0 ? e.c == 0 : e.c % g == 0;
}

std::vector<SheetEquation> AllEquations(const Worksheet &sheet)
{
    std::vector<SheetEquation> all;
    for (const SheetVariant &variant : sheet.variants)
        all.insert(all.end(), variant.equations.begin(), variant.equations.end());
    return all;
}

// Choices that stretch the generator: the smallest range, full sheets, all
// unsolvable, zeros.
const std::vector<WorksheetChoices> &Stretching()
{
    static const std::vector<WorksheetChoices> rows = {
        Choices(1, 40, 10, 40, 100),      Choices(2, 40, 10, 40, 0),
        Choices(3, 40, 10, 40, 50, true), Choices(4, 40, 100, 40, 100, true),
        Choices(5, 40, 2000, 40, 30),     Choices(999999, 1, 10, 1, 100, true),
    };
    return rows;
}

// The search the transcript describes, walked literally: i, then j, over
// [0, limit], trying (i, j), (-i, j), (i, -j), (-i, -j).
std::optional<std::pair<i64, i64>> Walk(i64 a, i64 b, i64 c, i64 limit)
{
    for (i64 i = 0; i <= limit; ++i)
        for (i64 j = 0; j <= limit; ++j)
            for (const auto &[x, y] : {std::pair{i, j}, {-i, j}, {i, -j}, {-i, -j}})
                if (a * x + b * y == c)
                    return std::pair{x, y};
    return std::nullopt;
}

} // namespace

TEST(Worksheet, SameCodeAndChoicesGiveTheSameSheet)
{
    for (WorksheetChoices choices : Stretching()) {
        const Worksheet first = GenerateWorksheet(choices);
        EXPECT_EQ(AllEquations(GenerateWorksheet(choices)), AllEquations(first));
        // Language, Euclid's way and paper change the print, not the equations.
        choices.language = "en";
        choices.euclid = true;
        choices.paper = Paper::Letter;
        EXPECT_EQ(AllEquations(GenerateWorksheet(choices)), AllEquations(first));
    }
}

// Teachers keep printed codes: a code must give the same sheet in every
// later build and on every platform, so this one is pinned.
TEST(Worksheet, PinnedCodeKeepsItsEquations)
{
    const Worksheet sheet = GenerateWorksheet(Choices(4711, 3, 100, 1));
    const std::vector<SheetEquation> pinned = {{36, -100, 36}, {54, 39, 42}, {-63, 82, -21}};
    EXPECT_EQ(sheet.variants.at(0).equations, pinned);
    EXPECT_EQ(sheet.variants.at(0).code, "4711-1");
}

TEST(Worksheet, DifferentCodesAndChoicesGiveDifferentSheets)
{
    std::set<std::vector<SheetEquation>> seen;
    for (std::uint32_t code = 1; code <= 300; ++code)
        EXPECT_TRUE(seen.insert(AllEquations(GenerateWorksheet(Choices(code, 10, 100, 1)))).second)
            << code;
    EXPECT_TRUE(seen.insert(AllEquations(GenerateWorksheet(Choices(1, 10, 200, 1)))).second);
    EXPECT_TRUE(seen.insert(AllEquations(GenerateWorksheet(Choices(1, 10, 100, 1, 20)))).second);
    // Variants of one sheet differ from each other too.
    const Worksheet sheet = GenerateWorksheet(Choices(7, 10, 10, 5));
    for (std::size_t v = 1; v < sheet.variants.size(); ++v)
        EXPECT_NE(sheet.variants[v].equations, sheet.variants[0].equations);
}

TEST(Worksheet, NoEquationTwiceNorItsNegationInAVariant)
{
    for (const WorksheetChoices &choices : Stretching()) {
        const Worksheet sheet = GenerateWorksheet(choices);
        ASSERT_EQ(sheet.variants.size(), std::size_t(choices.variants));
        std::set<std::tuple<i64, i64, i64>> onSheet;
        for (const SheetVariant &variant : sheet.variants) {
            ASSERT_EQ(variant.equations.size(), std::size_t(choices.count));
            std::set<std::tuple<i64, i64, i64>> inVariant;
            for (const SheetEquation &e : variant.equations) {
                EXPECT_TRUE(onSheet.insert({e.a, e.b, e.c}).second)
                    << variant.code << ": " << e.a << " " << e.b << " " << e.c;
                EXPECT_TRUE(inVariant.insert({e.a, e.b, e.c}).second);
                EXPECT_EQ(inVariant.count({-e.a, -e.b, -e.c}), 0u) << variant.code;
            }
        }
    }
}

TEST(Worksheet, ShareWithoutSolutionsAsChosen)
{
    const struct
    {
        int count, percent, unsolvable;
    } rows[] = {{10, 0, 0},   {10, 100, 10}, {10, 25, 3}, {10, 24, 2},
                {40, 33, 13}, {1, 50, 1},    {1, 49, 0},  {7, 50, 4}};
    for (const auto &row : rows) {
        EXPECT_EQ(UnsolvableCount(row.count, row.percent), row.unsolvable);
        for (const int range : {10, 100, 2000}) {
            for (const bool zeros : {false, true}) {
                const Worksheet sheet =
                    GenerateWorksheet(Choices(42, row.count, range, 4, row.percent, zeros));
                for (const SheetVariant &variant : sheet.variants)
                    EXPECT_EQ(std::count_if(variant.equations.begin(), variant.equations.end(),
                                            [](const SheetEquation &e) { return !Solvable(e); }),
                              row.unsolvable)
                        << variant.code << " range " << range << " " << row.percent << "%";
            }
        }
    }
}

TEST(Worksheet, CoefficientsWithinTheRangeAndNotTriviallyEasy)
{
    for (const std::string_view entry : RangeEntries) {
        const int range = std::stoi(std::string(entry));
        for (const bool zeros : {false, true}) {
            const Worksheet sheet = GenerateWorksheet(Choices(5, 40, range, 20, 30, zeros));
            int negative = 0, zero = 0, sharedFactor = 0;
            for (const SheetEquation &e : AllEquations(sheet)) {
                for (const i64 v : {e.a, e.b, e.c})
                    EXPECT_LE(std::llabs(v), range);
                EXPECT_FALSE(e.a == 0 && e.b == 0);
                const int zeroes = (e.a == 0) + (e.b == 0) + (e.c == 0);
                EXPECT_LE(zeroes, zeros ? 1 : 0) << e.a << " " << e.b << " " << e.c;
                if (range != 10) {
                    EXPECT_NE(std::llabs(e.a), 1);
                    EXPECT_NE(std::llabs(e.b), 1);
                }
                negative += (e.a < 0) + (e.b < 0) + (e.c < 0);
                zero += zeroes;
                sharedFactor += Solvable(e) && std::gcd(e.a, e.b) > 1;
            }
            EXPECT_GT(negative, 0);
            EXPECT_EQ(zero > 0, zeros) << range;
            EXPECT_GT(sharedFactor, 0) << range;
        }
    }
}

// Item k is as hard in every variant: solvable or not, the same coefficient
// 0, a GCD above 1 or not, and |A| and |B| from the same third of the range.
TEST(Worksheet, ItemKOfOneKindAndSizeInEveryVariant)
{
    const auto kind = [](const SheetEquation &e, i64 range) {
        const auto third = [&](i64 v) { return v == 0 ? -1 : (std::llabs(v) - 1) * 3 / range; };
        const int zero = e.a == 0 ? 1 : e.b == 0 ? 2 : e.c == 0 ? 3 : 0;
        return std::tuple{Solvable(e), zero, zero == 0 && std::gcd(e.a, e.b) > 1, third(e.a),
                          third(e.b)};
    };
    int mixed = 0; // items whose sizes differ from the sheet's first item
    for (std::uint32_t code = 1; code <= 120; ++code) {
        const int range = std::array{100, 500, 2000}[code % 3];
        const Worksheet sheet = GenerateWorksheet(Choices(code, 8, range, 6, 25, code % 2 == 0));
        const std::vector<SheetEquation> &first = sheet.variants.front().equations;
        for (const SheetVariant &variant : sheet.variants)
            for (std::size_t k = 0; k < first.size(); ++k)
                EXPECT_EQ(kind(variant.equations.at(k), range), kind(first[k], range))
                    << "code " << code << ", " << variant.code << ", item " << k + 1;
        for (std::size_t k = 1; k < first.size(); ++k)
            mixed += kind(first[k], range) != kind(first[0], range);
    }
    // The plan is drawn per item, not one kind for the whole sheet.
    EXPECT_GT(mixed, 120 * 7 / 2);
}

TEST(KeyAnswer, EveryAnswerHoldsInItsEquation)
{
    int checked = 0;
    for (const WorksheetChoices &choices : Stretching()) {
        for (const SheetEquation &e : AllEquations(GenerateWorksheet(choices))) {
            const KeyAnswer k = AnswerOf(e);
            const i64 g = std::gcd(e.a, e.b);
            ASSERT_EQ(k.gcd, g);
            ASSERT_EQ(k.solvable, Solvable(e)) << e.a << " " << e.b << " " << e.c;
            if (!k.solvable)
                continue;
            EXPECT_EQ(e.a * k.xo + e.b * k.yo, e.c) << e.a << " " << e.b << " " << e.c;
            EXPECT_EQ(k.a, e.a / g);
            EXPECT_EQ(k.b, e.b / g);
            EXPECT_EQ(k.c, e.c / g);
            // Coprime steps: the family X = xo - b t, Y = yo + a t is every solution.
            EXPECT_EQ(std::gcd(k.a, k.b), 1);
            for (i64 t = -3; t <= 3; ++t)
                EXPECT_EQ(e.a * (k.xo - k.b * t) + e.b * (k.yo + k.a * t), e.c);
            ++checked;
        }
    }
    EXPECT_GT(checked, 3000);
}

TEST(KeyAnswer, ParticularSolutionIsTheTranscriptsPair)
{
    for (const int range : {10, 100}) {
        const Worksheet sheet = GenerateWorksheet(Choices(11, 40, range, 10, 0, true));
        for (const SheetEquation &e : AllEquations(sheet)) {
            const KeyAnswer k = AnswerOf(e);
            auto pair = Walk(k.a, k.b, k.c, std::max({k.a, k.b, k.c}));
            if (!pair)
                pair = Walk(k.a, k.b, k.c,
                            std::max({std::llabs(k.a), std::llabs(k.b), std::llabs(k.c)}));
            ASSERT_TRUE(pair);
            EXPECT_EQ(std::pair(k.xo, k.yo), *pair) << e.a << " " << e.b << " " << e.c;
        }
    }
}

TEST(EquationText, WrittenAsTheTranscriptWritesIt)
{
    const struct
    {
        double a, b, c;
        const char *text;
    } rows[] = {{3, 5, 1, "3x + 5y = 1"},
                {91, -35, 14, "91x - 35y = 14"},
                {-4, 0, 8, "-4x + 0y = 8"},
                {0, -7, -21, "0x - 7y = -21"},
                {-12, -18, 0, "-12x - 18y = 0"}};
    for (const auto &row : rows)
        for (const Catalogue *language : Catalogues)
            EXPECT_EQ(EquationText(row.a, row.b, row.c, ",", language->transcript), row.text);
}

TEST(WorksheetDocument, VariantsOnTheirPagesThenTheKeyUnderTheSameCodes)
{
    WorksheetChoices choices = Choices(4711, 4, 100, 3, 50);
    choices.euclid = true;
    const Worksheet sheet = GenerateWorksheet(choices);
    int calls = 0;
    const EuclidWriter euclid = [&](const SheetEquation &e, const Catalogue &) {
        ++calls;
        return "a " + std::to_string(e.a) + "\r\nb\r\n";
    };
    const SheetDocument document = WorksheetDocument(sheet, Bulgarian, euclid);
    EXPECT_EQ(document.language, "bg");
    EXPECT_EQ(document.title, std::string(Bulgarian.worksheet.title));

    std::vector<std::string> codes, sheetEquations, keyEquations, smallPrint, rowEquations;
    int breaks = 0, keyLines = 0, headers = 0;
    for (const SheetLine &line : document.lines) {
        switch (line.role) {
        case SheetRole::PageBreak:
            ++breaks;
            EXPECT_TRUE(line.text.empty());
            break;
        case SheetRole::Code:
            codes.push_back(line.text);
            break;
        case SheetRole::Equation:
            sheetEquations.push_back(line.text);
            break;
        case SheetRole::KeyEquation:
            keyEquations.push_back(line.text);
            break;
        case SheetRole::KeyLine:
            ++keyLines;
            break;
        case SheetRole::SmallPrint:
            smallPrint.push_back(line.text);
            break;
        case SheetRole::KeyHeader:
            ++headers;
            break;
        case SheetRole::KeyRow:
            ASSERT_EQ(line.cells.size(), 6u);
            rowEquations.push_back(line.cells[0] + ". " + line.cells[1]);
            break;
        default:
            break;
        }
    }
    // Between the variants, before the key and between the variants' keys.
    EXPECT_EQ(breaks, 5);
    EXPECT_EQ(codes,
              (std::vector<std::string>{"Вариант 4711-1", "Вариант 4711-2", "Вариант 4711-3",
                                        "Вариант 4711-1", "Вариант 4711-2", "Вариант 4711-3"}));
    // A table for each variant, a row for each item; Euclid's way after
    // it under each equation again, with its pair for each solvable one.
    EXPECT_EQ(headers, 3);
    EXPECT_EQ(rowEquations, sheetEquations);
    EXPECT_EQ(keyEquations, sheetEquations);
    ASSERT_EQ(sheetEquations.size(), 12u);
    EXPECT_EQ(sheetEquations[0].rfind("1. ", 0), 0u);
    EXPECT_EQ(keyLines, 6);
    EXPECT_EQ(calls, 12);
    // The settings, the note on equivalent forms, and Euclid's way's lines.
    EXPECT_EQ(smallPrint.size(), 2 + 12 * 3u);
    EXPECT_EQ(std::count(smallPrint.begin(), smallPrint.end(), "b"), 12);
    for (const std::string &line : smallPrint)
        EXPECT_EQ(line.find('\r'), std::string::npos);

    // Without the choice, no Euclid's way even with a writer.
    choices.euclid = false;
    calls = 0;
    const SheetDocument plain = WorksheetDocument(GenerateWorksheet(choices), English, euclid);
    EXPECT_EQ(calls, 0);
    const std::string text = PlainText(plain);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 5);
    EXPECT_NE(text.find("Variant 4711-3\n"), std::string::npos);
    EXPECT_NE(text.find("Answer key\n"), std::string::npos);
}

// The key in the board's notation, each language's pairs, the general
// solution the way round Euclid's way writes it, coefficients 1 and 0 left
// unwritten in it.
TEST(WorksheetDocument, KeyTableInTheSchoolNotation)
{
    Worksheet sheet{Choices(9, 2, 100, 1), {{"9-1", {{91, -35, 14}, {4, 6, 3}, {3, 66, 6}}}}};
    struct
    {
        const Catalogue *language;
        std::string table;
    } rows[] = {
        {&English, "No.  Equation  GCD  Conclusion  Particular solution (x₀, y₀)  General solution\n"
                   "1  91x − 35y = 14  7  has solutions  (−1, −3)  x = −1 + 5t, y = −3 + 13t, t ∈ ℤ\n"
                   "2  4x + 6y = 3  2  no integer solution  —  —\n"
                   "3  3x + 66y = 6  3  has solutions  (2, 0)  x = 2 − 22t, y = t, t ∈ ℤ\n"},
        {&Bulgarian,
         "№  Уравнение  НОД  Извод  Частно решение (x₀; y₀)  Общо решение\n"
         "1  91x − 35y = 14  7  има решения  (−1; −3)  x = −1 + 5t, y = −3 + 13t, t ∈ ℤ\n"
         "2  4x + 6y = 3  2  няма цели решения  —  —\n"},
    };
    for (const auto &row : rows) {
        const std::string text = PlainText(WorksheetDocument(sheet, *row.language));
        const std::string key = text.substr(text.find('\f'));
        EXPECT_NE(key.find(row.table), std::string::npos) << key;
        const std::string anyForm(row.language->worksheet.anyForm);
        EXPECT_NE(key.find(anyForm), std::string::npos);
        EXPECT_EQ(key.find(anyForm), key.rfind(anyForm)) << "the note on equivalent forms twice";
        for (const char *ascii : {"*", " - ", "X = ", "Xо", "+ −", "1t"})
            EXPECT_EQ(text.find(ascii), std::string::npos) << ascii << " in\n" << text;
    }
}

// Word problems keep their row in the table, and their unknowns, conditions
// and solutions follow it; pictures only where chosen, one for each
// solvable item, each with ids of its own.
TEST(WorksheetDocument, WordProblemsAndPicturesAfterTheTable)
{
    WorksheetChoices choices = Choices(4711, 10, 100, 2, 30);
    choices.wordPercent = 50;
    Worksheet sheet = GenerateWorksheet(choices);
    const auto roles = [](const SheetDocument &document) {
        std::vector<SheetRole> key;
        bool inKey = false;
        for (const SheetLine &line : document.lines) {
            inKey = inKey || line.text == std::string(English.worksheet.keyTitle);
            if (inKey)
                key.push_back(line.role);
        }
        return key;
    };
    const SheetDocument plain = WorksheetDocument(sheet, English);
    const std::vector<SheetRole> key = roles(plain);
    EXPECT_EQ(std::count(key.begin(), key.end(), SheetRole::KeyRow), 20);
    EXPECT_EQ(std::count(key.begin(), key.end(), SheetRole::Picture), 0);
    // The first variant's word problems follow its whole table, before the
    // second variant's.
    const auto second = std::find(std::find(key.begin(), key.end(), SheetRole::KeyHeader) + 1,
                                  key.end(), SheetRole::KeyHeader);
    const auto firstNote = std::find(key.begin(), key.end(), SheetRole::KeyEquation);
    ASSERT_NE(second, key.end());
    EXPECT_LT(firstNote, second);
    EXPECT_EQ(std::find(firstNote, second, SheetRole::KeyRow), second);
    EXPECT_EQ(std::count(key.begin(), key.end(), SheetRole::KeyEquation), 2 * 5);

    sheet.choices.pictures = true;
    std::size_t solvable = 0;
    for (const SheetVariant &variant : sheet.variants)
        for (const SheetEquation &e : variant.equations)
            solvable += AnswerOf(e).solvable;
    ASSERT_GT(solvable, 0u);
    ASSERT_LT(solvable, 20u);
    std::set<std::string> ids;
    std::size_t pictures = 0;
    for (const PictureStyle style : {PictureStyle::Inside, PictureStyle::Page}) {
        const SheetDocument drawn = WorksheetDocument(sheet, English, {}, style);
        for (const SheetLine &line : drawn.lines) {
            if (line.role != SheetRole::Picture)
                continue;
            ++pictures;
            EXPECT_EQ(line.picture.rfind("<svg ", 0), 0u);
            EXPECT_EQ(line.picture.find("<style>") != std::string::npos,
                      style == PictureStyle::Inside);
            const std::size_t at = line.picture.find("id=\"velmora-picture-title");
            ASSERT_NE(at, std::string::npos);
            const std::string id = line.picture.substr(at, line.picture.find('"', at + 4) - at);
            if (style == PictureStyle::Page) {
                EXPECT_TRUE(ids.insert(id).second) << id << " twice";
            }
            EXPECT_NE(line.picture.find("aria-labelledby=\"" + id.substr(4)), std::string::npos);
        }
        // Without the pictures the rest of the key is as it was.
        std::vector<SheetRole> rest = roles(drawn);
        std::erase(rest, SheetRole::Picture);
        EXPECT_EQ(rest, key);
    }
    EXPECT_EQ(pictures, 2 * solvable);
}

// With Euclid's way the key gives its reduced pair beside the search's, and
// the pair solves the equation.
TEST(WorksheetDocument, EuclidsPairBesideTheSearchs)
{
    WorksheetChoices choices = Choices(9, 1, 2000, 1);
    choices.euclid = true;
    Worksheet sheet{choices, {{"9-1", {{1534, 1309, 652}, {4, 6, 3}}}}};
    const std::string text = PlainText(WorksheetDocument(sheet, English));
    EXPECT_NE(text.find("\n1  1534x + 1309y = 652  1  has solutions  ("), std::string::npos);
    EXPECT_NE(text.find("\nEuclid's algorithm gives (x₁, y₁) = (41728, −48900), made smaller (x₁, "
                        "y₁) = (−160, 188)\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(1534 * -160 + 1309 * 188, 652);
    EXPECT_EQ(1534LL * 41728 + 1309LL * -48900, 652);
    // Nothing of the kind for the unsolvable one, nor without the choice.
    EXPECT_EQ(text.find("gives (x₁"), text.rfind("gives (x₁"));
    sheet.choices.euclid = false;
    EXPECT_EQ(PlainText(WorksheetDocument(sheet, English)).find("(x₁"), std::string::npos);
}

// With Euclid's way the key gives Bézout's pair as a pupil finds it by hand,
// and beside it the pair made smaller where the two differ.
TEST(WorksheetDocument, EuclidsPairBeforeAndAfterItIsMadeSmaller)
{
    struct Row
    {
        const char *name;
        SheetEquation equation;
        const Catalogue *language;
        const char *line;
    };
    const Row rows[] = {
        {"larger pair made smaller",
         {13, 41, 8},
         &English,
         "Euclid's algorithm gives (x₁, y₁) = (152, −48), made smaller (x₁, y₁) = (−12, 4)"},
        {"the same in the school notation",
         {13, 41, 8},
         &Bulgarian,
         "Алгоритъмът на Евклид дава (x₁; y₁) = (152; −48), а след намаляване (x₁; y₁) = (−12; 4)"},
        {"negative coefficients",
         {-13, 41, -8},
         &English,
         "Euclid's algorithm gives (x₁, y₁) = (152, 48), made smaller (x₁, y₁) = (−12, −4)"},
        {"already small: one pair",
         {4, 6, 2},
         &English,
         "Euclid's algorithm gives (x₁, y₁) = (−1, 1)"},
    };
    for (const Row &row : rows) {
        WorksheetChoices choices = Choices(1, 1, 100, 1);
        choices.euclid = true;
        const Worksheet sheet{choices, {{"1-1", {row.equation}}}};
        const std::string text = PlainText(WorksheetDocument(sheet, *row.language));
        EXPECT_NE(text.find(std::string("\n") + row.line + "\n"), std::string::npos)
            << row.name << "\n"
            << text;
    }
    // Both pairs solve the equation.
    EXPECT_EQ(13 * 152 + 41 * -48, 8);
    EXPECT_EQ(13 * -12 + 41 * 4, 8);
    EXPECT_EQ(-13 * 152 + 41 * 48, -8);
}

// Every variant heading carries the heading its later pages repeat.
TEST(WorksheetDocument, EachCodeWithItsContinuedHeading)
{
    const SheetDocument document =
        WorksheetDocument(GenerateWorksheet(Choices(5, 3, 100, 2)), *FindCatalogue("uk"));
    int headings = 0;
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        if (document.lines[i].role != SheetRole::Code)
            continue;
        ++headings;
        ASSERT_GT(i, 0u);
        EXPECT_EQ(document.lines[i - 1].role, SheetRole::Continued);
        EXPECT_EQ(document.lines[i - 1].text, document.lines[i].text + " (продовження)");
    }
    EXPECT_EQ(headings, 4); // two sheets, two keys
    EXPECT_EQ(PlainText(document).find("продовження"), std::string::npos);
}

// Points beside every item on the sheet and in the key, the variant's total
// on both; none at all without points; the room to work carried to the print.
TEST(WorksheetDocument, PointsBesideEachItemAndTheTotal)
{
    WorksheetChoices choices = Choices(77, 4, 100, 2, 25);
    choices.points = 3;
    choices.space = 9;
    const SheetDocument document = WorksheetDocument(GenerateWorksheet(choices), English);
    EXPECT_EQ(document.space, 9);
    int marked = 0, totals = 0, rows = 0;
    for (const SheetLine &line : document.lines) {
        if (line.role == SheetRole::Equation) {
            EXPECT_EQ(line.aside, "(3 points)") << line.text;
            ++marked;
        } else {
            EXPECT_TRUE(line.aside.empty()) << line.text;
        }
        // The key's table has them in a column of their own.
        if (line.role == SheetRole::KeyHeader) {
            EXPECT_EQ(line.cells.back(), "Points");
        }
        if (line.role == SheetRole::KeyRow) {
            EXPECT_EQ(line.cells.back(), "3");
            ++rows;
        }
        totals += line.text == "Total: 12 points";
    }
    EXPECT_EQ(marked, 4 * 2);
    EXPECT_EQ(rows, 4 * 2);
    EXPECT_EQ(totals, 2 * 2); // on each variant's sheet and its key
    const std::string text = PlainText(document);
    EXPECT_NE(text.find("1. "), std::string::npos);
    EXPECT_NE(text.find("  (3 points)\n"), std::string::npos);

    // One point is singular, and in Ukrainian each plural form.
    choices.points = 1;
    choices.count = 1;
    EXPECT_NE(PlainText(WorksheetDocument(GenerateWorksheet(choices), English)).find("(1 point)\n"),
              std::string::npos);
    choices.points = 2;
    choices.count = 5;
    const std::string uk =
        PlainText(WorksheetDocument(GenerateWorksheet(choices), *FindCatalogue("uk")));
    EXPECT_NE(uk.find("(2 бали)"), std::string::npos);
    EXPECT_NE(uk.find("Усього: 10 балів"), std::string::npos);

    choices.points = 0;
    const SheetDocument none = WorksheetDocument(GenerateWorksheet(choices), English);
    for (const SheetLine &line : none.lines)
        EXPECT_TRUE(line.aside.empty());
    EXPECT_EQ(PlainText(none).find("point"), std::string::npos);
}

TEST(FillMessage, NamedPlaceholders)
{
    EXPECT_EQ(FillPlaceholders("{a} = {b} * {a}", {{"a", "7"}, {"b", "x"}}), "7 = x * 7");
    EXPECT_EQ(FillPlaceholders("{missing} {a}", {{"a", "1"}}), "{missing} 1");
    EXPECT_EQ(FillPlaceholders("open { only", {}), "open { only");
    EXPECT_EQ(FillPlaceholders("", {{"a", "1"}}), "");
}

TEST(WorksheetOptions, GoodValues)
{
    const auto read = [](std::vector<std::pair<std::string, std::string>> options) {
        const auto result = ReadWorksheetOptions(options);
        EXPECT_TRUE(std::holds_alternative<WorksheetChoices>(result));
        return std::holds_alternative<WorksheetChoices>(result) ? std::get<WorksheetChoices>(result)
                                                                : WorksheetChoices{};
    };
    const WorksheetChoices defaults = read({});
    EXPECT_EQ(defaults.count, 10);
    EXPECT_EQ(defaults.range, 100);
    EXPECT_EQ(defaults.variants, 1);
    EXPECT_EQ(defaults.unsolvablePercent, 0);
    EXPECT_FALSE(defaults.zeros);
    EXPECT_EQ(defaults.paper, Paper::A4);
    EXPECT_EQ(defaults.code, 0u);

    const WorksheetChoices all = read({{"count", "40"},
                                       {"range", "2000"},
                                       {"variants", "1"},
                                       {"code", "999999"},
                                       {"lang", "EN"},
                                       {"unsolvable", "25%"},
                                       {"zeros", ""},
                                       {"euclid", "yes"},
                                       {"paper", "Letter"}});
    EXPECT_EQ(all.count, 40);
    EXPECT_EQ(all.range, 2000);
    EXPECT_EQ(all.code, 999999u);
    EXPECT_EQ(all.language, "en");
    EXPECT_EQ(all.unsolvablePercent, 25);
    EXPECT_TRUE(all.zeros);
    EXPECT_TRUE(all.euclid);
    EXPECT_EQ(all.paper, Paper::Letter);

    for (const std::string_view entry : RangeEntries)
        EXPECT_EQ(read({{"range", std::string(entry)}}).range, std::stoi(std::string(entry)));
    EXPECT_FALSE(read({{"zeros", "1"}, {"zeros", "off"}}).zeros);
    EXPECT_EQ(read({{"unsolvable", "0"}}).unsolvablePercent, 0);
    EXPECT_EQ(read({{"count", "007"}}).count, 7);

    // The room to work: centimetres, or a size by its name in any case.
    EXPECT_EQ(defaults.space, 6);
    EXPECT_EQ(defaults.points, 0);
    EXPECT_EQ(read({{"space", "small"}}).space, 4);
    EXPECT_EQ(read({{"space", "Medium"}}).space, 6);
    EXPECT_EQ(read({{"space", "LARGE"}}).space, 9);
    EXPECT_EQ(read({{"space", "2"}}).space, 2);
    EXPECT_EQ(read({{"space", "20"}}).space, 20);
    EXPECT_EQ(read({{"points", "100"}}).points, 100);
    EXPECT_EQ(read({{"points", "0"}}).points, 0);

    // The choices as options read back as they were.
    WorksheetChoices chosen = all;
    chosen.space = 9;
    chosen.points = 3;
    const auto again = ReadWorksheetOptions(WorksheetOptionPairs(chosen));
    ASSERT_TRUE(std::holds_alternative<WorksheetChoices>(again));
    EXPECT_EQ(std::get<WorksheetChoices>(again), chosen);
}

// Under the page's form a refusal names the field as the form shows it.
TEST(WorksheetOptions, FormRefusalNamesTheFieldsCaption)
{
    WorksheetChoices choices;
    const struct
    {
        const Catalogue *language;
        const char *name, *value, *start;
    } rows[] = {
        {&English, "count", "50", "Number of equations: “50” is not allowed; allowed: 1–40"},
        {&English, "space", "0", "Working space (cm): “0” is not allowed"},
        {&English, "points", "x", "Points per item: “x” is not allowed"},
        {&English, "zeros", "maybe", "Allow zero coefficients: “maybe”"},
        {&Bulgarian, "count", "50", "Брой уравнения: „50“ не е позволено"},
        {&Bulgarian, "points", "101", "Точки за задача: „101“"},
    };
    for (const auto &row : rows) {
        const auto problem = ApplyWorksheetOption(choices, row.name, row.value);
        ASSERT_TRUE(problem) << row.name;
        const std::string text = OptionProblemFormText(*problem, *row.language);
        EXPECT_EQ(text.rfind(row.start, 0), 0u) << text;
        EXPECT_EQ(text.find('&'), std::string::npos) << text;
    }
    // Every option of the design has a caption in every language.
    for (const Catalogue *language : Catalogues)
        for (const SheetOption &option : SheetOptions)
            EXPECT_FALSE(OptionCaption(option.name, *language).empty()) << option.name;
    // An option no form has keeps its name.
    const auto unknown = ApplyWorksheetOption(choices, "colour", "red");
    ASSERT_TRUE(unknown);
    EXPECT_EQ(OptionProblemFormText(*unknown, English).rfind("colour: ", 0), 0u);
}

TEST(WorksheetOptions, BadValuesNameTheOptionAndWhatIsAllowed)
{
    std::string codes;
    for (const Catalogue *catalogue : Catalogues)
        codes += (codes.empty() ? "" : ", ") + std::string(catalogue->code);
    const struct
    {
        const char *name, *value;
        std::string allowed;
    } rows[] = {
        {"count", "0", "1–40"},
        {"count", "41", "1–40"},
        {"count", "-3", "1–40"},
        {"count", "", "1–40"},
        {"count", "1e1", "1–40"},
        {"count", " 5", "1–40"},
        {"count", "99999999999999999999", "1–40"},
        {"variants", "41", "1–40"},
        {"range", "50", "10, 100, 200, 500, 1000, 1500, 2000"},
        {"range", "0100", "10, 100, 200, 500, 1000, 1500, 2000"},
        {"code", "0", "1–999999"},
        {"code", "1000000", "1–999999"},
        {"code", "abc", "1–999999"},
        {"lang", "de", codes},
        {"unsolvable", "101", "0–100 (%)"},
        {"unsolvable", "0.5", "0–100 (%)"},
        {"unsolvable", "%", "0–100 (%)"},
        {"zeros", "maybe", "1, 0, yes, no, true, false, on, off"},
        {"paper", "a5", "a4, letter"},
        {"space", "1", "2–20 (cm), small, medium, large"},
        {"space", "21", "2–20 (cm), small, medium, large"},
        {"space", "huge", "2–20 (cm), small, medium, large"},
        {"space", "6cm", "2–20 (cm), small, medium, large"},
        {"points", "101", "0–100"},
        {"points", "-1", "0–100"},
    };
    for (const auto &row : rows) {
        WorksheetChoices choices;
        const auto problem = ApplyWorksheetOption(choices, row.name, row.value);
        ASSERT_TRUE(problem) << row.name << "=" << row.value;
        EXPECT_EQ(*problem, (OptionProblem{row.name, row.value, row.allowed}));
        EXPECT_EQ(choices, WorksheetChoices{}) << "a refused value changed the choices";
        const std::string line = OptionProblemText(*problem, English, "--");
        EXPECT_EQ(line.rfind(std::string("--") + row.name + ": ", 0), 0u) << line;
        EXPECT_NE(line.find(row.allowed), std::string::npos) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos);
    }

    const auto unknown = ReadWorksheetOptions({{"count", "3"}, {"colour", "red"}});
    ASSERT_TRUE(std::holds_alternative<OptionProblem>(unknown));
    const OptionProblem &problem = std::get<OptionProblem>(unknown);
    EXPECT_TRUE(problem.unknown);
    EXPECT_EQ(problem.option, "colour");
    const std::string line = OptionProblemText(problem, Bulgarian, "");
    EXPECT_EQ(line.rfind("colour: ", 0), 0u);
    EXPECT_NE(line.find("count, range, variants"), std::string::npos);
}
