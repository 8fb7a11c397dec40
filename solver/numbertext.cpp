#include "numbertext.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// A non-negative integer of any size, in base-2^32 limbs, lowest first: just
// enough arithmetic to write a double's exact value in decimal.
class Natural
{
public:
    explicit Natural(std::uint64_t n)
        : limbs_{static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(n >> 32)}
    {}

    void ShiftLeft(int bits)
    {
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0);
        if (const int rest = bits % 32; rest != 0) {
            std::uint32_t carry = 0;
            for (std::uint32_t &limb : limbs_) {
                const std::uint32_t next = limb >> (32 - rest);
                limb = (limb << rest) | carry;
                carry = next;
            }
            if (carry != 0)
                limbs_.push_back(carry);
        }
    }

    void Multiply(std::uint32_t factor)
    {
        std::uint64_t carry = 0;
        for (std::uint32_t &limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0)
            limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    // The decimal digits, most significant first.
    std::string Digits() &&
    {
        std::string reversed;
        while (!limbs_.empty()) {
            std::uint64_t rest = 0;
            for (std::size_t k = limbs_.size(); k-- > 0;) {
                const std::uint64_t part = (rest << 32) | limbs_[k];
                limbs_[k] = static_cast<std::uint32_t>(part / 1000000000);
                rest = part % 1000000000;
            }
            while (!limbs_.empty() && limbs_.back() == 0)
                limbs_.pop_back();
            for (int k = 0; k < 9 && (rest != 0 || !limbs_.empty()); ++k, rest /= 10)
                reversed += static_cast<char>('0' + rest % 10);
        }
        return {reversed.rbegin(), reversed.rend()};
    }

private:
    std::vector<std::uint32_t> limbs_;
};

// The exact value of a finite positive double as its decimal digits d1 d2 ...
// (d1 not 0) and the power of ten of d1.
struct Decimal
{
    std::string digits;
    int exponent;
};

Decimal ExactDecimal(double value)
{
    int binary = 0;
    const double fraction = std::frexp(value, &binary);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    binary -= 53; // value = mantissa * 2^binary, exactly
    while ((mantissa & 1) == 0 && binary < 0) {
        mantissa >>= 1;
        ++binary;
    }
    Natural n(mantissa);
    int decimals = 0; // value = n / 10^decimals
    if (binary >= 0) {
        n.ShiftLeft(binary);
    } else {
        // m / 2^k = m * 5^k / 10^k, five at a time.
        for (int k = 0; k < -binary; ++k)
            n.Multiply(5);
        decimals = -binary;
    }
    std::string digits = std::move(n).Digits();
    const int exponent = static_cast<int>(digits.size()) - 1 - decimals;
    return {std::move(digits), exponent};
}

// The value to `precision` significant digits, to the nearest and a tie to
// the even one, as printf's %.15G rounds it.
Decimal Rounded(Decimal exact, std::size_t precision)
{
    std::string &d = exact.digits;
    if (d.size() <= precision)
        return exact;
    const char next = d[precision];
    const bool beyond = d.find_first_not_of('0', precision + 1) != std::string::npos;
    const bool up = next > '5' || (next == '5' && (beyond || (d[precision - 1] - '0') % 2 == 1));
    d.resize(precision);
    if (up) {
        std::size_t k = precision;
        while (k > 0 && d[k - 1] == '9')
            d[--k] = '0';
        if (k == 0) {
            d.insert(d.begin(), '1');
            d.pop_back();
            ++exact.exponent;
        } else {
            ++d[k - 1];
        }
    }
    return exact;
}

std::string DoubleText(double value, std::string_view decimalSeparator)
{
    if (value == 0.0)
        return "0"; // a negative zero too
    // As printf's %.15G: 15 significant digits, trailing zeros dropped, in
    // exponent form where the exponent is below -4 or from 15 up. Written
    // here rather than by std::to_chars, whose tables would triple the size
    // of the page's module.
    constexpr int Precision = 15;
    const Decimal number = Rounded(ExactDecimal(std::fabs(value)), Precision);
    std::string digits = number.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    const int exponent = number.exponent;

    std::string text = value < 0 ? "-" : "";
    const auto fraction = [&](std::string_view rest) {
        if (!rest.empty()) {
            text += decimalSeparator;
            text += rest;
        }
    };
    if (exponent < -4 || exponent >= Precision) {
        text += digits[0];
        fraction(std::string_view(digits).substr(1));
        text += exponent < 0 ? "E-" : "E+";
        const std::string power = std::to_string(std::abs(exponent));
        text += (power.size() < 2 ? "0" : "") + power;
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() < whole)
            digits.append(whole - digits.size(), '0');
        text += std::string_view(digits).substr(0, whole);
        fraction(std::string_view(digits).substr(whole));
    } else {
        text += '0';
        fraction(std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits);
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
