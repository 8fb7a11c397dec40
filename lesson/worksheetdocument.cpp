#include "worksheetdocument.h"

#include "equationtext.h"
#include "keyanswer.h"
#include "languages.h"
#include "messagefill.h"
#include "sheeteuclid.h"

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
    return FillMessage(phrase.For(static_cast<std::uint64_t>(n)), {{"count", Number(n)}});
}

void AddKeyEntry(SheetDocument &document, int number, const SheetEquation &e,
                 const Catalogue &language, const EuclidWriter &euclid)
{
    const WorksheetTexts &say = language.worksheet;
    const auto add = [&](SheetRole role, std::string text) {
        document.lines.push_back({role, std::move(text)});
    };
    add(SheetRole::KeyEquation,
        FillMessage(say.numbered,
                    {{"number", Number(number)}, {"equation", SheetEquationText(e, language)}}));

    const KeyAnswer answer = AnswerOf(e);
    add(SheetRole::KeyLine, FillMessage(say.gcd, {{"a", Number(std::llabs(e.a))},
                                                  {"b", Number(std::llabs(e.b))},
                                                  {"gcd", Number(answer.gcd)}}));
    const std::initializer_list<MessageValue> verdict = {{"gcd", Number(answer.gcd)},
                                                         {"c", Number(e.c)}};
    add(SheetRole::KeyLine,
        FillMessage(answer.solvable ? say.divides : say.doesNotDivide, verdict));
    if (answer.solvable) {
        add(SheetRole::KeyLine,
            FillMessage(say.particular, {{"x", Number(answer.xo)}, {"y", Number(answer.yo)}}));
        add(SheetRole::KeyLine, FillMessage(say.general, {{"x", Number(answer.xo)},
                                                          {"b", Number(answer.b)},
                                                          {"y", Number(answer.yo)},
                                                          {"a", Number(answer.a)}}));
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

} // namespace

std::string SheetEquationText(const SheetEquation &e, const Catalogue &language)
{
    return EquationText(e.a, e.b, e.c, language.transcript);
}

SheetDocument WorksheetDocument(const Worksheet &sheet, const Catalogue &language,
                                const EuclidWriter &euclid)
{
    const WorksheetTexts &say = language.worksheet;
    const WorksheetChoices &choices = sheet.choices;
    SheetDocument document{std::string(say.title), std::string(language.code), choices.paper, {}};
    const auto add = [&](SheetRole role, std::string text) {
        document.lines.push_back({role, std::move(text)});
    };

    for (const SheetVariant &variant : sheet.variants) {
        if (&variant != &sheet.variants.front())
            add(SheetRole::PageBreak, {});
        add(SheetRole::Title, std::string(say.title));
        add(SheetRole::Code, FillMessage(say.variant, {{"code", variant.code}}));
        add(SheetRole::NameLine, std::string(say.nameLine));
        add(SheetRole::Task, std::string(say.task));
        int number = 0;
        for (const SheetEquation &e : variant.equations)
            add(SheetRole::Equation,
                FillMessage(say.numbered, {{"number", Number(++number)},
                                           {"equation", SheetEquationText(e, language)}}));
    }

    add(SheetRole::PageBreak, {});
    add(SheetRole::Title, std::string(say.keyTitle));
    std::string settings =
        FillMessage(say.settings, {{"code", Number(choices.code)},
                                   {"equations", Counted(say.equations, choices.count)},
                                   {"range", Number(choices.range)},
                                   {"variants", Counted(say.variants, choices.variants)},
                                   {"unsolvable", Number(choices.unsolvablePercent)}});
    if (choices.zeros) {
        settings += ' ';
        settings += say.settingsZeros.value;
    }
    add(SheetRole::SmallPrint, std::move(settings));

    const EuclidWriter none;
    for (const SheetVariant &variant : sheet.variants) {
        add(SheetRole::Code, FillMessage(say.variant, {{"code", variant.code}}));
        int number = 0;
        for (const SheetEquation &e : variant.equations)
            AddKeyEntry(document, ++number, e, language, choices.euclid ? euclid : none);
    }
    return document;
}

SheetDocument ChosenWorksheetDocument(const WorksheetChoices &choices)
{
    const Catalogue *language = FindCatalogue(choices.language);
    return WorksheetDocument(GenerateWorksheet(choices), language ? *language : Bulgarian,
                             SheetEuclidWriter());
}
