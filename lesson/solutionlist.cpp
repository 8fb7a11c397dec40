#include "solutionlist.h"

#include "boundedsolutions.h"
#include "boundsaccount.h"
#include "coefficients.h"
#include "formulatext.h"
#include "placeholders.h"
#include "practicehints.h"
#include "transcript.h"
#include "trimmed.h"

#include <optional>
#include <set>
#include <utility>

namespace {

constexpr std::string_view Minus = "\u2212";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Blanks between the pairs, a list typed over lines included.
constexpr std::string_view ListBlanks = " \t\r\n";

// A whole number, with a sign if any; none for anything else.
std::optional<Wide> WholeNumber(std::string_view text)
{
    text = Trimmed(text, ListBlanks);
    bool negative = false;
    if (text.starts_with('-') || text.starts_with('+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    } else if (text.starts_with(Minus)) {
        negative = true;
        text.remove_prefix(Minus.size());
    }
    text = Trimmed(text, ListBlanks);
    if (text.empty() || text.size() > 18)
        return std::nullopt;
    Wide value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

ListedSolution PairOf(std::string_view inside, std::string_view typed)
{
    // A semicolon where there is one, so that a decimal comma stays inside
    // its number and is refused there.
    std::size_t at = inside.find(';');
    if (at == std::string_view::npos)
        at = inside.find(',');
    if (at != std::string_view::npos) {
        const std::optional<Wide> x = WholeNumber(inside.substr(0, at));
        const std::optional<Wide> y = WholeNumber(inside.substr(at + 1));
        if (x && y)
            return {true, *x, *y, {}};
    }
    return {false, 0, 0, std::string(typed)};
}

bool IsSeparator(char c)
{
    return IsBlank(c) || c == ',' || c == ';';
}

} // namespace

std::vector<ListedSolution> ReadSolutionList(std::string_view text)
{
    std::vector<ListedSolution> items;
    std::size_t k = 0;
    while (k < text.size()) {
        if (IsSeparator(text[k])) {
            ++k;
            continue;
        }
        if (text[k] == '(') {
            const std::size_t close = text.find(')', k + 1);
            const std::size_t open = text.find('(', k + 1);
            if (close != std::string_view::npos &&
                (open == std::string_view::npos || close < open)) {
                items.push_back(
                    PairOf(text.substr(k + 1, close - k - 1), text.substr(k, close + 1 - k)));
                k = close + 1;
                continue;
            }
        }
        // Up to the next bracket: none of it is a pair.
        std::size_t end = text.find('(', k + 1);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view junk = text.substr(k, end - k);
        while (!junk.empty() && IsSeparator(junk.back()))
            junk.remove_suffix(1);
        items.push_back({false, 0, 0, std::string(junk)});
        k = end;
    }
    return items;
}

AnswerCheck CheckSolutionList(std::int64_t A, std::int64_t B, std::int64_t C,
                              const SolutionBounds &bounds, std::string_view list,
                              const Catalogue &language)
{
    const auto &say = language.practice.list;
    const Notation notation = SchoolNotation(language.code.value);
    const auto formula = [&](const Expression &e) { return FormulaText(e, notation); };
    const auto pair = [&](Wide x, Wide y) { return formula(Pair(Int(x), Int(y))); };
    AnswerCheck check{Verdict::Right, {}};
    const auto line = [&](Finding finding, bool mistake, std::string_view message,
                          const std::vector<Placeholder> &slots) {
        check.lines.push_back({finding, mistake, FillPlaceholders(message, slots)});
        if (mistake)
            check.verdict = Verdict::Wrong;
    };

    const BoundedSolutions solutions = SolveWithinBounds(A, B, C, bounds);
    if (!solutions.none && !solutions.count) {
        line(Finding::ListEndless, false, say.endless, {});
        check.verdict = Verdict::Refused;
        return check;
    }
    const Wide count = solutions.none ? 0 : *solutions.count;

    struct End
    {
        char letter;
        const std::optional<std::int64_t> *end;
        Expression::Relation relation;
    };
    const End ends[] = {{'x', &bounds.xMin, Expression::Relation::AtLeast},
                        {'x', &bounds.xMax, Expression::Relation::AtMost},
                        {'y', &bounds.yMin, Expression::Relation::AtLeast},
                        {'y', &bounds.yMax, Expression::Relation::AtMost}};
    std::set<std::pair<Wide, Wide>> found;
    for (const ListedSolution &item : ReadSolutionList(list)) {
        if (!item.read) {
            line(Finding::ListUnreadable, true, say.unreadable,
                 {{"text", item.text}, {"example", formula(Pair(Name("x"), Name("y")))}});
            continue;
        }
        const Wide x = item.x, y = item.y;
        if (Wide(A) * x + Wide(B) * y != C) {
            line(Finding::ListNotASolution, true, say.notASolution,
                 {{"pair", pair(x, y)},
                  {"check",
                   formula(Equalities({Sum({Times(A, x), Times(B, y)}),
                                       Sum({Int(A * x), Int(B * y)}), Int(A * x + B * y)}))},
                  {"c", formula(Int(C))}});
            continue;
        }
        const End *broken = nullptr;
        for (const End &end : ends) {
            const Wide value = end.letter == 'x' ? x : y;
            if (*end.end && (end.relation == Expression::Relation::AtLeast ? value < **end.end
                                                                           : value > **end.end)) {
                broken = &end;
                break;
            }
        }
        if (broken) {
            line(Finding::ListOutOfBounds, true, say.outOfBounds,
                 {{"pair", pair(x, y)},
                  {"bound", formula(Compare(Name(std::string_view(&broken->letter, 1)),
                                            broken->relation, Int(**broken->end)))}});
            continue;
        }
        if (!found.insert({x, y}).second)
            line(Finding::ListRepeated, true, say.repeated, {{"pair", pair(x, y)}});
    }

    const auto number = [&](Wide n) { return formula(Int(n)); };
    const Wide right = static_cast<Wide>(found.size());
    const Wide missing = count - right;
    if (right > 0 && (missing > 0 || check.verdict == Verdict::Wrong))
        line(Finding::ListRight, false, say.right.For(static_cast<std::uint64_t>(right)),
             {{"count", number(right)}});
    if (missing > 0)
        line(Finding::ListMissing, true, say.missing.For(static_cast<std::uint64_t>(missing)),
             {{"count", number(missing)}});
    else if (count == 0 && check.verdict == Verdict::Right)
        line(Finding::ListNoneRight, false, say.noneRight, {});
    else if (count > 0)
        line(Finding::ListComplete, false, say.complete.For(static_cast<std::uint64_t>(count)),
             {{"count", number(count)}});
    return check;
}

AnswerCheck CheckSolutionListOf(std::string_view a, std::string_view b, std::string_view c,
                                const SolutionBounds &bounds, std::string_view list,
                                const Catalogue &language)
{
    const auto whole = WholeCoefficients({a, b, c});
    if (!whole)
        return CheckAnswer(a, b, c, PupilAnswer(), ".", language);
    return CheckSolutionList((*whole)[0], (*whole)[1], (*whole)[2], bounds, list, language);
}

std::vector<std::string> SolutionListHints(std::string_view a, std::string_view b,
                                           std::string_view c, const SolutionBounds &bounds,
                                           const Catalogue &language)
{
    const auto whole = WholeCoefficients({a, b, c});
    if (!whole || !bounds.any())
        return {};
    const auto [A, B, C] = *whole;
    const BoundedSolutions solutions = SolveWithinBounds(A, B, C, bounds);
    if (!solutions.none && !solutions.count)
        return {}; // no list holds them, and the check says so
    if (solutions.equation == BoundedSolutions::Equation::Unsolvable)
        return PracticeHints(a, b, c, language);
    std::vector<std::string> hints = BoundsAccountSteps(A, B, C, bounds, language);
    for (std::string &hint : hints) {
        std::string lines;
        std::size_t from = 0;
        for (std::size_t at = hint.find(LineEnd); at != std::string::npos;
             from = at + LineEnd.size(), at = hint.find(LineEnd, from))
            lines.append(hint, from, at - from).push_back('\n');
        hint = lines.append(hint, from);
    }
    return hints;
}
