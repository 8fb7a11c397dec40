#include "clockrandom.h"

#include <chrono>

ClockRandom::ClockRandom()
    : ClockRandom(
          static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()))
{}

ClockRandom::ClockRandom(std::uint64_t seed)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    engine_.seed(sequence);
}

float ClockRandom::operator()()
{
    // 24 random bits fill a float's mantissa exactly, so the largest result is
    // 1 - 2^-24 and never rounds up to 1 (as std::generate_canonical may).
    return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}
