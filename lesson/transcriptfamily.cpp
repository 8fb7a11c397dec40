#include "transcriptfamily.h"

#include "findsolution.h"
#include "prepareequation.h"

#include <cstdlib>

std::optional<TranscriptFamily> FindTranscriptFamily(std::int64_t A, std::int64_t B, std::int64_t C)
{
    if (A == 0 || B == 0 || C == 0)
        return std::nullopt;
    const std::int64_t nod = GreatestCommonDivisor(std::llabs(A), std::llabs(B));
    if (C % nod != 0)
        return std::nullopt;
    const std::int64_t a = A / nod;
    const std::int64_t b = B / nod;
    const std::int64_t c = C / nod;

    const std::optional<SearchHit> hit = SearchParticularSolution(a, b, c).hit;
    if (!hit)
        return std::nullopt;
    return TranscriptFamily{hit->x, hit->y, a, b};
}

std::array<std::int64_t, 2> FirstSolution(std::int64_t A, std::int64_t B, std::int64_t C)
{
    if (const auto family = FindTranscriptFamily(A, B, C))
        return {family->xo, family->yo};
    if (C == 0 || (A == 0 && B == 0))
        return {0, 0};
    if (A == 0)
        return {0, C / B};
    return {C / A, 0}; // B is 0: any other case has a family
}
