#include "worksheetoptions.h"

#include "catalogues.h"
#include "messagefill.h"
#include "ranges.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::string_view OptionNames =
    "count, range, variants, code, lang, unsolvable, zeros, euclid, paper";

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
    if (v.empty() || v == "1" || v == "yes" || v == "true" || v == "on")
        return true;
    if (v == "0" || v == "no" || v == "false" || v == "off")
        return false;
    return std::nullopt;
}

std::string Joined(auto &&items)
{
    std::string text;
    for (const auto &item : items) {
        if (!text.empty())
            text += ", ";
        text += std::string_view(item);
    }
    return text;
}

} // namespace

bool IsWorksheetFlag(std::string_view name)
{
    return name == "zeros" || name == "euclid";
}

std::optional<OptionProblem> ApplyWorksheetOption(WorksheetChoices &choices, std::string_view name,
                                                  std::string_view value)
{
    const auto refuse = [&](std::string allowed) {
        return OptionProblem{std::string(name), std::string(value), std::move(allowed)};
    };
    const auto number = [&](int &target, long long lower, long long upper) {
        const auto n = WholeNumber(value, lower, upper);
        if (n)
            target = static_cast<int>(*n);
        return n.has_value();
    };

    if (name == "count") {
        if (!number(choices.count, 1, 40))
            return refuse("1–40");
    } else if (name == "variants") {
        if (!number(choices.variants, 1, 40))
            return refuse("1–40");
    } else if (name == "range") {
        const auto entry = std::find(RangeEntries.begin(), RangeEntries.end(), value);
        if (entry == RangeEntries.end() || !number(choices.range, 10, 2000))
            return refuse(Joined(RangeEntries));
    } else if (name == "code") {
        const auto n = WholeNumber(value, 1, LargestWorksheetCode);
        if (!n)
            return refuse("1–" + std::to_string(LargestWorksheetCode));
        choices.code = static_cast<std::uint32_t>(*n);
    } else if (name == "lang") {
        const std::string code = Lowered(value);
        const auto found = std::find_if(Catalogues.begin(), Catalogues.end(),
                                        [&](const Catalogue *c) { return c->code.value == code; });
        if (found == Catalogues.end()) {
            std::vector<std::string_view> codes;
            for (const Catalogue *c : Catalogues)
                codes.push_back(c->code);
            return refuse(Joined(codes));
        }
        choices.language = code;
    } else if (name == "unsolvable") {
        std::string_view digits = value;
        if (digits.ends_with('%'))
            digits.remove_suffix(1);
        const auto percent = WholeNumber(digits, 0, 100);
        if (!percent)
            return refuse("0–100 (%)");
        choices.unsolvablePercent = static_cast<int>(*percent);
    } else if (name == "zeros" || name == "euclid") {
        const auto flag = FlagValue(value);
        if (!flag)
            return refuse("1, 0, yes, no, true, false, on, off");
        (name == "zeros" ? choices.zeros : choices.euclid) = *flag;
    } else if (name == "paper") {
        const std::string paper = Lowered(value);
        if (paper == "a4")
            choices.paper = Paper::A4;
        else if (paper == "letter")
            choices.paper = Paper::Letter;
        else
            return refuse("a4, letter");
    } else {
        OptionProblem problem = refuse(std::string(OptionNames));
        problem.unknown = true;
        return problem;
    }
    return std::nullopt;
}

std::variant<WorksheetChoices, OptionProblem>
ReadWorksheetOptions(const std::vector<std::pair<std::string, std::string>> &options)
{
    WorksheetChoices choices;
    for (const auto &[name, value] : options)
        if (auto problem = ApplyWorksheetOption(choices, name, value))
            return *problem;
    return choices;
}

std::string OptionProblemText(const OptionProblem &problem, const Catalogue &language,
                              std::string_view prefix)
{
    const WorksheetTexts &say = language.worksheet;
    const std::string option = std::string(prefix) + problem.option;
    if (problem.unknown)
        return FillMessage(say.unknownOption, {{"option", option}, {"allowed", problem.allowed}});
    return FillMessage(
        say.badValue, {{"option", option}, {"value", problem.value}, {"allowed", problem.allowed}});
}
