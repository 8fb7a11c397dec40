#include "worksheetdocument.h"

#include "expression.h"
#include "formulatext.h"
#include "keyanswer.h"
#include "languages.h"
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

void AddKeyEntry(SheetDocument &document, int number, const SheetEquation &e,
                 const Catalogue &language, const EuclidWriter &euclid, bool euclidPair,
                 const std::string &points)
{
    const WorksheetTexts &say = language.worksheet;
    const Notation notation = SchoolNotation(language.code);
    const auto formula = [&](const Expression &f) { return FormulaText(f, notation); };
    const auto add = [&](SheetRole role, std::string text) {
        document.lines.push_back({role, std::move(text)});
    };
    add(SheetRole::KeyEquation,
        FillPlaceholders(say.numbered, {{"number", Number(number)},
                                        {"equation", SheetEquationText(e, language)}}));
    document.lines.back().aside = points;

    const KeyAnswer answer = AnswerOf(e);
    add(SheetRole::KeyLine, FillPlaceholders(say.gcd, {{"a", Number(std::llabs(e.a))},
                                                       {"b", Number(std::llabs(e.b))},
                                                       {"gcd", Number(answer.gcd)}}));
    const std::initializer_list<Placeholder> verdict = {{"gcd", Number(answer.gcd)},
                                                        {"c", IntegerText(e.c, notation)}};
    add(SheetRole::KeyLine,
        FillPlaceholders(answer.solvable ? say.divides : say.doesNotDivide, verdict));
    if (answer.solvable) {
        add(SheetRole::KeyLine,
            FillPlaceholders(say.particular,
                             {{"pair", formula(PairEquation(0, answer.xo, answer.yo))}}));
        // x = x₀ − bt, y = y₀ + at: the way round Euclid's way writes it.
        const Expression general = List(
            {Equation(Name("x"), Sum({Int(answer.xo), Term(-Wide(answer.b), "t")}, Zeros::Drop)),
             Equation(Name("y"), Sum({Int(answer.yo), Term(Wide(answer.a), "t")}, Zeros::Drop)),
             InIntegers(Name("t"))});
        add(SheetRole::KeyLine, FillPlaceholders(say.general, {{"solution", formula(general)}}));
        // Bézout's pair as a pupil finds it by hand, and the one made smaller
        // where that differs, so that either is found in the key.
        if (euclidPair && answer.euclid) {
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
    }
    if (!euclid)
        return;
    const std::string account = euclid(e, language);
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

// A word problem in the key: its unknowns, its equation, the conditions and
// every solution.
void AddWordKeyEntry(SheetDocument &document, int number, WordProblemKind kind,
                     const SheetEquation &e, const Catalogue &language, const std::string &points)
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
    document.lines.back().aside = points;
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
                                const EuclidWriter &euclid)
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
    // pupil's sheet whole wherever it fits on one.
    const EuclidWriter none;
    for (const SheetVariant &variant : sheet.variants) {
        if (&variant != &sheet.variants.front())
            add(SheetRole::PageBreak, {});
        AddCode(document, variant.code, language);
        if (!total.empty())
            add(SheetRole::KeyLine, total);
        for (std::size_t k = 0; k < variant.equations.size(); ++k) {
            const int number = static_cast<int>(k) + 1;
            if (k < variant.words.size() && variant.words[k])
                AddWordKeyEntry(document, number, *variant.words[k], variant.equations[k], language,
                                points);
            else
                AddKeyEntry(document, number, variant.equations[k], language,
                            choices.euclid ? euclid : none, choices.euclid, points);
        }
    }
    return document;
}

SheetDocument ChosenWorksheetDocument(const WorksheetChoices &choices)
{
    const Catalogue *language = FindCatalogue(choices.language);
    return WorksheetDocument(GenerateWorksheet(choices), language ? *language : Bulgarian,
                             SheetEuclidWriter(choices.euclidMethod));
}
