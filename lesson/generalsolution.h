#pragma once

#include "wideint.h"

#include <cstdint>
#include <optional>

// Every integer solution of Ax + By = C, as Euclid's way writes it:
//   x = x1 − (B/d)·t,  y = y1 + (A/d)·t,  t ∈ ℤ,
// with d = GCD(|A|, |B|), the same way round as the working's general
// solution, each solution at exactly one t. (x1, y1) is the pair Bézout's
// equality gives, reduced to |x1| ≤ |B|/d where it is larger.
struct GeneralSolution
{
    Wide d;
    Wide x1, y1;
    Wide bOverD, aOverD; // B/d and A/d with their signs
    // The pair as Bézout's equality gives it times C/d, before it is reduced:
    // what a pupil who works Euclid's way by hand finds first.
    Wide largeX1, largeY1;
};

// The t that brings x − step·t nearest to 0, the positive one of two as
// near; 0 where |x| ≤ |step| already. step is not 0.
Wide ReducingT(Wide x, Wide step);

// Only where A and B are not 0 and d divides C; any 64-bit values.
std::optional<GeneralSolution> FindGeneralSolution(std::int64_t A, std::int64_t B, std::int64_t C);
