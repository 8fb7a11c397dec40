#pragma once

#include "catalogue.h"
#include "solutionbounds.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The solutions within the bounds, worked out after Euclid's way: each bound
// as an inequality on t, solved and rounded to whole t, the range of t, the
// count and the solutions. CR LF lines, formulas in the language's school
// notation.

// For the three coefficient texts, read as the transcript reads them. Empty
// where no bound is set or a coefficient is refused, which Euclid's way
// reports already.
std::string BoundsAccount(std::string_view a, std::string_view b, std::string_view c,
                          const SolutionBounds &bounds, const Catalogue &language);

// For coefficients within the ranges the working accepts.
std::string BoundsAccountOf(std::int64_t A, std::int64_t B, std::int64_t C,
                            const SolutionBounds &bounds, const Catalogue &language);

// The same account as the steps of its route, each a hint for a pupil who
// lists the solutions: the bounds turned into inequalities on t; the range
// of t (or why there is none); the count; the solutions. The lines of a step
// are set apart by CR LF; the task's own line is left out.
std::vector<std::string> BoundsAccountSteps(std::int64_t A, std::int64_t B, std::int64_t C,
                                            const SolutionBounds &bounds,
                                            const Catalogue &language);
