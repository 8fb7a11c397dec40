#pragma once

#include "catalogue.h"
#include "value.h"
#include "working.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

// The program's one generator: each call gives the next r, 0 <= r < 1.
using RandomSource = std::function<float()>;

// The three coefficient texts, A, B and C, as typed.
using CoefficientTexts = std::array<std::string_view, 3>;

// Everything one calculation works on; the inputs are not owned here, the
// working is what it writes.
struct Calculation
{
    CoefficientTexts coefficients;
    Working &working;
    const RandomSource &random;
    std::string decimalSeparator;
    const TranscriptTexts &texts; // the language the working is written in
};
