#pragma once

#include "placeholders.h"
#include "wideint.h"

#include <string>
#include <string_view>
#include <vector>

// One named value of a message: "{sum}" in the message becomes `value`.
using Slot = Placeholder;

// The message with every "{name}" of a slot replaced by its value; braces
// naming no slot stay as they are.
inline std::string FillMessage(std::string_view message, const std::vector<Slot> &slots)
{
    return FillPlaceholders(message, slots);
}

// An integer in digits, a minus sign before a negative one: "-3".
std::string WholeText(Wide n);

// An integer as a factor of a product: a negative one in parentheses, "(-3)".
std::string FactorText(Wide n);

// A x + B y with the numbers put in: "3 * 2 + 5 * (-1)".
std::string ProductText(Wide a, Wide x, Wide b, Wide y);
