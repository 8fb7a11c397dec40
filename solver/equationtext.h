#pragma once

#include "catalogue.h"

#include <cstdint>
#include <string>
#include <string_view>

// The equation as the working writes it: "3x + 5y = 1", "91x - 35y = 14";
// B's sign goes between the terms and its magnitude after it. The one
// writer of an equation's text, wherever one is shown.
std::string EquationText(double A, double B, double C, std::string_view decimalSeparator,
                         const TranscriptTexts &say);

// The same for whole coefficients, which no decimal separator touches.
std::string EquationText(std::int64_t A, std::int64_t B, std::int64_t C,
                         const TranscriptTexts &say);
