#include "solver.h"

#include "findsolution.h"
#include "prepareequation.h"
#include "transcript.h"

#include <cmath>

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
    // The values are whole here, so the remainder is exact; where the
    // quotient is no whole number the line says what follows from that.
    const auto whole = [](double n, double d) { return std::fmod(n, d) == 0; };
    if (A == 0 && B == 0)
        AppendLine(calc, {say.enterValues});
    else if (A == 0)
        AppendLine(calc, {whole(C, B) ? say.anyX : say.anyXFraction, C / B});
    else if (B == 0)
        AppendLine(calc, {whole(C, A) ? say.anyY : say.anyYFraction, C / A});
    else if (C == 0)
        AppendLine(calc, {whole(B, A) ? say.solutionForX : say.solutionForXFraction, (-B) / A});
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
