#include "boundedsolutions.h"

#include "transcriptfamily.h"
#include "widearithmetic.h"

#include "prepareequation.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// A pair with a·u + b·v = 1 for coprime a and b, by the extended algorithm.
std::pair<Wide, Wide> Bezout(Wide a, Wide b)
{
    Wide oldR = a, r = b, oldU = 1, u = 0, oldV = 0, v = 1;
    while (r != 0) {
        const Wide k = oldR / r;
        oldR = std::exchange(r, oldR - k * r);
        oldU = std::exchange(u, oldU - k * u);
        oldV = std::exchange(v, oldV - k * v);
    }
    // oldR is ±1.
    return {oldU * oldR, oldV * oldR};
}

// The family of every solution, or nothing where there is no solution or
// every pair is one.
std::optional<SolutionFamily> FamilyOf(std::int64_t A, std::int64_t B, std::int64_t C)
{
    if (A == 0 && B == 0)
        return std::nullopt;
    if (A == 0) {
        if (C % B != 0)
            return std::nullopt;
        return SolutionFamily{0, 1, C / B, 0};
    }
    if (B == 0) {
        if (C % A != 0)
            return std::nullopt;
        return SolutionFamily{C / A, 0, 0, 1};
    }
    const std::int64_t d = GreatestCommonDivisor(std::llabs(A), std::llabs(B));
    if (C % d != 0)
        return std::nullopt;
    const Wide a = A / d, b = B / d, c = C / d;
    SolutionFamily family{0, -b, 0, a};
    if (c == 0)
        return family;
    if (const std::optional<TranscriptFamily> working = FindTranscriptFamily(A, B, C)) {
        family.x0 = working->xo;
        family.y0 = working->yo;
    } else {
        // The search keeps its pair within bounds it has always met so far;
        // should it ever not, any particular solution gives the same set.
        const auto [u, v] = Bezout(a, b);
        family.x0 = u * c;
        family.y0 = v * c;
    }
    return family;
}

BoundOnT Step(char letter, bool atLeast, Wide end, Wide start, Wide step)
{
    BoundOnT bound{letter, atLeast, end, start, step, BoundOnT::Outcome::Always};
    if (step == 0) {
        const bool holds = atLeast ? start >= end : start <= end;
        bound.outcome = holds ? BoundOnT::Outcome::Always : BoundOnT::Outcome::Never;
        return bound;
    }
    // step·t ≥ end − start (or ≤); dividing by a negative step turns it.
    Wide numerator = end - start, denominator = step;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Wide g = WideGcd(numerator, denominator);
    bound.numerator = numerator / g;
    bound.denominator = denominator / g;
    const bool lowerEnd = atLeast == (step > 0);
    bound.outcome = lowerEnd ? BoundOnT::Outcome::LowerEnd : BoundOnT::Outcome::UpperEnd;
    bound.whole = lowerEnd ? CeilDivide(bound.numerator, bound.denominator)
                           : FloorDivide(bound.numerator, bound.denominator);
    return bound;
}

