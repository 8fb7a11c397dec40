#include "findsolution.h"

#include "search.h"
#include "transcript.h"

#include <algorithm>
#include <cmath>

void FindSolution(Calculation &calc)
{
    const SolverValues &v = calc.values;
    const double A = AsDouble(v.A);
    const double B = AsDouble(v.B);
    const double C = AsDouble(v.C);

    double SearchLimit = A;
    if (SearchLimit < B)
        SearchLimit = B;
    if (SearchLimit < C)
        SearchLimit = C;

    const TranscriptTexts &say = calc.texts;
    AppendLine(calc, {say.pleaseWait});
    AppendLine(calc, {say.search.searching, std::int16_t{0}, say.search.comma, SearchLimit});

    // All values are exact integers here: |A|, |C| < 2^31, |B| < 2^15.
    const auto a = static_cast<std::int64_t>(A);
    const auto b = static_cast<std::int64_t>(B);
    const auto c = static_cast<std::int64_t>(C);
    auto hit = FirstAcceptedPair(a, b, c, static_cast<std::int64_t>(SearchLimit));
    const bool NotFound = !hit;
    if (NotFound) {
        // Some solution always has |x| <= |B| / 2 and |y| <= this bound.
        const double bound = std::max({std::fabs(A), std::fabs(B), std::fabs(C)});
        AppendLine(calc, {say.search.widened, std::int16_t{0}, say.search.comma, bound});
        hit = FirstAcceptedPair(a, b, c, static_cast<std::int64_t>(bound));
    }
    Value Xo, Yo;
    if (hit) {
        Xo = static_cast<double>(hit->x);
        Yo = static_cast<double>(hit->y);
    }

    AppendLine(calc, {say.found.xo, Xo, say.found.yo, Yo});
    AppendLine(calc, {say.general.x, Xo, say.general.minus, B, say.general.times});
    AppendLine(calc, {say.general.y, Yo, say.general.plus, A, say.general.times});

    const std::int16_t t = ToInt16(static_cast<double>(calc.random()) * 10 + 1);
    // NOD is 1 on this road, so the divisions are exact; the products stay
    // below 2^51 and print as the same integers the doubles would give.
    const std::int64_t nod = v.NOD;
    const std::int64_t X = static_cast<std::int64_t>(AsDouble(Xo)) - b * t / nod;
    const std::int64_t Y = static_cast<std::int64_t>(AsDouble(Yo)) + a * t / nod;

    const auto number = [](std::int64_t n) { return static_cast<double>(n); };
    const auto &check = say.check;
    AppendLine(calc, {check.checking, t, check.colon});
    AppendLine(calc, {check.formula});
    AppendLine(calc, {A, check.timesOpen, number(X), check.closePlus, B, check.timesOpen, number(Y),
                      check.closeEquals, C});
    AppendLine(calc, {number(a * X), check.plus, number(b * Y), check.equals, C});
}
