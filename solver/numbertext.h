#pragma once

#include "value.h"

#include <string>
#include <string_view>

// The text of a number in a transcript line: integers as plain digits, doubles
// with at most 15 significant digits, exponent form (E+15, E-05) for very large
// or small magnitudes, and the user's decimal separator. Empty prints nothing.
std::string NumberText(const Value &value, std::string_view decimalSeparator);
