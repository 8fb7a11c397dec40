#include "prepareequation.h"

#include "readcoefficient.h"
#include "transcript.h"

#include <cmath>
#include <string_view>

namespace {

// One line per coefficient outside its range; true when there was any.
bool ReportOutOfRange(Calculation &calc)
{
    const struct
    {
        const CoefficientRange &range;
        const Value &value;
    } checks[] = {{RangeA, calc.values.A}, {RangeB, calc.values.B}, {RangeC, calc.values.C}};

    bool any = false;
    for (const auto &[range, value] : checks) {
        const double v = AsDouble(value);
        if (v >= range.lower && v <= range.upper)
            continue;
        const std::string_view letter(&range.letter, 1);
        AppendLine(calc, {"Коефициентът ", letter, " = ", v, " е извън допустимия интервал от ",
                          range.lower, " до ", range.upper, "!"});
        any = true;
    }
    return any;
}

} // namespace

std::int64_t GreatestCommonDivisor(std::int64_t a, std::int64_t b)
{
    // The same value as subtracting the smaller from the larger over and over,
    // each remainder step doing a whole run of subtractions at once.
    std::int64_t GcdA = a;
    std::int64_t GcdB = b;
    while (GcdB != 0) {
        const std::int64_t rest = GcdA % GcdB;
        GcdA = GcdB;
        GcdB = rest;
    }
    return GcdA;
}

bool PrepareEquation(Calculation &calc)
{
    SolverValues &v = calc.values;
    const double A = ReadCoefficient(calc.window.CoefficientText(1));
    const double B = ReadCoefficient(calc.window.CoefficientText(2));
    const double C = ReadCoefficient(calc.window.CoefficientText(3));
    v.A = A;
    v.B = B;
    v.C = C;

    const std::string_view SignText = B < 0 ? "x - " : "x + ";
    AppendLine(calc, {"Решавам Диофантово уравнение ", A, SignText, std::fabs(B), "y = ", C});

    if (ReportOutOfRange(calc))
        return false;

    if (A * B == 0) {
        AppendLine(calc, {"Диофантовото уравнение ", A, SignText, std::fabs(B), "y = ", C});
        AppendLine(calc, {"е с некоректно въведени коефициенти!"});
        return true;
    }

    // Inside the ranges every value is an exact integer of at most 32 bits.
    v.NOD = static_cast<std::int16_t>(GreatestCommonDivisor(
        std::llabs(static_cast<std::int64_t>(A)), std::llabs(static_cast<std::int64_t>(B))));
    AppendLine(calc, {"За коефициентите ", A, " и ", B, " е изчислен НОД = ", v.NOD});

    if (v.NOD > 1 && static_cast<std::int64_t>(C) % v.NOD == 0) {
        v.A = A / v.NOD;
        v.B = B / v.NOD;
        v.C = C / v.NOD;
        v.NOD = 1;
        AppendLine(calc, {"Извършва се съкращаване на коефициентите в уравнението:"});
        AppendLine(calc, {"Уравнение добива вида: ", v.A, SignText, std::fabs(AsDouble(v.B)),
                          "y = ", v.C});
    }
    return true;
}
