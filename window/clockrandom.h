#pragma once

#include <random>

// The program's one random sequence, seeded from the clock when it is made.
// Each call gives the next r with 0 <= r < 1; the window draws coefficients
// from it and hands the same sequence to the solver for t.
class ClockRandom
{
public:
    ClockRandom();
    float operator()();

private:
    std::mt19937 engine_;
};
