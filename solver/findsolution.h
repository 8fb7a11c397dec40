#pragma once

#include "calculation.h"
#include "search.h"

#include <cstdint>
#include <optional>

// Searches a particular solution, writes the general solution in t and checks
// it for one random t. Expects A, B, C non-zero, coprime A and B, NOD = 1.
void FindSolution(Calculation &calc);

// The search for a particular solution as FindSolution runs it on the reduced
// equation: over [0, max(A, B, C)] first and, where that holds no pair, over
// [0, max(|A|, |B|, |C|)]. Whoever explains the transcript's Xo and Yo asks
// here, so that both always agree.
struct ParticularSearch
{
    std::int64_t limit;
    std::optional<std::int64_t> widenedLimit; // set when the first interval held no pair
    std::optional<SearchHit> hit;
};
ParticularSearch SearchParticularSolution(std::int64_t a, std::int64_t b, std::int64_t c);
