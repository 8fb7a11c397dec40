#pragma once

#include "wideint.h"

#include <vector>

// One division of Euclid's algorithm: dividend = quotient·divisor + remainder.
struct Division
{
    Wide dividend, quotient, divisor, remainder;
};

// Euclid's algorithm from the larger of two positive numbers, one division
// after another down to the one that leaves no remainder.
std::vector<Division> EuclidDivisions(Wide larger, Wide smaller);

// One row of the extended algorithm's table, r = s·a + t·b for the two
// numbers a and b it began with; q is the quotient that made the row, 0 on
// the first two rows, which are a and b themselves.
struct EuclidRow
{
    Wide q, r, s, t;
};

// The table for the positive a and b: the row of the larger first, then one
// row a division down to the GCD, the last row's r.
std::vector<EuclidRow> EuclidTableRows(Wide a, Wide b);
