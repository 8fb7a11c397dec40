#include "worksheetdocument.h"

#include "expression.h"
#include "formulatext.h"
#include "keyanswer.h"
#include "languages.h"
#include "linepicture.h"
#include "notation.h"
#include "placeholders.h"
#include "sheeteuclid.h"
#include "wordproblem.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::string Number(std::int64_t n)
{
    return std::to_string(n);
}

// "12 equations": the number in the form of its noun that the language's
// plural rule chooses.
std::string Counted(const PluralPhrase &phrase, int n)
{
    return FillPlaceholders(phrase.For(static_cast<std::uint64_t>(n)), {{"count", Number(n)}});
}

// (x₀; y₀) = (4; −10), or with x₁, y₁.
Expression PairEquation(unsigned index, Wide x, Wide y)
{
    return Equation(Pair(Name("x", index), Name("y", index)), Pair(Int(x), Int(y)));
}

std::string Cell(const Expression &f, const Catalogue &language)
{
    return FormulaText(f, SchoolNotation(language.code));
}

// The table's headings: №, equation, GCD, verdict, particular and general
// solution, and the points where they are given.
SheetLine KeyHeader(const Catalogue &language, bool points)
{
    const KeyTableTexts &say = language.worksheet.table;
    SheetLine line{SheetRole::KeyHeader, {}};
    line.cells = {std::string(say.item),
                  std::string(say.equation),
                  std::string(say.gcd),
                  std::string(say.verdict),
                  FillPlaceholders(say.particular,
                                   {{"pair", Cell(Pair(Name("x", 0), Name("y", 0)), language)}}),
                  std::string(say.general)};
    if (points)
        line.cells.emplace_back(say.points);
    return line;
}

// One item's row; an equation without integer solutions has a dash for
// each solution.
SheetLine KeyRow(int number, const SheetEquation &e, const Catalogue &language, int points)
{
    const KeyTableTexts &say = language.worksheet.table;
    const KeyAnswer answer = AnswerOf(e);
    SheetLine line{SheetRole::KeyRow, {}};
    line.cells = {Number(number), SheetEquationText(e, language), Number(answer.gcd),
                  std::string(answer.solvable ? say.solvable : say.unsolvable)};
    if (answer.solvable) {
        line.cells.push_back(Cell(Pair(Int(answer.xo), Int(answer.yo)), language));
        // x = x₀ − bt, y = y₀ + at: the way round Euclid's way writes it.
        line.cells.push_back(Cell(
            List({Equation(Name("x"), Sum({Int(answer.xo), Term(-Wide(answer.b), "t")}, Zeros::Drop)),
                  Equation(Name("y"), Sum({Int(answer.yo), Term(Wide(answer.a), "t")}, Zeros::Drop)),
                  InIntegers(Name("t"))}),
            language));
    } else {
        line.cells.insert(line.cells.end(), 2, "—");
    }
    if (points > 0)
        line.cells.push_back(Number(points));
    return line;
}

// Euclid's way for one equation after the table: the equation again, the
// pair a pupil finds by hand (and the one made smaller where that differs),
// and the working in small print where a writer gives it.
void AddWorking(SheetDocument &document, int number, const SheetEquation &e,
                const Catalogue &language, const EuclidWriter &euclid)
{
    const WorksheetTexts &say = language.worksheet;
    const auto formula = [&](const Expression &f) { return Cell(f, language); };
    const std::string account = euclid ? euclid(e, language) : std::string();
    const KeyAnswer answer = AnswerOf(e);
    if (account.empty() && !(answer.solvable && answer.euclid))
        return;
    const auto add = [&](SheetRole role, std::string text) {
        document.lines.push_back({role, std::move(text)});
    };
    add(SheetRole::KeyEquation,
        FillPlaceholders(say.numbered, {{"number", Number(number)},
                                        {"equation", SheetEquationText(e, language)}}));
    if (answer.solvable && answer.euclid) {
        const GeneralSolution &way = *answer.euclid;
        const std::string reduced = formula(PairEquation(1, way.x1, way.y1));
        if (way.largeX1 == way.x1 && way.largeY1 == way.y1)
            add(SheetRole::KeyLine, FillPlaceholders(say.euclidPair, {{"pair", reduced}}));
        else
            add(SheetRole::KeyLine,
                FillPlaceholders(say.euclidPairReduced,
                                 {{"pair", formula(PairEquation(1, way.largeX1, way.largeY1))},
                                  {"reduced", reduced}}));
    }
    if (account.empty())
        return;
    add(SheetRole::SmallPrint, std::string(say.euclid));
    std::size_t at = 0;
    while (at < account.size()) {
        std::size_t end = account.find('\n', at);
        if (end == std::string::npos)
            end = account.size();
        std::string line = account.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        add(SheetRole::SmallPrint, std::move(line));
        at = end + 1;
    }
}

