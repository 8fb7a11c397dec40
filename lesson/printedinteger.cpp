#include "printedinteger.h"

#include <array>
#include <limits>

namespace {

constexpr std::string_view Minus = "\u2212";
constexpr std::array<std::string_view, 4> Blanks = {" ", "\t", "\u00A0", "\u202F"};

bool TakeBlank(std::string_view &text, bool fromEnd)
{
    for (const std::string_view blank : Blanks) {
        if (fromEnd ? text.ends_with(blank) : text.starts_with(blank)) {
            fromEnd ? text.remove_suffix(blank.size()) : text.remove_prefix(blank.size());
            return true;
        }
    }
    return false;
}

} // namespace

PrintedInteger ReadPrintedInteger(std::string_view text)
{
    using Kind = PrintedInteger::Kind;
    while (TakeBlank(text, false)) {
    }
    while (TakeBlank(text, true)) {
    }

    bool negative = false;
    if (text.starts_with(Minus)) {
        negative = true;
        text.remove_prefix(Minus.size());
    } else if (text.starts_with('-') || text.starts_with('+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return {Kind::NotInteger, 0};

    // Gathered as a negative number, which reaches one further than a
    // positive one: −9223372036854775808 is an integer of 64 bits.
    constexpr std::int64_t Lowest = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    bool tooLarge = false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return {Kind::NotInteger, 0};
        const int digit = c - '0';
        if (value < (Lowest + digit) / 10)
            tooLarge = true;
        else
            value = value * 10 - digit;
    }
    if (tooLarge || (!negative && value == Lowest))
        return {Kind::TooLarge, 0};
    return {Kind::Integer, negative ? value : -value};
}
