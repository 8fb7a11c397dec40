#pragma once

#include "calculation.h"

// Searches a particular solution, writes the general solution in t and checks
// it for one random t. Expects A, B, C non-zero, coprime A and B, NOD = 1.
void FindSolution(Calculation &calc);
