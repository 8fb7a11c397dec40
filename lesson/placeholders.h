#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One named value for a message: "{gcd}" in the message becomes `value`.
struct Placeholder
{
    std::string_view name;
    std::string value;
};

// The message with each "{name}" replaced by its value, in one pass, so a
// value that itself holds braces (a field's text) is never read again. A
// placeholder without a value stays as it is written.
std::string FillPlaceholders(std::string_view message, std::span<const Placeholder> values);

// Where a value stands in a filled message: its first byte and its size.
struct FilledSpan
{
    std::size_t begin, size;
    std::string_view name; // the placeholder's
};

// The same, noting in `filled` where each value went, in the text's order.
std::string FillPlaceholders(std::string_view message, std::span<const Placeholder> values,
                             std::vector<FilledSpan> &filled);

inline std::string FillPlaceholders(std::string_view message,
                                    std::initializer_list<Placeholder> values)
{
    return FillPlaceholders(message, std::span<const Placeholder>(values.begin(), values.size()));
}
