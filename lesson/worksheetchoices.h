#pragma once

#include <cstdint>
#include <string>

enum class Paper { A4, Letter };

// Everything that decides a worksheet. Together with the code it fixes every
// equation; the language, Euclid's way and the paper change only the print.
struct WorksheetChoices
{
    int count = 10;              // equations per variant, 1..40
    int range = 100;             // one of RangeEntries: coefficients' magnitudes up to it
    int variants = 1;            // 1..40
    std::string language = "bg"; // a catalogue's code
    int unsolvablePercent = 0;   // 0..100: the share of equations without integer solutions
    bool zeros = false;          // may A, B or C be 0
    bool euclid = false;         // Euclid's way in small print in the key
    Paper paper = Paper::A4;
    std::uint32_t code = 0; // 1..999999; 0 until one is typed or drawn

    bool operator==(const WorksheetChoices &) const = default;
};

inline constexpr std::uint32_t LargestWorksheetCode = 999999;
