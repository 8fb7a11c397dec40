#pragma once

#include "calculation.h"

#include <cstdint>

// Coefficients beyond these make the arithmetic inexact or endless, so a
// calculation refuses them with a transcript line instead of going on.
struct CoefficientRange
{
    char letter;
    double lower;
    double upper;
};
inline constexpr CoefficientRange RangeA{'A', -2147483648.0, 2147483647.0};
inline constexpr CoefficientRange RangeB{'B', -32767.0, 32767.0};
inline constexpr CoefficientRange RangeC{'C', -2147483648.0, 2147483647.0};

// Greatest common divisor of two non-zero magnitudes, by remainder steps.
std::int64_t GreatestCommonDivisor(std::int64_t a, std::int64_t b);

// Reads A, B, C, writes the equation, refuses out-of-range coefficients,
// complains about a zero coefficient, computes NOD and reduces the equation.
// False when a coefficient was refused: the calculation ends there.
[[nodiscard]] bool PrepareEquation(Calculation &calc);
