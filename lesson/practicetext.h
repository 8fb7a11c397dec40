#pragma once

#include "placeholders.h"
#include "wideint.h"

#include <string>

// An integer in digits, a minus sign before a negative one: "-3".
std::string WholeText(Wide n);

// An integer as a factor of a product: a negative one in parentheses, "(-3)".
std::string FactorText(Wide n);

// A x + B y with the numbers put in: "3 * 2 + 5 * (-1)".
std::string ProductText(Wide a, Wide x, Wide b, Wide y);
