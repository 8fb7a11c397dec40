#include "messagefill.h"

std::string FillMessage(std::string_view message, std::initializer_list<MessageValue> values)
{
    std::string text;
    std::size_t at = 0;
    while (at < message.size()) {
        const std::size_t open = message.find('{', at);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = message.find('}', open);
        if (close == std::string_view::npos)
            break;
        text += message.substr(at, open - at);
        const std::string_view name = message.substr(open + 1, close - open - 1);
        const MessageValue *value = nullptr;
        for (const MessageValue &v : values)
            if (v.first == name)
                value = &v;
        if (value)
            text += value->second;
        else
            text += message.substr(open, close - open + 1);
        at = close + 1;
    }
    text += message.substr(at);
    return text;
}
