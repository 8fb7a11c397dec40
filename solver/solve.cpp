#include "solver.h"

#include "findsolution.h"
#include "prepareequation.h"
#include "transcript.h"

Working Solve(const CoefficientTexts &coefficients, const RandomSource &random,
              std::string_view decimalSeparator, const TranscriptTexts &texts)
{
    Working working;
    Calculation calc{coefficients, working, random, std::string(decimalSeparator), texts};
    Solve(calc);
    return working;
}

void Solve(std::string_view a, std::string_view b, std::string_view c, std::string &transcript,
           const RandomSource &random, std::string_view decimalSeparator,
           const TranscriptTexts &texts)
{
    transcript += Solve({a, b, c}, random, decimalSeparator, texts).Text();
}

void Solve(Calculation &calc)
{
    if (!PrepareEquation(calc))
        return;

    const double A = AsDouble(calc.working.values.A);
    const double B = AsDouble(calc.working.values.B);
    const double C = AsDouble(calc.working.values.C);
    const TranscriptTexts &say = calc.texts;
    if (A == 0 && B == 0)
        AppendLine(calc, {say.enterValues});
    else if (A == 0)
        AppendLine(calc, {say.anyX, C / B});
    else if (B == 0)
        AppendLine(calc, {say.anyY, C / A});
    else if (C == 0)
        AppendLine(calc, {say.solutionForX, (-B) / A});
    else if (static_cast<std::int64_t>(C) % calc.working.values.NOD != 0)
        ReportNoSolution(calc);
    else
        HandleSolvable(calc);
}

void ReportNoSolution(Calculation &calc)
{
    const SolverValues &v = calc.working.values;
    const auto &say = calc.texts.verdict;
    AppendLine(calc, {say.gcdOf, v.A, say.between, v.B, say.notDivisor, v.C});
    AppendLine(calc, {say.noSolution});
}

void ReportSolvable(Calculation &calc)
{
    const SolverValues &v = calc.working.values;
    const auto &say = calc.texts.verdict;
    AppendLine(calc, {say.gcdOf, v.A, say.between, v.B, say.divisor, v.C});
    AppendLine(calc, {say.solvable});
}

void HandleSolvable(Calculation &calc)
{
    ReportSolvable(calc);
    FindSolution(calc);
}
