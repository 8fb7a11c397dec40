#pragma once

#include "calculation.h"
#include "coefficients.h"

#include <cstdint>

// Greatest common divisor of two non-zero magnitudes, by remainder steps.
std::int64_t GreatestCommonDivisor(std::int64_t a, std::int64_t b);

// Reads A, B, C, writes the equation, refuses out-of-range coefficients,
// complains about a zero coefficient, computes NOD and reduces the equation.
// False when a coefficient was refused: the calculation ends there.
[[nodiscard]] bool PrepareEquation(Calculation &calc);
