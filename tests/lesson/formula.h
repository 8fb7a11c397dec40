#pragma once

// The integer formulas of an account's line, evaluated: shared by the tests
// and the fuzz target.

#include <optional>
#include <string_view>

__extension__ typedef __int128 FormulaInteger;

// An integer formula as the account writes them: numbers, negative ones
// in parentheses or leading, +, - and *. Nothing when there is anything else.
class Formula
{
public:
    explicit Formula(std::string_view text) : text_(text) {}

    std::optional<FormulaInteger> Value()
    {
        auto value = Sum();
        Skip();
        if (!value || at_ != text_.size())
            return std::nullopt;
        return value;
    }

private:
    void Skip()
    {
        while (at_ < text_.size() && text_[at_] == ' ')
            ++at_;
    }
    bool Take(char c)
    {
        Skip();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    std::optional<FormulaInteger> Sum()
    {
        auto value = Product();
        while (value) {
            if (Take('+')) {
                const auto next = Product();
                value = next ? std::optional(*value + *next) : std::nullopt;
            } else if (Take('-')) {
                const auto next = Product();
                value = next ? std::optional(*value - *next) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }
    std::optional<FormulaInteger> Product()
    {
        auto value = Factor();
        while (value && Take('*')) {
            const auto next = Factor();
            value = next ? std::optional(*value * *next) : std::nullopt;
        }
        return value;
    }
    std::optional<FormulaInteger> Factor()
    {
        if (Take('(')) {
            auto value = Sum();
            return value && Take(')') ? value : std::nullopt;
        }
        const bool negative = Take('-');
        Skip();
        const std::size_t start = at_;
        FormulaInteger n = 0;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
            n = n * 10 + (text_[at_++] - '0');
        if (at_ == start)
            return std::nullopt;
        return negative ? -n : n;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

// The sides of a line joined by " = " (after its last ": ", without a
// closing full stop) that are formulas, run by run: how many equalities
// held, or nothing when one failed.
inline std::optional<int> FormulaEqualities(std::string_view line)
{
    if (const auto colon = line.rfind(": "); colon != std::string_view::npos)
        line.remove_prefix(colon + 2);
    if (line.ends_with('.'))
        line.remove_suffix(1);
    std::optional<FormulaInteger> first;
    int held = 0;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(" = ", start);
        const auto value = Formula(line.substr(start, end - start)).Value();
        if (value && first) {
            if (*value != *first)
                return std::nullopt;
            ++held;
        } else {
            first = value;
        }
        if (end == std::string_view::npos)
            break;
        start = end + 3;
    }
    return held;
}
