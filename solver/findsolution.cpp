#include "findsolution.h"

#include "search.h"
#include "transcript.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

void FindSolution(Calculation &calc)
{
    const SolverValues &v = calc.working.values;
    const double A = AsDouble(v.A);
    const double B = AsDouble(v.B);
    const double C = AsDouble(v.C);

    // All values are exact integers here: |A|, |C| < 2^31, |B| < 2^15.
    const auto a = static_cast<std::int64_t>(A);
    const auto b = static_cast<std::int64_t>(B);
    const auto c = static_cast<std::int64_t>(C);
    const ParticularSearch search = SearchParticularSolution(a, b, c);

    const TranscriptTexts &say = calc.texts;
    AppendLine(calc, {say.pleaseWait});
    AppendLine(calc, {say.search.searching, std::int16_t{0}, say.search.comma,
                      static_cast<double>(search.limit)});
    if (search.widenedLimit)
        AppendLine(calc, {say.search.widened, std::int16_t{0}, say.search.comma,
                          static_cast<double>(*search.widenedLimit)});
    const std::optional<SearchHit> &hit = search.hit;
    Value Xo, Yo;
    calc.working.particular = hit;
    if (hit) {
        Xo = static_cast<double>(hit->x);
        Yo = static_cast<double>(hit->y);
    }

    AppendLine(calc, {say.found.xo, Xo, say.found.yo, Yo});
    AppendLine(calc, {say.general.x, Xo, say.general.minus, B, say.general.times});
    AppendLine(calc, {say.general.y, Yo, say.general.plus, A, say.general.times});

    const std::int16_t t = ToInt16(static_cast<double>(calc.random()) * 10 + 1);
    calc.working.t = t;
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

ParticularSearch SearchParticularSolution(std::int64_t a, std::int64_t b, std::int64_t c)
{
    ParticularSearch search{std::max({a, b, c}), std::nullopt, std::nullopt};
    search.hit = FirstAcceptedPair(a, b, c, search.limit);
    if (!search.hit) {
        // Some solution always has |x| <= |B| / 2 and |y| <= this bound.
        search.widenedLimit = std::max({std::llabs(a), std::llabs(b), std::llabs(c)});
        search.hit = FirstAcceptedPair(a, b, c, *search.widenedLimit);
    }
    return search;
}
