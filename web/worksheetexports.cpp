// The teacher's worksheet behind the page's C interface: the query read by
// the command line's rules, the sheet as the PDF's lines. The page only sets
// them in HTML.

#include "engine.h"
#include "exportname.h"
#include "pagejson.h"

#include "catalogues.h"
#include "languagechoice.h"
#include "languages.h"
#include "ranges.h"
#include "worksheetdocument.h"
#include "worksheetoptions.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::string answer;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// As a form encodes it: "+" a blank, "%xx" a byte; a stray "%" stays.
std::string Decoded(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
                   HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> Pairs(std::string_view query)
{
    if (query.starts_with('?'))
        query.remove_prefix(1);
    std::vector<std::pair<std::string, std::string>> pairs;
    while (!query.empty()) {
        const std::size_t end = query.find_first_of("&\n");
        std::string_view pair = query.substr(0, end);
        query = end == std::string_view::npos ? "" : query.substr(end + 1);
        if (!pair.empty() && pair.back() == '\r')
            pair.remove_suffix(1);
        if (pair.empty())
            continue;
        const std::size_t equals = pair.find('=');
        std::string name = Decoded(pair.substr(0, equals));
        if (name == "worksheet")
            continue;
        pairs.emplace_back(std::move(name), equals == std::string_view::npos
                                                ? std::string()
                                                : Decoded(pair.substr(equals + 1)));
    }
    return pairs;
}

std::string_view RoleName(SheetRole role)
{
    switch (role) {
    case SheetRole::Title:
        return "title";
    case SheetRole::Code:
        return "code";
    case SheetRole::NameLine:
        return "nameLine";
    case SheetRole::Task:
        return "task";
    case SheetRole::Equation:
        return "equation";
    case SheetRole::KeyEquation:
        return "keyEquation";
    case SheetRole::KeyLine:
        return "keyLine";
    case SheetRole::SmallPrint:
        return "smallPrint";
    case SheetRole::KeyHeader:
        return "keyHeader";
    case SheetRole::KeyRow:
        return "keyRow";
    case SheetRole::Picture:
        return "picture";
    case SheetRole::PageBreak:
    case SheetRole::Continued:
        break;
    }
    return "pageBreak";
}

// A dialog caption without its mnemonic's "&" (a doubled one stands for itself).
std::string Caption(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&')
            out += text[i++];
        else if (text[i] != '&')
            out += text[i];
    }
    return out;
}

nlohmann::json Labels(const Catalogue &language)
{
    const WorksheetDialogTexts &d = language.worksheet.dialog;
    return {
        {"title", std::string(d.title)},
        {"count", Caption(d.count.text)},
        {"range", Caption(d.range.text)},
        {"variants", Caption(d.variants.text)},
        {"code", Caption(d.code.text)},
        {"newCode", Caption(d.newCode.text)},
        {"lang", Caption(d.language.text)},
        {"unsolvable", Caption(d.unsolvable.text)},
        {"zeros", Caption(d.zeros.text)},
        {"euclid", Caption(d.euclid.text)},
        {"paper", Caption(d.paper.text)},
        {"print", Caption(d.print.text)},
        {"space", Caption(d.space.text)},
        {"points", Caption(d.points.text)},
        {"word-problems", Caption(d.wordProblems.text)},
        {"pictures", Caption(d.pictures.text)},
    };
}

// The entries of the form's lists, by the options' names: each value with
// the name it shows in the language.
nlohmann::json Lists(const Catalogue &language)
{
    nlohmann::json lists = {{"range", nlohmann::json::array()},
                            {"lang", nlohmann::json::array()},
                            {"paper", nlohmann::json::array()}};
    for (const std::string_view range : RangeEntries)
        lists["range"].push_back({range, range});
    for (const Catalogue *catalogue : Catalogues)
        lists["lang"].push_back({catalogue->code.value, catalogue->name.value});
    const WorksheetDialogTexts &d = language.worksheet.dialog;
    const std::array<std::string_view, SheetPapers.size()> papers = {d.a4, d.letter};
    for (std::size_t k = 0; k < SheetPapers.size(); ++k)
        lists["paper"].push_back({SheetPapers[k], papers[k]});
    return lists;
}

} // namespace

VELMORA_EXPORT(velmora_worksheet)
const char *velmora_worksheet(const char *query, const char *language, uint32_t fresh)
{
    WorksheetChoices choices;
    if (const std::string_view code = LanguageOfTag(language); !code.empty())
        choices.language = std::string(code);
    std::string problem;
    for (const auto &[name, value] : Pairs(query))
        if (const auto refused = ApplyWorksheetOption(choices, name, value)) {
            // The page shows it under its form: the field by its caption.
            problem = OptionProblemFormText(*refused, *FindCatalogue(choices.language));
            break;
        }
    const bool drawn = problem.empty() && choices.code == 0;
    if (drawn)
        choices.code = WorksheetCode(fresh);
    const Catalogue &speaks = *FindCatalogue(choices.language);

    nlohmann::json out = {
        {"ok", problem.empty()},
        {"problem", problem},
        {"code", choices.code},
        {"drawn", drawn},
        {"lang", choices.language},
        {"paper", SheetPapers[static_cast<std::size_t>(choices.paper)]},
        {"choices",
         {{"count", choices.count},
          {"range", choices.range},
          {"variants", choices.variants},
          {"unsolvable", choices.unsolvablePercent},
          {"zeros", choices.zeros},
          {"euclid", choices.euclid},
          {"pictures", choices.pictures},
          {"wordProblems", choices.wordPercent}}},
        {"labels", Labels(speaks)},
        {"lists", Lists(speaks)},
    };
    // The form's fields by the options' names, as the reader reads them back.
    nlohmann::json &options = out["options"] = nlohmann::json::object();
    for (const auto &[name, value] : WorksheetOptionPairs(choices))
        options[name] = value;
    // The pairs leave out a share of 0; the form shows it.
    options["word-problems"] = std::to_string(choices.wordPercent);
    nlohmann::json &lines = out["lines"] = nlohmann::json::array();
    if (problem.empty()) {
        // The page's pictures take their colours from its style sheet.
        const SheetDocument document = ChosenWorksheetDocument(choices, PictureStyle::Page);
        out["title"] = document.title;
        out["space"] = document.space;
        // A continued page's heading is the PDF's: the browser breaks its
        // own pages.
        for (const SheetLine &line : document.lines)
            if (line.role != SheetRole::Continued) {
                lines.push_back({{"role", RoleName(line.role)}, {"text", line.text}});
                if (!line.aside.empty())
                    lines.back()["aside"] = line.aside;
                if (!line.cells.empty())
                    lines.back()["cells"] = line.cells;
                if (!line.picture.empty())
                    lines.back()["picture"] = line.picture;
            }
    } else {
        out["title"] = speaks.worksheet.title.value;
    }
    answer = PageJson(out);
    return answer.c_str();
}
