#pragma once

#include "catalogue.h"
#include "solutionbounds.h"

#include <cstdint>
#include <string>
#include <string_view>

// One end of a bound as a user types it, on the command line or in a box:
// a whole number, an optional sign and digits with blanks around them, and
// within the range of C, as the working's numbers are. "4.0" is whole; "4.5",
// "4e1" and "four" are not taken.
struct BoundReading
{
    enum class Kind {
        Whole,
        Empty,      // nothing but blanks: no bound
        NotANumber, // no number at all, or more than one
        NotWhole,   // a number with a fraction
        OutOfRange,
    } kind;
    std::int64_t value = 0; // Whole only
};

inline constexpr std::int64_t BoundLowest = -2147483648;
inline constexpr std::int64_t BoundHighest = 2147483647;

// The decimal separator is the user's (a comma in Bulgarian and Ukrainian);
// a point is read as well.
BoundReading ReadBound(std::string_view text, std::string_view decimalSeparator = ".");

// The one line that says why `text`, given for `option` (as "--x-min" or a
// box's caption), is no bound: empty for a whole number or an empty text.
std::string BoundFault(std::string_view option, std::string_view text, const BoundReading &reading,
                       const Catalogue &language);

// Both sets of bounds at once: the greater of the lower ends and the smaller
// of the upper ones, so that "natural" and x ≥ 5 give x ≥ 5, y ≥ 1.
SolutionBounds BothBounds(const SolutionBounds &a, const SolutionBounds &b);
