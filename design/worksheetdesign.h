#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The teacher's worksheet as designed: each option by the name the command
// line (--count 12) and a page's address (count=12) give it, what it allows
// and what it is when not given; and the sheet's margins on paper. The
// option reader, the command line's help, the window's dialog and the
// page's form all take them from here.

enum class SheetOptionKind {
    Number,   // a whole number from lower to upper
    Range,    // one of RangeEntries
    Code,     // a whole number from lower to upper; drawn when not given
    Language, // a language tag
    Percent,  // a whole number of per cent from lower to upper
    Flag,     // on by its name alone
    Paper,    // one of SheetPapers
};

struct SheetOption
{
    std::string_view name;
    SheetOptionKind kind;
    int lower = 0;
    int upper = 0;
    int byDefault = 0; // a number's, a range's and a percentage's
};

// In the order the help, the dialog and the form list them.
inline constexpr std::array<SheetOption, 13> SheetOptions = {{
    {"count", SheetOptionKind::Number, 1, 40, 10},
    {"range", SheetOptionKind::Range, 10, 2000, 100},
    {"variants", SheetOptionKind::Number, 1, 40, 1},
    {"code", SheetOptionKind::Code, 1, 999999, 0},
    {"lang", SheetOptionKind::Language},
    {"unsolvable", SheetOptionKind::Percent, 0, 100, 0},
    {"zeros", SheetOptionKind::Flag},
    {"euclid", SheetOptionKind::Flag},
    {"pictures", SheetOptionKind::Flag}, // each solvable equation's picture in the key
    {"paper", SheetOptionKind::Paper},
    // Room to work under each equation, in centimetres, or one of
    // SheetSpaces; the default holds Euclid's algorithm and a
    // back-substitution of a range-100 equation.
    {"space", SheetOptionKind::Number, 2, 20, 6},
    {"points", SheetOptionKind::Number, 0, 100, 0}, // per item; 0 shows none
    // The share of the items set as word problems instead of equations.
    {"word-problems", SheetOptionKind::Percent, 0, 100, 0},
}};

constexpr const SheetOption &SheetOptionNamed(std::string_view name)
{
    for (const SheetOption &option : SheetOptions)
        if (option.name == name)
            return option;
    return SheetOptions[0]; // only a name from the list above is asked for
}

// The working space's names and their centimetres, for --space small.
struct SheetSpace
{
    std::string_view name;
    int centimetres;
};
inline constexpr std::array<SheetSpace, 3> SheetSpaces = {{
    {"small", 4},
    {"medium", 6},
    {"large", 9},
}};

// The papers by their names, the first the default.
inline constexpr std::array<std::string_view, 2> SheetPapers = {"a4", "letter"};

inline constexpr std::uint32_t LargestWorksheetCode =
    static_cast<std::uint32_t>(SheetOptionNamed("code").upper);

// Every medium's margins, in millimetres.
struct SheetMargins
{
    double side;
    double top; // and bottom
};
inline constexpr SheetMargins WorksheetMargins{20, 18};
