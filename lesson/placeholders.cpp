#include "placeholders.h"

std::string FillPlaceholders(std::string_view message, std::span<const Placeholder> values)
{
    std::vector<FilledSpan> filled;
    return FillPlaceholders(message, values, filled);
}

std::string FillPlaceholders(std::string_view message, std::span<const Placeholder> values,
                             std::vector<FilledSpan> &filled)
{
    std::string text;
    text.reserve(message.size() + 32);
    std::size_t p = 0;
    while (p < message.size()) {
        const std::size_t open = message.find('{', p);
        const std::size_t close =
            open == std::string_view::npos ? open : message.find('}', open + 1);
        if (close == std::string_view::npos) {
            text += message.substr(p);
            break;
        }
        text += message.substr(p, open - p);
        const std::string_view name = message.substr(open + 1, close - open - 1);
        const Placeholder *found = nullptr;
        for (const Placeholder &value : values)
            if (value.name == name)
                found = &value;
        if (found) {
            filled.push_back({text.size(), found->value.size(), found->name});
            text += found->value;
        } else
            text += message.substr(open, close - open + 1);
        p = close + 1;
    }
    return text;
}
