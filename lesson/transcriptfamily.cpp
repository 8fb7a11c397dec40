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
