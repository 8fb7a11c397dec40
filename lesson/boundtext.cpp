#include "boundtext.h"

#include "fieldtext.h"
#include "placeholders.h"
#include "practicetext.h"
#include "trimmed.h"

#include <algorithm>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

BoundReading ReadBound(std::string_view text, std::string_view decimalSeparator)
{
    using Kind = BoundReading::Kind;
    text = Trimmed(text);
    if (text.empty())
        return {Kind::Empty};

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    } else if (text.starts_with("\u2212")) { // the minus sign as formulas write it
        negative = true;
        text.remove_prefix(3);
    }
    std::size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits]))
        ++digits;
    std::string_view whole = text.substr(0, digits), rest = text.substr(digits);
    bool fraction = false;
    const auto separator = [&](std::string_view s) { return !s.empty() && rest.starts_with(s); };
    if (separator(decimalSeparator) || separator(".")) {
        rest.remove_prefix(separator(decimalSeparator) ? decimalSeparator.size() : 1);
        std::size_t k = 0;
        while (k < rest.size() && IsDigit(rest[k]))
            fraction = fraction || rest[k++] != '0';
        if (whole.empty() && k == 0)
            return {Kind::NotANumber};
        rest.remove_prefix(k);
    } else if (whole.empty()) {
        return {Kind::NotANumber};
    }
    if (!rest.empty())
        return {Kind::NotANumber};
    if (fraction)
        return {Kind::NotWhole};

    // Leading zeros aside, more than ten digits lie outside the range.
    while (whole.size() > 1 && whole.front() == '0')
        whole.remove_prefix(1);
    if (whole.size() > 10)
        return {Kind::OutOfRange};
    std::int64_t value = 0;
    for (char c : whole)
        value = value * 10 + (c - '0');
    if (negative)
        value = -value;
    if (value < BoundLowest || value > BoundHighest)
        return {Kind::OutOfRange};
    return {Kind::Whole, value};
}

std::string BoundFault(std::string_view option, std::string_view text, const BoundReading &reading,
                       const Catalogue &language)
{
    const BoundsTexts &say = language.bounds;
    const Phrase *message = nullptr;
    switch (reading.kind) {
    case BoundReading::Kind::Whole:
    case BoundReading::Kind::Empty:
        return {};
    case BoundReading::Kind::NotANumber:
        message = &say.notANumber;
        break;
    case BoundReading::Kind::NotWhole:
        message = &say.notWhole;
        break;
    case BoundReading::Kind::OutOfRange:
        message = &say.outOfRange;
        break;
    }
    return FillPlaceholders(*message, {{"option", std::string(option)},
                                       {"value", QuotedFieldText(text)},
                                       {"lower", WholeText(BoundLowest)},
                                       {"upper", WholeText(BoundHighest)}});
}

SolutionBounds BothBounds(const SolutionBounds &a, const SolutionBounds &b)
{
    using End = std::optional<std::int64_t>;
    const auto join = [](const End &x, const End &y, bool lower) -> End {
        if (!x || !y)
            return x ? x : y;
        return lower ? std::max(*x, *y) : std::min(*x, *y);
    };
    return {join(a.xMin, b.xMin, true), join(a.xMax, b.xMax, false), join(a.yMin, b.yMin, true),
            join(a.yMax, b.yMax, false)};
}
