#include "clockrandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr int Draws = 1'000'000;
constexpr int Bins = 10;

// Every draw in [0, 1), and as many in each tenth as chance allows: 100,000
// expected a tenth, with a standard deviation of 300, so 5 % is some 16
// deviations off. Draws that never pass 0.5 leave half the bins empty.
void expectEvenFill(ClockRandom &random, const char *which)
{
    std::array<int, Bins> counts{};
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < Draws; ++i) {
        const float r = random();
        ASSERT_GE(r, 0.0f) << which;
        ASSERT_LT(r, 1.0f) << which;
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
        ++counts[static_cast<std::size_t>(r * Bins)];
    }
    EXPECT_LT(lowest, 1e-4f) << which;
    EXPECT_GT(highest, 1.0f - 1e-4f) << which;
    for (int bin = 0; bin < Bins; ++bin)
        EXPECT_NEAR(counts[std::size_t(bin)], Draws / Bins, Draws / Bins / 20)
            << which << ", draws from " << bin / 10.0 << " to " << (bin + 1) / 10.0;
}

} // namespace

TEST(ClockRandomTest, FillsZeroToOneEvenly)
{
    ClockRandom clocked;
    expectEvenFill(clocked, "seeded from the clock");
    for (std::uint64_t seed : {0ull, 1ull, 0xFFFF'FFFF'FFFF'FFFFull}) {
        ClockRandom seeded(seed);
        expectEvenFill(seeded, ("seed " + std::to_string(seed)).c_str());
    }
}
