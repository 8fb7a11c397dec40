#pragma once

#include <string_view>

// The longest leading number of the text (blanks, sign, digits, point,
// fraction, exponent), or 0 where the text starts with none. Always finite.
double ReadNumber(std::string_view text);

// ReadNumber rounded down: "7.9" gives 7, "-7.2" gives -8, "12abc" gives 12.
double ReadCoefficient(std::string_view text);
