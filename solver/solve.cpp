#include "solve.h"

#include "findsolution.h"
#include "prepareequation.h"
#include "transcript.h"

void Solve(SolverWindow &window, SolverValues &values, const RandomSource &random,
           std::string_view decimalSeparator)
{
    Calculation calc{window, values, random, std::string(decimalSeparator)};
    Solve(calc);
}

void Solve(Calculation &calc)
{
    if (!PrepareEquation(calc))
        return;

    const double A = AsDouble(calc.values.A);
    const double B = AsDouble(calc.values.B);
    const double C = AsDouble(calc.values.C);
    if (A == 0 && B == 0)
        AppendLine(calc, {"Моля, въведете стойности на коефициентите!"});
    else if (A == 0)
        AppendLine(calc, {"Уравнението има решение за всяко x.   y = ", C / B});
    else if (B == 0)
        AppendLine(calc, {"Уравнението има решение за всяко y.   x = ", C / A});
    else if (C == 0)
        AppendLine(calc, {"Уравнението има решение за x = ", (-B) / A});
    else if (static_cast<std::int64_t>(C) % calc.values.NOD != 0)
        ReportNoSolution(calc);
    else
        HandleSolvable(calc);
}

void ReportNoSolution(Calculation &calc)
{
    const SolverValues &v = calc.values;
    AppendLine(calc, {"Изчисленият НОД на ", v.A, " и ", v.B, " не е делител на ", v.C});
    AppendLine(calc, {"Диофантовото уравнение НЯМА решение в областта на целите числа!"});
}

void ReportSolvable(Calculation &calc)
{
    const SolverValues &v = calc.values;
    AppendLine(calc, {"Изчисленият НОД на ", v.A, " и ", v.B, " е делител на ", v.C});
    AppendLine(calc, {"Диофантовото уравнение има решение в областта на целите числа."});
}

void HandleSolvable(Calculation &calc)
{
    ReportSolvable(calc);
    FindSolution(calc);
}
