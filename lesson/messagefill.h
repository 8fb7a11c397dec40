#pragma once

#include "placeholders.h"

// The worksheet's name for a message's values; one filling rule for every
// message of the program.
using MessageValue = Placeholder;

inline std::string FillMessage(std::string_view message, std::initializer_list<MessageValue> values)
{
    return FillPlaceholders(message, values);
}
