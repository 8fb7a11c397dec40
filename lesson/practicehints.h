#pragma once

#include "catalogue.h"

#include <string>
#include <string_view>
#include <vector>

// The hints for the equation the three coefficient texts give, read as the
// transcript reads them, in the order a pupil is given them, each building
// on the last; the last is the whole answer. For an equation with solutions:
//  1. the GCD and that it divides C, Bézout's equality and what to multiply
//     it by;
//  2. that equality multiplied out: a particular solution;
//  3. the general solution, and why its steps are B and −A over the GCD.
// For one without: the GCD, then why no pair can exist. None where a
// coefficient lies outside its range.
std::vector<std::string> PracticeHints(std::string_view a, std::string_view b, std::string_view c,
                                       const Catalogue &language);
