#pragma once

#include "solutionbounds.h"
#include "wideint.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The solutions of Ax + By = C that a task's bounds allow, found exactly from
// the general solution: each bound becomes an inequality on t, solved and
// rounded to whole t, and the inequalities joined into the range of t.

struct SolutionPair
{
    Wide x;
    Wide y;
    friend bool operator==(const SolutionPair &, const SolutionPair &) = default;
};

// x = x0 + p·t, y = y0 + q·t for every whole t. With A and B both non-zero
// this is the working's own, x = x₀ − (B/d)t, y = y₀ + (A/d)t with the pair
// its search finds (0, 0 where C = 0); with A = 0 it is x = t, y = C/B, and
// with B = 0, x = C/A, y = t.
struct SolutionFamily
{
    Wide x0;
    Wide p;
    Wide y0;
    Wide q;
};

// One end of a bound, as an inequality on t.
struct BoundOnT
{
    char letter;  // 'x' or 'y'
    bool atLeast; // letter ≥ end; otherwise letter ≤ end
    Wide end;
    Wide start; // letter = start + step·t
    Wide step;
    enum class Outcome {
        LowerEnd, // t ≥ whole
        UpperEnd, // t ≤ whole
        Always,   // step 0 and start within the bound
        Never,    // step 0 and start outside it
    } outcome;
    // (end − start) / step in lowest terms, the denominator positive; only
    // where step is not 0.
    Wide numerator = 0;
    Wide denominator = 1;
    // The quotient rounded to the whole t the inequality allows: up for a
    // lower end of t, down for an upper one.
    Wide whole = 0;

    bool exact() const { return denominator == 1; }
};

struct BoundedSolutions
{
    enum class Equation {
        Family,    // one family of solutions in t
        EveryPair, // 0x + 0y = 0
        Unsolvable // no integer solution at all
    } equation = Equation::Unsolvable;

    SolutionFamily family{}; // Family only
    // Family only: one per end set, in the order x ≥, x ≤, y ≥, y ≤.
    std::vector<BoundOnT> steps;
    // The range of t all the steps leave, an end not set being open; Family
    // only, and only where no step is Never.
    std::optional<Wide> tMin;
    std::optional<Wide> tMax;

    bool none = false;         // no solution within the bounds
    std::optional<Wide> count; // where not none: unset for infinitely many

    // Ordered by x, then by y. All of them when there are at most
    // AllListedUpTo; otherwise the first ListedAtEachEnd in `first` and the
    // last as many in `last`; where the solutions go on without end in one
    // direction, the ones at the other end alone; where they go on both
    // ways, none.
    std::vector<SolutionPair> first;
    std::vector<SolutionPair> last;

    // The least and the greatest x among the solutions, where there is one.
    std::optional<Wide> smallestX;
    std::optional<Wide> largestX;
};

inline constexpr std::size_t AllListedUpTo = 20;
inline constexpr std::size_t ListedAtEachEnd = 5;

// Expects A, B and C within the ranges the working accepts and every bound
// of magnitude at most 2^62 (the front ends take ±2^31); exact throughout.
BoundedSolutions SolveWithinBounds(std::int64_t A, std::int64_t B, std::int64_t C,
                                   const SolutionBounds &bounds);
