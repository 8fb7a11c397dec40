#include "readcoefficient.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t CountDigits(std::string_view text, std::size_t from)
{
    std::size_t n = 0;
    while (from + n < text.size() && IsDigit(text[from + n]))
        ++n;
    return n;
}

// Whether a number that does not fit a double is too large (rather than too
// small): the decimal position of its first significant digit decides.
bool Overflows(std::string_view mantissa, long long exponent)
{
    long long position = 0; // power of ten of the digit before the point
    const std::size_t point = mantissa.find('.');
    const std::size_t intDigits = point == std::string_view::npos ? mantissa.size() : point;
    for (std::size_t k = 0; k < mantissa.size(); ++k) {
        if (mantissa[k] == '.' || mantissa[k] == '0')
            continue;
        position = k < intDigits ? static_cast<long long>(intDigits - k - 1)
                                 : -static_cast<long long>(k - intDigits);
        break;
    }
    return position + exponent > 0;
}

} // namespace

double ReadNumber(std::string_view text)
{
    std::size_t p = 0;
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t'))
        ++p;

    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    const std::size_t start = p;
    const std::size_t intDigits = CountDigits(text, p);
    p += intDigits;
    if (p < text.size() && text[p] == '.') {
        const std::size_t fracDigits = CountDigits(text, p + 1);
        if (intDigits + fracDigits > 0)
            p += 1 + fracDigits;
    }
    if (p == start)
        return 0.0;
    const std::string_view mantissa = text.substr(start, p - start);

    long long exponent = 0;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        std::size_t q = p + 1;
        bool negativeExponent = false;
        if (q < text.size() && (text[q] == '+' || text[q] == '-')) {
            negativeExponent = text[q] == '-';
            ++q;
        }
        const std::size_t expDigits = CountDigits(text, q);
        if (expDigits > 0) {
            for (std::size_t k = 0; k < expDigits; ++k) {
                // Saturate: far beyond any double either way.
                if (exponent < 100000)
                    exponent = exponent * 10 + (text[q + k] - '0');
            }
            if (negativeExponent)
                exponent = -exponent;
            p = q + expDigits;
        }
    }

    const std::string_view number = text.substr(start, p - start);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range)
        value = Overflows(mantissa, exponent) ? std::numeric_limits<double>::max() : 0.0;
    else if (error != std::errc() || end != number.data() + number.size())
        value = 0.0;
    return negative ? -value : value;
}

double ReadCoefficient(std::string_view text)
{
    return std::floor(ReadNumber(text));
}
