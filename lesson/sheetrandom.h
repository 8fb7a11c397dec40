#pragma once

#include <cstdint>

// The worksheet's own generator, xoshiro256** seeded through splitmix64: plain
// 64-bit arithmetic, so a seed gives the same numbers in every build, the
// browser's WebAssembly included, which no standard distribution promises.
class SheetRandom
{
public:
    explicit SheetRandom(std::uint64_t seed);

    std::uint64_t Next();
    // Uniform in [lower, upper], lower <= upper, without modulo bias.
    std::int64_t Between(std::int64_t lower, std::int64_t upper);
    // True with probability numerator / denominator.
    bool Chance(std::uint64_t numerator, std::uint64_t denominator);

private:
    std::uint64_t state_[4];
};

// One step of splitmix64; also mixes the choices into a seed.
std::uint64_t SplitMix64(std::uint64_t &state);
