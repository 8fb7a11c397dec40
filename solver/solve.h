#pragma once

#include "calculation.h"

#include <string_view>

// One whole calculation: reads the three coefficient texts and writes its
// account into the transcript, leaving A, B, C and NOD behind in `values`.
void Solve(SolverWindow &window, SolverValues &values, const RandomSource &random,
           std::string_view decimalSeparator, const TranscriptTexts &texts);

void Solve(Calculation &calc);
void ReportNoSolution(Calculation &calc);
void ReportSolvable(Calculation &calc);
void HandleSolvable(Calculation &calc);
