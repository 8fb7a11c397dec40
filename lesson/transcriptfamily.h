#pragma once

#include <cstdint>
#include <optional>

// The transcript's answer to A x + B y = C: the pair Xo, Yo its search finds
// and the reduced coefficients a = A / GCD, b = B / GCD its general solution
// is written in, X = Xo - b * t, Y = Yo + a * t. Found without drawing from
// the random sequence, which only picks the t the transcript checks.
struct TranscriptFamily
{
    std::int64_t xo;
    std::int64_t yo;
    std::int64_t a;
    std::int64_t b;
};

// Only where the transcript searches: A, B, C non-zero and inside their
// ranges, and the GCD of A and B dividing C.
std::optional<TranscriptFamily> FindTranscriptFamily(std::int64_t A, std::int64_t B,
                                                     std::int64_t C);