// The picture of a solvable equation, its ids made its own so that several
// stand in one page; word problems show their natural solutions as the
// region.
void AddPicture(SheetDocument &document, const std::string &code, int number,
                const SheetEquation &e, bool word, const Catalogue &language, PictureStyle style)
{
    SheetLine line{SheetRole::Picture,
                   FillPlaceholders(language.worksheet.numbered,
                                    {{"number", Number(number)},
                                     {"equation", SheetEquationText(e, language)}})};
    line.picture = LinePicture(e.a, e.b, e.c, word ? SolutionBounds::Natural() : SolutionBounds{},
                               language,
                               style == PictureStyle::Page ? PicturePalette::Page()
                                                           : PicturePalette::Paper(),
                               style);
    const std::string own = "-" + code + "-" + Number(number);
    for (const std::string id : {"velmora-picture-title", "velmora-picture-desc"})
        for (std::size_t at = line.picture.find(id); at != std::string::npos;
             at = line.picture.find(id, at + id.size() + own.size())) {
            line.picture.insert(at + id.size(), own);
        }
    document.lines.push_back(std::move(line));
}

// A word problem in the key: its unknowns, its equation, the conditions and
// every solution.
void AddWordKeyEntry(SheetDocument &document, int number, WordProblemKind kind,
                     const SheetEquation &e, const Catalogue &language)
{
    const WordProblemsTexts &say = language.worksheet.words;
    const Notation notation = SchoolNotation(language.code);
    const auto add = [&](SheetRole role, std::string text) {
        document.lines.push_back({role, std::move(text)});
    };
    add(SheetRole::KeyEquation,
        FillPlaceholders(
            language.worksheet.numbered,
            {{"number", Number(number)}, {"equation", WordProblemUnknowns(kind, e, language)}}));
    add(SheetRole::KeyLine,
        FillPlaceholders(say.equation, {{"equation", SheetEquationText(e, language)}}));
    const Expression bounds = List({Compare(Name("x"), Relation::AtLeast, Int(1)),
                                    Compare(Name("y"), Relation::AtLeast, Int(1))});
    add(SheetRole::KeyLine,
        FillPlaceholders(say.conditions, {{"bounds", FormulaText(bounds, notation)}}));
    std::vector<Expression> pairs;
    for (const WordSolution &s : NaturalSolutions(e))
        pairs.push_back(Pair(Int(s.x), Int(s.y)));
    const auto count = static_cast<std::uint64_t>(pairs.size());
    add(SheetRole::KeyLine,
        FillPlaceholders(
            say.solutions.For(count),
            {{"count", Number(std::int64_t(count))},
             {"pairs", FormulaText(List(std::span<const Expression>(pairs)), notation)}}));
}

// A variant's heading, and the one its next pages carry.
void AddCode(SheetDocument &document, const std::string &code, const Catalogue &language)
{
    const std::string heading = FillPlaceholders(language.worksheet.variant, {{"code", code}});
    document.lines.push_back({SheetRole::Continued,
                              FillPlaceholders(language.worksheet.continued, {{"code", heading}})});
    document.lines.push_back({SheetRole::Code, heading});
}

} // namespace

std::string SheetEquationText(const SheetEquation &e, const Catalogue &language)
{
    return FormulaText(LinearEquation(e.a, e.b, e.c), SchoolNotation(language.code));
}

