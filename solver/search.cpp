#include "search.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {

using i64 = std::int64_t;

// Remainder in [0, m) for any sign of a.
i64 Mod(i64 a, i64 m)
{
    const i64 r = a % m;
    return r < 0 ? r + m : r;
}

i64 FloorDiv(i64 a, i64 b)
{
    i64 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

i64 CeilDiv(i64 a, i64 b)
{
    return -FloorDiv(-a, b);
}

// Inverse of a modulo m (m >= 2), a and m coprime.
i64 Inverse(i64 a, i64 m)
{
    i64 r0 = m, r1 = Mod(a, m);
    i64 s0 = 0, s1 = 1;
    while (r1 != 0) {
        const i64 q = r0 / r1;
        std::tie(r0, r1) = std::make_tuple(r1, r0 - q * r1);
        std::tie(s0, s1) = std::make_tuple(s1, s0 - q * s1);
    }
    return Mod(s0, m);
}

} // namespace

std::optional<SearchHit> FirstAcceptedPair(i64 a, i64 b, i64 c, i64 limit)
{
    if (limit < 0)
        return std::nullopt;

    // Every solution has x = x0 (mod |b|); y follows from x. The walk meets
    // x = i and x = -i on row i, so per sign the first row is the smallest
    // i in that residue class whose y is within the limit too.
    const i64 m = std::llabs(b);
    const i64 x0 = m == 1 ? 0 : Mod(Mod(c, m) * Inverse(a, m), m);
    const i64 span = limit * m; // |c - a*x| <= span keeps |y| <= limit

    std::optional<SearchHit> best;
    std::tuple<i64, i64, int> bestKey;
    for (const i64 sign : {1, -1}) {
        const i64 slope = a * sign; // c - slope * i = b * y
        i64 lo = slope > 0 ? CeilDiv(c - span, slope) : CeilDiv(c + span, slope);
        i64 hi = slope > 0 ? FloorDiv(c + span, slope) : FloorDiv(c - span, slope);
        lo = std::max<i64>(lo, 0);
        hi = std::min<i64>(hi, limit);
        if (lo > hi)
            continue;
        const i64 i = lo + Mod(Mod(sign * x0, m) - lo, m);
        if (i > hi)
            continue;
        const i64 y = (c - slope * i) / b;
        const int test = sign > 0 ? (y >= 0 ? 1 : 3) : (y >= 0 ? 2 : 4);
        const auto key = std::make_tuple(i, std::llabs(y), test);
        if (!best || key < bestKey) {
            best = SearchHit{sign * i, y, test};
            bestKey = key;
        }
    }
    return best;
}
