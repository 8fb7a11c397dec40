#pragma once

// The solutions within bounds found the slow way, apart from the general
// solution: every x of a box tried, y solved for, and the solutions sorted.
// An open side is closed at a far radius and again at twice that radius; what
// changes between the two is what goes on without end.

#include "boundedsolutions.h"

#include <optional>
#include <vector>

struct ModelSolutions
{
    bool infinite = false;
    Wide count = 0; // where finite
    // As the computation lists them: all up to AllListedUpTo, otherwise the
    // ends; an end the solutions do not have stays empty.
    std::vector<SolutionPair> first;
    std::vector<SolutionPair> last;
    std::optional<Wide> smallestX;
    std::optional<Wide> largestX;
};

// Expects small coefficients and bounds well inside the radius.
ModelSolutions BruteForce(std::int64_t A, std::int64_t B, std::int64_t C,
                          const SolutionBounds &bounds, std::int64_t radius);
