#include "transcriptfamily.h"

#include "prepareequation.h"
#include "search.h"

#include <algorithm>
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

    // The search's interval as the transcript sets it, from the signed
    // reduced coefficients, and the wider one it falls back on.
    auto hit = FirstAcceptedPair(a, b, c, std::max({a, b, c}));
    if (!hit)
        hit = FirstAcceptedPair(a, b, c, std::max({std::llabs(a), std::llabs(b), std::llabs(c)}));
    if (!hit)
        return std::nullopt;
    return TranscriptFamily{hit->x, hit->y, a, b};
}
