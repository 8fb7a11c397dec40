#pragma once

#include <cstdint>
#include <random>

// The program's one random sequence. Each call gives the next r with
// 0 <= r < 1; a front end draws coefficients from it and hands the same
// sequence to the solver for t. The desktop seeds it from the clock; the
// browser page, whose engine has no clock of its own, passes the seed in.
class ClockRandom
{
public:
    ClockRandom();
    explicit ClockRandom(std::uint64_t seed);
    float operator()();

private:
    std::mt19937 engine_;
};
