#include "solve.h"

#include "findsolution.h"
#include "prepareequation.h"
#include "transcript.h"

void Solve(SolverWindow &window, SolverValues &values, const RandomSource &random,
           std::string_view decimalSeparator, const TranscriptTexts &texts)
{
    Calculation calc{window, values, random, std::string(decimalSeparator), texts};
    Solve(calc);
}

void Solve(Calculation &calc)
{
    if (!PrepareEquation(calc))
        return;

    const double A = AsDouble(calc.values.A);
    const double B = AsDouble(calc.values.B);
    const double C = AsDouble(calc.values.C);
    const TranscriptTexts &say = calc.texts;
    if (A == 0 && B == 0)
        AppendLine(calc, {say.enterValues});
    else if (A == 0)
        AppendLine(calc, {say.anyX, C / B});
    else if (B == 0)
        AppendLine(calc, {say.anyY, C / A});
    else if (C == 0)
        AppendLine(calc, {say.solutionForX, (-B) / A});
    else if (static_cast<std::int64_t>(C) % calc.values.NOD != 0)
        ReportNoSolution(calc);
    else
        HandleSolvable(calc);
}

void ReportNoSolution(Calculation &calc)
{
    const SolverValues &v = calc.values;
    const auto &say = calc.texts.verdict;
    AppendLine(calc, {say.gcdOf, v.A, say.between, v.B, say.notDivisor, v.C});
    AppendLine(calc, {say.noSolution});
}

void ReportSolvable(Calculation &calc)
{
    const SolverValues &v = calc.values;
    const auto &say = calc.texts.verdict;
    AppendLine(calc, {say.gcdOf, v.A, say.between, v.B, say.divisor, v.C});
    AppendLine(calc, {say.solvable});
}

void HandleSolvable(Calculation &calc)
{
    ReportSolvable(calc);
    FindSolution(calc);
}
