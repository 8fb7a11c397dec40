#include "numbertext.h"

#include <charconv>
#include <type_traits>

namespace {

std::string DoubleText(double value, std::string_view decimalSeparator)
{
    if (value == 0.0)
        return "0"; // a negative zero too
    // Like printf's %.15G, but independent of the C locale that the toolkit sets.
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text;
    for (const char *c = buffer; c != result.ptr; ++c) {
        if (*c == '.')
            text += decimalSeparator;
        else if (*c == 'e')
            text += 'E';
        else
            text += *c;
    }
    return text;
}

} // namespace

std::string NumberText(const Value &value, std::string_view decimalSeparator)
{
    return std::visit(
        [&](const auto &v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return {};
            else if constexpr (std::is_same_v<T, double>)
                return DoubleText(v, decimalSeparator);
            else
                return std::to_string(v);
        },
        value);
}