SheetDocument WorksheetDocument(const Worksheet &sheet, const Catalogue &language,
                                const EuclidWriter &euclid, PictureStyle pictures)
{
    const WorksheetTexts &say = language.worksheet;
    const WorksheetChoices &choices = sheet.choices;
    SheetDocument document{
        std::string(say.title), std::string(language.code), choices.paper, choices.space, {}};
    // "(2 points)" beside each item, and the variant's total, where points are given.
    const std::string points = choices.points > 0 ? Counted(say.points, choices.points) : "";
    const std::string total =
        choices.points > 0 ? Counted(say.total, choices.points * choices.count) : "";
    const auto add = [&](SheetRole role, std::string text) {
        document.lines.push_back({role, std::move(text)});
    };

    for (const SheetVariant &variant : sheet.variants) {
        if (&variant != &sheet.variants.front())
            add(SheetRole::PageBreak, {});
        add(SheetRole::Title, std::string(say.title));
        AddCode(document, variant.code, language);
        add(SheetRole::NameLine, std::string(say.nameLine));
        add(SheetRole::Task, std::string(say.task));
        if (std::any_of(variant.words.begin(), variant.words.end(),
                        [](const auto &word) { return word.has_value(); }))
            add(SheetRole::Task, std::string(say.words.task));
        if (!total.empty())
            add(SheetRole::Task, total);
        for (std::size_t k = 0; k < variant.equations.size(); ++k) {
            const SheetEquation &e = variant.equations[k];
            const WordProblemKind *word =
                k < variant.words.size() && variant.words[k] ? &*variant.words[k] : nullptr;
            add(SheetRole::Equation,
                FillPlaceholders(say.numbered,
                                 {{"number", Number(std::int64_t(k) + 1)},
                                  {"equation", word ? WordProblemText(*word, e, language)
                                                    : SheetEquationText(e, language)}}));
            document.lines.back().aside = points;
        }
    }

    add(SheetRole::PageBreak, {});
    add(SheetRole::Title, std::string(say.keyTitle));
    std::string settings =
        FillPlaceholders(say.settings, {{"code", Number(choices.code)},
                                        {"equations", Counted(say.equations, choices.count)},
                                        {"range", Number(choices.range)},
                                        {"variants", Counted(say.variants, choices.variants)},
                                        {"unsolvable", Number(choices.unsolvablePercent)}});
    if (choices.zeros) {
        settings += ' ';
        settings += say.settingsZeros.value;
    }
    if (choices.wordPercent > 0) {
        settings += ' ';
        settings +=
            FillPlaceholders(say.words.settings, {{"percent", Number(choices.wordPercent)}});
    }
    add(SheetRole::SmallPrint, std::move(settings));
    add(SheetRole::SmallPrint, std::string(say.anyForm));

    // Each variant's key on a page of its own, so that it lies beside the
    // pupil's sheet whole wherever it fits on one: its table, the word
    // problems' unknowns and solutions, the pictures, then Euclid's way.
    for (const SheetVariant &variant : sheet.variants) {
        if (&variant != &sheet.variants.front())
            add(SheetRole::PageBreak, {});
        AddCode(document, variant.code, language);
        if (!total.empty())
            add(SheetRole::KeyLine, total);
        const auto word = [&](std::size_t k) {
            return k < variant.words.size() && variant.words[k] ? &*variant.words[k] : nullptr;
        };
        document.lines.push_back(KeyHeader(language, choices.points > 0));
        for (std::size_t k = 0; k < variant.equations.size(); ++k)
            document.lines.push_back(
                KeyRow(static_cast<int>(k) + 1, variant.equations[k], language, choices.points));
        for (std::size_t k = 0; k < variant.equations.size(); ++k)
            if (const WordProblemKind *kind = word(k))
                AddWordKeyEntry(document, static_cast<int>(k) + 1, *kind, variant.equations[k],
                                language);
        for (std::size_t k = 0; choices.pictures && k < variant.equations.size(); ++k)
            if (AnswerOf(variant.equations[k]).solvable)
                AddPicture(document, variant.code, static_cast<int>(k) + 1, variant.equations[k],
                           word(k) != nullptr, language, pictures);
        for (std::size_t k = 0; choices.euclid && k < variant.equations.size(); ++k)
            if (!word(k))
                AddWorking(document, static_cast<int>(k) + 1, variant.equations[k], language,
                           euclid);
    }
    return document;
}

SheetDocument ChosenWorksheetDocument(const WorksheetChoices &choices, PictureStyle pictures)
{
    const Catalogue *language = FindCatalogue(choices.language);
    return WorksheetDocument(GenerateWorksheet(choices), language ? *language : Bulgarian,
                             SheetEuclidWriter(choices.euclidMethod), pictures);
}
