#include "worksheetoptions.h"

#include "catalogues.h"
#include "languagechoice.h"
#include "placeholders.h"
#include "ranges.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::array<std::string_view, 8> FlagValues = {"1",    "0",     "yes", "no",
                                                        "true", "false", "on",  "off"};

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    for (char &c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lowered;
}

// Plain decimal digits within [lower, upper].
std::optional<long long> WholeNumber(std::string_view text, long long lower, long long upper)
{
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long long n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < lower || n > upper)
        return std::nullopt;
    return n;
}

std::optional<bool> FlagValue(std::string_view text)
{
    const std::string v = Lowered(text);
    if (v.empty())
        return true;
    const auto found = std::find(FlagValues.begin(), FlagValues.end(), v);
    if (found == FlagValues.end())
        return std::nullopt;
    return (found - FlagValues.begin()) % 2 == 0;
}

std::string Joined(auto &&items, std::string_view separator)
{
    std::string text;
    for (const auto &item : items) {
        if (!text.empty())
            text += separator;
        text += std::string_view(item);
    }
    return text;
}

std::vector<std::string_view> LanguageCodes()
{
    std::vector<std::string_view> codes;
    for (const Catalogue *catalogue : Catalogues)
        codes.push_back(catalogue->code);
    return codes;
}

const SheetOption *OptionNamed(std::string_view name)
{
    const auto found = std::find_if(SheetOptions.begin(), SheetOptions.end(),
                                    [&](const SheetOption &o) { return o.name == name; });
    return found == SheetOptions.end() ? nullptr : &*found;
}

int *NumberOf(WorksheetChoices &choices, std::string_view name)
{
    if (name == "count")
        return &choices.count;
    if (name == "variants")
        return &choices.variants;
    if (name == "range")
        return &choices.range;
    if (name == "space")
        return &choices.space;
    if (name == "points")
        return &choices.points;
    if (name == "word-problems")
        return &choices.wordPercent;
    return &choices.unsolvablePercent;
}

} // namespace

std::string AllowedValues(const SheetOption &option)
{
    const std::string span = std::to_string(option.lower) + "–" + std::to_string(option.upper);
    if (option.name == "space") {
        std::vector<std::string_view> names;
        for (const SheetSpace &space : SheetSpaces)
            names.push_back(space.name);
        return span + " (cm), " + Joined(names, ", ");
    }
    switch (option.kind) {
    case SheetOptionKind::Number:
    case SheetOptionKind::Code:
        return span;
    case SheetOptionKind::Percent:
        return span + " (%)";
    case SheetOptionKind::Range:
        return Joined(RangeEntries, ", ");
    case SheetOptionKind::Language:
        return Joined(LanguageCodes(), ", ");
    case SheetOptionKind::Flag:
        return Joined(FlagValues, ", ");
    case SheetOptionKind::Paper:
        break;
    }
    return Joined(SheetPapers, ", ");
}

std::string OptionSyntax(const SheetOption &option)
{
    switch (option.kind) {
    case SheetOptionKind::Range:
        return Joined(RangeEntries, "|");
    case SheetOptionKind::Language:
        return Joined(LanguageCodes(), "|");
    case SheetOptionKind::Paper:
        return Joined(SheetPapers, "|");
    case SheetOptionKind::Flag:
        return {};
    default:
        if (option.name == "space") {
            std::string syntax = std::to_string(option.lower) + "–" + std::to_string(option.upper);
            for (const SheetSpace &space : SheetSpaces) {
                syntax += '|';
                syntax += space.name;
            }
            return syntax;
        }
        return std::to_string(option.lower) + "–" + std::to_string(option.upper);
    }
}

