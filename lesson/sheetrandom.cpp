#include "sheetrandom.h"

namespace {

std::uint64_t RotateLeft(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

} // namespace

std::uint64_t SplitMix64(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

SheetRandom::SheetRandom(std::uint64_t seed)
{
    for (std::uint64_t &word : state_)
        word = SplitMix64(seed);
}

std::uint64_t SheetRandom::Next()
{
    const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
}

std::int64_t SheetRandom::Between(std::int64_t lower, std::int64_t upper)
{
    const std::uint64_t span = static_cast<std::uint64_t>(upper - lower) + 1;
    if (span == 0)
        return static_cast<std::int64_t>(Next());
    // Draws below the threshold would favour the small remainders.
    const std::uint64_t threshold = (0 - span) % span;
    std::uint64_t r = Next();
    while (r < threshold)
        r = Next();
    return lower + static_cast<std::int64_t>(r % span);
}

bool SheetRandom::Chance(std::uint64_t numerator, std::uint64_t denominator)
{
    return static_cast<std::uint64_t>(Between(0, static_cast<std::int64_t>(denominator) - 1)) <
           numerator;
}
