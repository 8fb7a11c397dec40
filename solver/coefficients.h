#pragma once

#include "calculation.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Coefficients beyond these make the arithmetic inexact or endless, so a
// calculation refuses them instead of going on. Every account of the
// equation (the working, Euclid's way, the answer check) refuses by them.
struct CoefficientRange
{
    char letter;
    double lower;
    double upper;
};
inline constexpr CoefficientRange RangeA{'A', -2147483648.0, 2147483647.0};
inline constexpr CoefficientRange RangeB{'B', -32767.0, 32767.0};
inline constexpr CoefficientRange RangeC{'C', -2147483648.0, 2147483647.0};
inline constexpr std::array<const CoefficientRange *, 3> CoefficientRanges = {&RangeA, &RangeB,
                                                                              &RangeC};

// A, B and C as the working reads them: each text's number, rounded down.
std::array<double, 3> ReadCoefficients(const CoefficientTexts &texts);

// A coefficient as read that lies outside its range.
struct RefusedCoefficient
{
    const CoefficientRange &range;
    double value;
};

// Those of A, B and C, in that order, that lie outside their ranges; none
// where the equation can be solved. Inside them every value is an exact
// integer of at most 32 bits.
std::vector<RefusedCoefficient> RefusedCoefficients(const std::array<double, 3> &read);

// A, B and C as exact integers, or none where one lies outside its range.
std::optional<std::array<std::int64_t, 3>> WholeCoefficients(const CoefficientTexts &texts);
