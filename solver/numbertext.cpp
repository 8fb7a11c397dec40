#include "numbertext.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <type_traits>

namespace {

std::string DoubleText(double value, std::string_view decimalSeparator)
{
    if (value == 0.0)
        return "0"; // a negative zero too
    // As to_chars(general, 15) writes them, which C's printf cannot be asked
    // for: its %G says INF and NAN.
    if (!std::isfinite(value))
        return std::string(std::signbit(value) ? "-" : "") + (std::isnan(value) ? "nan" : "inf");
    // printf's %.15G, the same as to_chars(general, 15) by the standard's own
    // words, but without the tables of Ryu that to_chars brings into the
    // WebAssembly module, some hundred kilobytes. The C locale's decimal
    // point, which the toolkit may have set, gives way to the user's.
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.15G", value);
    const std::string_view written(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    const std::string_view point = std::localeconv()->decimal_point;
    std::string text;
    for (std::size_t at = 0; at < written.size();) {
        if (!point.empty() && written.substr(at, point.size()) == point) {
            text += decimalSeparator;
            at += point.size();
        } else {
            text += written[at++];
        }
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
