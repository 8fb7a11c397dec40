#pragma once

// The solver of Ax + By = C, free of any toolkit: three coefficient texts
// in, the working's lines out (solve.h), and what they are made of.

#include "calculation.h"       // RandomSource, CoefficientTexts, Calculation
#include "clockrandom.h"       // ClockRandom, the one random sequence
#include "coefficients.h"      // the coefficients' ranges, ReadCoefficients
#include "equationtext.h"      // EquationText, the equation as a line writes it
#include "findsolution.h"      // FindSolution
#include "numbertext.h"        // NumberText
#include "prepareequation.h"   // PrepareEquation, GCD
#include "randomcoefficient.h" // RandomCoefficient, the fill rule
#include "readcoefficient.h"   // ReadNumber, ReadCoefficient
#include "search.h"            // FirstAcceptedPair
#include "solve.h"             // Solve, ReportNoSolution, ReportSolvable, HandleSolvable
#include "transcript.h"        // Piece, AppendLine
#include "value.h"             // Value, SolverValues, ToInt16, ToInt32
#include "working.h"           // Working, what one calculation gives back

#include <string>
#include <string_view>

// Solve as a window uses it: reads the three texts and appends the working
// to `transcript`, each line ending in CR LF.
void Solve(std::string_view a, std::string_view b, std::string_view c, std::string &transcript,
           const RandomSource &random, std::string_view decimalSeparator,
           const TranscriptTexts &texts);
