#pragma once

#include <string>

// Wide enough for every product of the account: a Bézout coefficient times
// C / GCD times A reaches about 2^77.
__extension__ typedef __int128 Integer;

// The integer in plain digits, with a minus sign when negative.
std::string IntegerText(Integer n);

// The integer as an operand of a formula, in the transcript's notation:
// negative numbers stand in parentheses, "(-5)".
std::string TermText(Integer n);
