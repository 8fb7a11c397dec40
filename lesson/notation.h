#pragma once

#include <string>
#include <string_view>

// How one language's school writes formulas: the signs FormulaText puts
// between the parts of an expression. Plain data, so that a language's
// catalogue can give its own; the members' values are the common ground of
// the languages Velmora speaks.
struct Notation
{
    std::string times = "·"; // textbooks print 2 · 91; the board's dot, not "*" or "x"
    std::string minus = "−"; // U+2212, for subtraction and for a negative number alike
    std::string plus = "+";
    std::string divide = "/";
    // Between the numbers of a pair; where the decimal separator is a comma
    // the school writes (4; −10), so that a pair never reads as a decimal.
    std::string pairSeparator = ", ";
    std::string listSeparator = ", ";
    std::string integers = "ℤ";
    std::string element = "∈";
    std::string implies = "⇒";
    // Around + and − between terms, the relations and ∈; products and
    // quotients stay tight (2·91, 2/5).
    std::string space = " ";
    // Around ⇒, wider, so that each step of a reasoning stands apart.
    std::string wideSpace = "  ";
};

// The notation of the language whose catalogue code is `code` ("bg", "en",
// "uk"); any other language gets English's.
Notation SchoolNotation(std::string_view code);
