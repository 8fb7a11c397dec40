#pragma once

#include <cstdint>
#include <optional>

// A pair accepted by the search for a particular solution.
struct SearchHit
{
    std::int64_t x; // Xo
    std::int64_t y; // Yo
    int test;       // 1..4: which sign pattern accepted it
};

// The pair that walking i, then j, over [0, limit], trying x = +-i, y = +-j in
// the order (i, j), (-i, j), (i, -j), (-i, -j), would accept first; computed
// from modular arithmetic instead of walking. Requires a, b, c non-zero,
// gcd(|a|, |b|) = 1, |a|, |c|, limit <= 2^31 and |b| <= 32767.
std::optional<SearchHit> FirstAcceptedPair(std::int64_t a, std::int64_t b, std::int64_t c,
                                           std::int64_t limit);