std::optional<OptionProblem> ApplyWorksheetOption(WorksheetChoices &choices, std::string_view name,
                                                  std::string_view value)
{
    const SheetOption *option = OptionNamed(name);
    if (!option) {
        std::vector<std::string_view> names;
        for (const SheetOption &o : SheetOptions)
            names.push_back(o.name);
        return OptionProblem{std::string(name), std::string(value), Joined(names, ", "), true};
    }
    const auto refuse = [&] {
        return OptionProblem{std::string(name), std::string(value), AllowedValues(*option)};
    };
    switch (option->kind) {
    case SheetOptionKind::Number:
    case SheetOptionKind::Percent: {
        std::string_view digits = value;
        if (option->kind == SheetOptionKind::Percent && digits.ends_with('%'))
            digits.remove_suffix(1);
        if (name == "space") {
            const std::string named = Lowered(value);
            const auto space = std::find_if(SheetSpaces.begin(), SheetSpaces.end(),
                                            [&](const SheetSpace &s) { return s.name == named; });
            if (space != SheetSpaces.end()) {
                choices.space = space->centimetres;
                break;
            }
        }
        const auto n = WholeNumber(digits, option->lower, option->upper);
        if (!n)
            return refuse();
        *NumberOf(choices, name) = static_cast<int>(*n);
        break;
    }
    case SheetOptionKind::Range: {
        const auto entry = std::find(RangeEntries.begin(), RangeEntries.end(), value);
        const auto n = WholeNumber(value, option->lower, option->upper);
        if (entry == RangeEntries.end() || !n)
            return refuse();
        choices.range = static_cast<int>(*n);
        break;
    }
    case SheetOptionKind::Code: {
        const auto n = WholeNumber(value, option->lower, option->upper);
        if (!n)
            return refuse();
        choices.code = static_cast<std::uint32_t>(*n);
        break;
    }
    case SheetOptionKind::Language: {
        const std::string_view code = LanguageOfTag(value);
        if (code.empty())
            return refuse();
        choices.language = std::string(code);
        break;
    }
    case SheetOptionKind::Flag: {
        const auto flag = FlagValue(value);
        if (!flag)
            return refuse();
        (name == "zeros" ? choices.zeros : name == "pictures" ? choices.pictures : choices.euclid) =
            *flag;
        break;
    }
    case SheetOptionKind::Paper: {
        const auto paper = std::find(SheetPapers.begin(), SheetPapers.end(), Lowered(value));
        if (paper == SheetPapers.end())
            return refuse();
        choices.paper = static_cast<Paper>(paper - SheetPapers.begin());
        break;
    }
    }
    return std::nullopt;
}

std::variant<WorksheetChoices, OptionProblem> ReadWorksheetOptions(const OptionPairs &options)
{
    WorksheetChoices choices;
    for (const auto &[name, value] : options)
        if (auto problem = ApplyWorksheetOption(choices, name, value))
            return *problem;
    return choices;
}

OptionPairs WorksheetOptionPairs(const WorksheetChoices &choices)
{
    OptionPairs pairs = {
        {"count", std::to_string(choices.count)},
        {"range", std::to_string(choices.range)},
        {"variants", std::to_string(choices.variants)},
        {"lang", choices.language},
        {"unsolvable", std::to_string(choices.unsolvablePercent)},
        {"zeros", choices.zeros ? "1" : "0"},
        {"euclid", choices.euclid ? "1" : "0"},
        {"paper", std::string(SheetPapers[static_cast<std::size_t>(choices.paper)])},
        {"space", std::to_string(choices.space)},
        {"points", std::to_string(choices.points)},
    };
    // Left out at 0, so that the addresses of sheets without them stay as they were.
    if (choices.wordPercent != 0)
        pairs.emplace_back("word-problems", std::to_string(choices.wordPercent));
    if (choices.pictures)
        pairs.emplace_back("pictures", "1");
    if (choices.code != 0)
        pairs.emplace_back("code", std::to_string(choices.code));
    return pairs;
}

std::string OptionProblemText(const OptionProblem &problem, const Catalogue &language,
                              std::string_view prefix)
{
    const WorksheetTexts &say = language.worksheet;
    const std::string option = std::string(prefix) + problem.option;
    if (problem.unknown)
        return FillPlaceholders(say.unknownOption,
                                {{"option", option}, {"allowed", problem.allowed}});
    return FillPlaceholders(
        say.badValue, {{"option", option}, {"value", problem.value}, {"allowed", problem.allowed}});
}

std::string OptionCaption(std::string_view name, const Catalogue &language)
{
    const WorksheetDialogTexts &d = language.worksheet.dialog;
    const std::pair<std::string_view, const ControlText *> fields[] = {
        {"count", &d.count}, {"range", &d.range},   {"variants", &d.variants},
        {"code", &d.code},   {"lang", &d.language}, {"unsolvable", &d.unsolvable},
        {"zeros", &d.zeros}, {"euclid", &d.euclid}, {"paper", &d.paper},
        {"space", &d.space}, {"points", &d.points}, {"word-problems", &d.wordProblems},
        {"pictures", &d.pictures},
    };
    const auto found = std::find_if(std::begin(fields), std::end(fields),
                                    [&](const auto &field) { return field.first == name; });
    if (found == std::end(fields))
        return {};
    std::string caption;
    const std::string_view text = found->second->text.value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&')
            caption += text[i++];
        else if (text[i] != '&')
            caption += text[i];
    }
    while (!caption.empty() && (caption.back() == ':' || caption.back() == ' '))
        caption.pop_back();
    return caption;
}

std::string OptionProblemFormText(const OptionProblem &problem, const Catalogue &language)
{
    if (problem.unknown)
        return OptionProblemText(problem, language, "");
    OptionProblem named = problem;
    if (std::string caption = OptionCaption(problem.option, language); !caption.empty())
        named.option = std::move(caption);
    return OptionProblemText(named, language, "");
}

std::uint32_t WorksheetCode(std::uint32_t random)
{
    return random % LargestWorksheetCode + 1;
}
