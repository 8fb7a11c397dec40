#pragma once

#include "catalogue.h"

#include <string>
#include <string_view>

// The equation as the transcript writes it: "3x + 5y = 1", "91x - 35y = 14";
// B's sign goes between the terms and its magnitude after it.
std::string EquationText(double A, double B, double C, std::string_view decimalSeparator,
                         const TranscriptTexts &say);