void SolveFamily(BoundedSolutions &result, const SolutionFamily &f, const SolutionBounds &bounds)
{
    const auto add = [&](char letter, bool atLeast, const std::optional<std::int64_t> &end) {
        if (!end)
            return;
        const bool isX = letter == 'x';
        result.steps.push_back(Step(letter, atLeast, *end, isX ? f.x0 : f.y0, isX ? f.p : f.q));
    };
    add('x', true, bounds.xMin);
    add('x', false, bounds.xMax);
    add('y', true, bounds.yMin);
    add('y', false, bounds.yMax);

    for (const BoundOnT &step : result.steps) {
        switch (step.outcome) {
        case BoundOnT::Outcome::LowerEnd:
            result.tMin = result.tMin ? std::max(*result.tMin, step.whole) : step.whole;
            break;
        case BoundOnT::Outcome::UpperEnd:
            result.tMax = result.tMax ? std::min(*result.tMax, step.whole) : step.whole;
            break;
        case BoundOnT::Outcome::Always:
            break;
        case BoundOnT::Outcome::Never:
            result.none = true;
        }
    }
    if (result.none) {
        result.tMin.reset();
        result.tMax.reset();
        return;
    }
    if (result.tMin && result.tMax) {
        if (*result.tMin > *result.tMax) {
            result.none = true;
            return;
        }
        result.count = *result.tMax - *result.tMin + 1;
    }

    // Along the order by x, t rises where p > 0 and falls where p < 0; with
    // p = 0, x is the same in all and y = t orders them.
    const bool rising = f.p != 0 ? f.p > 0 : f.q > 0;
    const std::optional<Wide> firstT = rising ? result.tMin : result.tMax;
    const std::optional<Wide> lastT = rising ? result.tMax : result.tMin;
    const Wide direction = rising ? 1 : -1;
    const auto at = [&](Wide t) { return SolutionPair{f.x0 + f.p * t, f.y0 + f.q * t}; };

    const auto listFrom = [&](std::vector<SolutionPair> &list, Wide t, Wide along, Wide n) {
        for (Wide k = 0; k < n; ++k)
            list.push_back(at(t + along * k));
    };
    if (result.count && *result.count <= static_cast<Wide>(AllListedUpTo)) {
        listFrom(result.first, *firstT, direction, *result.count);
    } else {
        if (firstT)
            listFrom(result.first, *firstT, direction, ListedAtEachEnd);
        if (lastT) {
            listFrom(result.last, *lastT, -direction, ListedAtEachEnd);
            std::reverse(result.last.begin(), result.last.end());
        }
    }

    if (f.p == 0) {
        result.smallestX = result.largestX = f.x0;
    } else {
        const std::optional<Wide> low = f.p > 0 ? result.tMin : result.tMax;
        const std::optional<Wide> high = f.p > 0 ? result.tMax : result.tMin;
        if (low)
            result.smallestX = at(*low).x;
        if (high)
            result.largestX = at(*high).x;
    }
}

// 0x + 0y = 0: the solutions are the pairs of the box itself.
void SolveEveryPair(BoundedSolutions &result, const SolutionBounds &b)
{
    if ((b.xMin && b.xMax && *b.xMin > *b.xMax) || (b.yMin && b.yMax && *b.yMin > *b.yMax)) {
        result.none = true;
        return;
    }
    std::optional<Wide> columns; // values of y for each x
    if (b.yMin && b.yMax)
        columns = Wide(*b.yMax) - *b.yMin + 1;
    if (b.xMin && b.xMax && columns)
        result.count = (Wide(*b.xMax) - *b.xMin + 1) * *columns;

    // The k-th pair from either end of the order by x, then y.
    const auto fromStart = [&](Wide k) {
        return columns ? SolutionPair{*b.xMin + k / *columns, *b.yMin + k % *columns}
                       : SolutionPair{*b.xMin, *b.yMin + k};
    };
    const auto fromEnd = [&](Wide k) {
        return columns ? SolutionPair{*b.xMax - k / *columns, *b.yMax - k % *columns}
                       : SolutionPair{*b.xMax, *b.yMax - k};
    };
    const bool hasFirst = b.xMin && b.yMin, hasLast = b.xMax && b.yMax;
    if (result.count && *result.count <= static_cast<Wide>(AllListedUpTo)) {
        for (Wide k = 0; k < *result.count; ++k)
            result.first.push_back(fromStart(k));
    } else {
        for (Wide k = 0; hasFirst && k < static_cast<Wide>(ListedAtEachEnd); ++k)
            result.first.push_back(fromStart(k));
        for (Wide k = ListedAtEachEnd; hasLast && k-- > 0;)
            result.last.push_back(fromEnd(k));
    }
    if (b.xMin)
        result.smallestX = *b.xMin;
    if (b.xMax)
        result.largestX = *b.xMax;
}

} // namespace

BoundedSolutions SolveWithinBounds(std::int64_t A, std::int64_t B, std::int64_t C,
                                   const SolutionBounds &bounds)
{
    BoundedSolutions result;
    if (A == 0 && B == 0 && C == 0) {
        result.equation = BoundedSolutions::Equation::EveryPair;
        SolveEveryPair(result, bounds);
    } else if (const std::optional<SolutionFamily> family = FamilyOf(A, B, C)) {
        result.equation = BoundedSolutions::Equation::Family;
        result.family = *family;
        SolveFamily(result, *family, bounds);
    } else {
        result.none = true;
    }
    return result;
}
