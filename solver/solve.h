#pragma once

#include "calculation.h"

#include <string_view>

// One whole calculation of the three coefficient texts: the working's lines
// and what it computed. It draws from `random` only where it reaches the
// check of the general solution, once.
Working Solve(const CoefficientTexts &coefficients, const RandomSource &random,
              std::string_view decimalSeparator, const TranscriptTexts &texts);

// The steps of one calculation, each writing its lines into calc.working.
void Solve(Calculation &calc);
void ReportNoSolution(Calculation &calc);
void ReportSolvable(Calculation &calc);
void HandleSolvable(Calculation &calc);
