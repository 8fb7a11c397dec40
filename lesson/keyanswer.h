#pragma once

#include "worksheet.h"

#include <cstdint>

// What the key says of one equation. The particular solution is the one the
// transcript finds (its Xo, Yo): the first pair its search accepts in the
// reduced equation. The general solution is X = xo - b t, Y = yo + a t with
// the reduced a and b.
struct KeyAnswer
{
    std::int64_t gcd; // of |A| and |B|; one of them may be 0
    bool solvable;
    std::int64_t a; // A / gcd, B / gcd and C / gcd when solvable
    std::int64_t b;
    std::int64_t c;
    std::int64_t xo; // only when solvable
    std::int64_t yo;
};

// Expects A and B not both 0 and magnitudes the transcript accepts.
KeyAnswer AnswerOf(const SheetEquation &equation);
