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

    AppendLine(calc, {"Моля, изчакайте обработката на данните!"});
    AppendLine(calc, {"Търся в интервала ", std::int16_t{0}, ", ", SearchLimit});

    // All values are exact integers here: |A|, |C| < 2^31, |B| < 2^15.
    const auto a = static_cast<std::int64_t>(A);
    const auto b = static_cast<std::int64_t>(B);
    const auto c = static_cast<std::int64_t>(C);
    auto hit = FirstAcceptedPair(a, b, c, static_cast<std::int64_t>(SearchLimit));
    const bool NotFound = !hit;
    if (NotFound) {
        // Some solution always has |x| <= |B| / 2 and |y| <= this bound.
        const double bound = std::max({std::fabs(A), std::fabs(B), std::fabs(C)});
        AppendLine(calc, {"В този интервал няма решение. Търся в интервала ", std::int16_t{0}, ", ",
                          bound});
        hit = FirstAcceptedPair(a, b, c, static_cast<std::int64_t>(bound));
    }
    Value Xo, Yo;
    if (hit) {
        Xo = static_cast<double>(hit->x);
        Yo = static_cast<double>(hit->y);
    }

    AppendLine(calc, {"открито решение Xо = ", Xo, "; Yо = ", Yo});
    AppendLine(calc, {"X = Xо - (B*t)/NOD = ", Xo, " - ( ", B, " * t )"});
    AppendLine(calc, {"Y = Yо + (A * t) / NOD = ", Yo, " + ( ", A, " * t )"});

    const std::int16_t t = ToInt16(static_cast<double>(calc.random()) * 10 + 1);
    // NOD is 1 on this road, so the divisions are exact; the products stay
    // below 2^51 and print as the same integers the doubles would give.
    const std::int64_t nod = v.NOD;
    const std::int64_t X = static_cast<std::int64_t>(AsDouble(Xo)) - b * t / nod;
    const std::int64_t Y = static_cast<std::int64_t>(AsDouble(Yo)) + a * t / nod;

    const auto number = [](std::int64_t n) { return static_cast<double>(n); };
    AppendLine(calc, {"Извършва се проверка за t = ", t, ": "});
    AppendLine(calc, {"A*X + B*Y = C;  "});
    AppendLine(calc, {A, " * (", number(X), ") + ", B, " * (", number(Y), ") = ", C});
    AppendLine(calc, {number(a * X), " + ", number(b * Y), " = ", C});
}
