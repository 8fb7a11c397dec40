#pragma once

// The solver of Ax + By = C, free of any toolkit. It reaches the window only
// through SolverWindow: three coefficient texts in, one transcript out.

#include "value.h"           // Value, SolverValues, ToInt16, ToInt32
#include "readcoefficient.h" // ReadNumber, ReadCoefficient
#include "numbertext.h"      // NumberText
#include "calculation.h"     // SolverWindow, RandomSource, Calculation
#include "transcript.h"      // Piece, AppendLine
#include "prepareequation.h" // PrepareEquation, coefficient ranges, GCD
#include "search.h"          // FirstAcceptedPair
#include "findsolution.h"    // FindSolution
#include "solve.h"           // Solve, ReportNoSolution, ReportSolvable, HandleSolvable
