#include "prepareequation.h"

#include "equationtext.h"
#include "transcript.h"

#include <cmath>
#include <string_view>

namespace {

// One line per coefficient outside its range; true when there was any.
bool ReportOutOfRange(Calculation &calc, const std::array<double, 3> &read)
{
    const auto &say = calc.texts.outOfRange;
    const std::vector<RefusedCoefficient> refused = RefusedCoefficients(read);
    for (const auto &[range, value] : refused) {
        const std::string_view letter(&range.letter, 1);
        AppendLine(calc, {say.coefficient, letter, say.equals, value, say.outside, range.lower,
                          say.to, range.upper, say.end});
    }
    return !refused.empty();
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
    Working &working = calc.working;
    SolverValues &v = working.values;
    const std::array<double, 3> read = ReadCoefficients(calc.coefficients);
    const auto [A, B, C] = read;
    v.A = A;
    v.B = B;
    v.C = C;

    const TranscriptTexts &say = calc.texts;
    const std::string equation = EquationText(A, B, C, calc.decimalSeparator, say);
    AppendLine(calc, {say.solving, std::string_view(equation)});

    if (ReportOutOfRange(calc, read)) {
        working.refused = true;
        return false;
    }

    if (A * B == 0) {
        AppendLine(calc, {say.zeroEquation, std::string_view(equation)});
        AppendLine(calc, {say.zeroComplaint});
        return true;
    }

    // Inside the ranges every value is an exact integer of at most 32 bits.
    v.NOD = static_cast<std::int16_t>(GreatestCommonDivisor(
        std::llabs(static_cast<std::int64_t>(A)), std::llabs(static_cast<std::int64_t>(B))));
    working.gcd = v.NOD;
    AppendLine(calc, {say.gcd.coefficients, A, say.gcd.between, B, say.gcd.computed, v.NOD});

    if (v.NOD > 1 && static_cast<std::int64_t>(C) % v.NOD == 0) {
        v.A = A / v.NOD;
        v.B = B / v.NOD;
        v.C = C / v.NOD;
        v.NOD = 1;
        AppendLine(calc, {say.reducing});
        const std::string reduced =
            EquationText(AsDouble(v.A), AsDouble(v.B), AsDouble(v.C), calc.decimalSeparator, say);
        AppendLine(calc, {say.reducedForm, std::string_view(reduced)});
    }
    return true;
}
