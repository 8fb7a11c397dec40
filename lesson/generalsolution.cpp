#include "generalsolution.h"

#include "extendedeuclid.h"

namespace {

Wide Abs(Wide n)
{
    return n < 0 ? -n : n;
}

} // namespace

Wide ReducingT(Wide x, Wide step)
{
    const Wide m = Abs(step);
    if (Abs(x) <= m)
        return 0;
    Wide rest = x % m; // x's residue nearest 0, the positive one on a tie
    if (rest < 0)
        rest += m;
    if (2 * rest > m)
        rest -= m;
    return (x - rest) / step;
}

std::optional<GeneralSolution> FindGeneralSolution(std::int64_t A, std::int64_t B, std::int64_t C)
{
    if (A == 0 || B == 0)
        return std::nullopt;
    const Wide a = A, b = B, c = C;
    const EuclidRow last = EuclidTableRows(Abs(a), Abs(b)).back();
    const Wide d = last.r;
    if (c % d != 0)
        return std::nullopt;
    // d = s·|A| + t·|B|, so d = (±s)·A + (±t)·B with A's and B's signs.
    const Wide x = (a < 0 ? -last.s : last.s) * (c / d);
    const Wide y = (b < 0 ? -last.t : last.t) * (c / d);
    const Wide bOverD = b / d, aOverD = a / d;
    const Wide t = ReducingT(x, bOverD);
    return GeneralSolution{d, x - bOverD * t, y + aOverD * t, bOverD, aOverD, x, y};
}
