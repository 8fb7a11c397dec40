#include "notation.h"

Notation SchoolNotation(std::string_view code)
{
    Notation notation;
    if (code == "bg" || code == "uk")
        notation.pairSeparator = "; ";
    return notation;
}
