#pragma once

#include <array>
#include <cstdint>
#include <optional>

// The working's answer to A x + B y = C, reduced and searched as the
// working does it: the pair Xo, Yo its search finds and the reduced
// coefficients a = A / GCD, b = B / GCD its general solution is written in,
// X = Xo - b * t, Y = Yo + a * t. Found without drawing from the random
// sequence, which only picks the t the working checks. Every account that
// names the working's x₀, y₀ (the answer check, Euclid's way, the key) asks
// here.
struct TranscriptFamily
{
    std::int64_t xo;
    std::int64_t yo;
    std::int64_t a;
    std::int64_t b;
};

// Only where the working searches: A, B, C non-zero and inside their
// ranges, and the GCD of A and B dividing C.
std::optional<TranscriptFamily> FindTranscriptFamily(std::int64_t A, std::int64_t B,
                                                     std::int64_t C);

// The pair a search from (0, 0) meets first in a solvable equation: the
// working's x₀, y₀ where it searches, and on an axis where a coefficient is
// 0 (0, 0 where C is 0, or A and B both are).
std::array<std::int64_t, 2> FirstSolution(std::int64_t A, std::int64_t B, std::int64_t C);
