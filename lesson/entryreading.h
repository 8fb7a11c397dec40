#pragma once

#include <cstdint>
#include <string_view>

// How a pupil's entry was read. The reader is the coefficients' own, so that
// "1.5" is 1 and "abc" is 0 here too; a whole number as Velmora prints it
// ("-12" or "−12" with U+2212, blanks around it allowed) is read exactly up
// to 19 digits, where the reader's double would round.
struct EntryReading
{
    enum class Kind {
        Whole,    // a plain whole number
        Empty,    // nothing but blanks: read as 0
        NotWhole, // anything else: read as the reader reads a coefficient
        TooLarge, // beyond a 64-bit integer: no value
    };
    Kind kind;
    std::int64_t value;
};

EntryReading ReadEntry(std::string_view text);
