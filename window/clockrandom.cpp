#include "clockrandom.h"

#include <chrono>
#include <cstdint>

ClockRandom::ClockRandom()
{
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    engine_.seed(seed);
}

float ClockRandom::operator()()
{
    // 24 random bits fill a float's mantissa exactly, so the largest result is
    // 1 - 2^-24 and never rounds up to 1 (as std::generate_canonical may).
    return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}
