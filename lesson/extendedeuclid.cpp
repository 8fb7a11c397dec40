#include "extendedeuclid.h"

std::vector<Division> EuclidDivisions(Wide larger, Wide smaller)
{
    std::vector<Division> chain;
    while (smaller != 0) {
        chain.push_back({larger, larger / smaller, smaller, larger % smaller});
        larger = smaller;
        smaller = chain.back().remainder;
    }
    return chain;
}

std::vector<EuclidRow> EuclidTableRows(Wide a, Wide b)
{
    std::vector<EuclidRow> rows = {{0, a, 1, 0}, {0, b, 0, 1}};
    if (b > a)
        std::swap(rows[0], rows[1]);
    // Each row is the one two up minus q times the one above: a difference
    // of two rows keeps r = s·a + t·b.
    while (true) {
        const EuclidRow &up = rows[rows.size() - 2], &above = rows.back();
        const Wide q = up.r / above.r;
        if (up.r - q * above.r == 0)
            return rows;
        rows.push_back({q, up.r - q * above.r, up.s - q * above.s, up.t - q * above.t});
    }
}
