#pragma once

// The solver of Ax + By = C, free of any toolkit. It reaches the window only
// through SolverWindow: three coefficient texts in, one transcript out.

#include "calculation.h"       // SolverWindow, RandomSource, Calculation
#include "clockrandom.h"       // ClockRandom, the one random sequence
#include "equationtext.h"      // EquationText, the equation as a line writes it
#include "findsolution.h"      // FindSolution
#include "numbertext.h"        // NumberText
#include "prepareequation.h"   // PrepareEquation, coefficient ranges, GCD
#include "randomcoefficient.h" // RandomCoefficient, the fill rule
#include "readcoefficient.h"   // ReadNumber, ReadCoefficient
#include "search.h"            // FirstAcceptedPair
#include "solve.h"             // Solve, ReportNoSolution, ReportSolvable, HandleSolvable
#include "transcript.h"        // Piece, AppendLine
#include "value.h"             // Value, SolverValues, ToInt16, ToInt32
