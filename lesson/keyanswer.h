#pragma once

#include "generalsolution.h"
#include "worksheet.h"

#include <cstdint>
#include <optional>

// What the key says of one equation. The particular solution is the one the
// working finds (its x₀, y₀): the first pair its search accepts in the
// reduced equation. The general solution is x = x₀ − bt, y = y₀ + at with
// the reduced a and b, the way round Euclid's way writes it too.
struct KeyAnswer
{
    std::int64_t gcd; // of |A| and |B|; one of them may be 0
    bool solvable;
    std::int64_t a; // A / gcd, B / gcd and C / gcd when solvable
    std::int64_t b;
    std::int64_t c;
    std::int64_t xo; // only when solvable
    std::int64_t yo;
    // Euclid's way's own pair (x₁, y₁), reduced as it reduces it, where it
    // uses the algorithm: A and B not 0, and solvable.
    std::optional<GeneralSolution> euclid;
};

// Expects A and B not both 0 and magnitudes the working accepts.
KeyAnswer AnswerOf(const SheetEquation &equation);
