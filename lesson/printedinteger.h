#pragma once

#include <cstdint>
#include <string_view>

// An integer as Velmora prints it and a pupil copies it back into an entry:
// "−5" with U+2212 as well as "-5" and "+5", blanks (spaces, tabs, no-break
// spaces) around it allowed, nothing inside it.
struct PrintedInteger
{
    enum class Kind {
        Integer,    // value holds it
        TooLarge,   // an integer beyond 64 bits: no value
        NotInteger, // anything else, an empty text too
    };
    Kind kind;
    std::int64_t value;
};

PrintedInteger ReadPrintedInteger(std::string_view text);
