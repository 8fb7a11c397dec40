#include "oracle.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

double SignedMax(double a, double b, double c)
{
    double limit = a;
    if (limit < b)
        limit = b;
    if (limit < c)
        limit = c;
    return limit;
}

// The fast search must accept exactly the pair the literal walk accepts, over
// the first interval and over the wider one that follows a miss.
void ExpectSameAsLiteralWalk(std::int64_t a, std::int64_t b, std::int64_t c)
{
    const double first = SignedMax(a, b, c);
    const double wider = std::max({std::llabs(a), std::llabs(b), std::llabs(c)});
    for (const double limit : {first, wider}) {
        const auto fast = FirstAcceptedPair(a, b, c, static_cast<std::int64_t>(limit));
        const auto slow = LiteralSearch(a, b, c, limit);
        ASSERT_EQ(fast.has_value(), slow.has_value())
            << a << ", " << b << ", " << c << " limit " << limit;
        if (!fast)
            continue;
        ASSERT_EQ(fast->x, slow->x) << a << ", " << b << ", " << c << " limit " << limit;
        ASSERT_EQ(fast->y, slow->y) << a << ", " << b << ", " << c << " limit " << limit;
        ASSERT_EQ(fast->test, slow->test) << a << ", " << b << ", " << c << " limit " << limit;
        ASSERT_EQ(a * fast->x + b * fast->y, c);
    }
    // After a miss the wider interval always holds a pair.
    EXPECT_TRUE(FirstAcceptedPair(a, b, c, static_cast<std::int64_t>(wider)).has_value());
}

TEST(FirstAcceptedPair, MatchesTheLiteralWalkForSmallCoefficients)
{
    for (std::int64_t a = -15; a <= 15; ++a) {
        for (std::int64_t b = -15; b <= 15; ++b) {
            if (a == 0 || b == 0 || std::gcd(a, b) != 1)
                continue;
            for (std::int64_t c = -15; c <= 15; ++c) {
                if (c != 0)
                    ExpectSameAsLiteralWalk(a, b, c);
            }
        }
    }
}

TEST(FirstAcceptedPair, MatchesTheLiteralWalkForRandomCoefficients)
{
    std::mt19937 generator(20261208);
    std::uniform_int_distribution<std::int64_t> value(-300, 300);
    int checked = 0;
    while (checked < 2000) {
        const std::int64_t a = value(generator), b = value(generator), c = value(generator);
        if (a == 0 || b == 0 || c == 0 || std::gcd(a, b) != 1)
            continue;
        ExpectSameAsLiteralWalk(a, b, c);
        ++checked;
    }
}

TEST(FirstAcceptedPair, FollowsTheWalkOrderOnKnownEquations)
{
    // 3x + 5y = 1: rows 0 and 1 hold nothing; (2, -1) by the third test.
    auto hit = FirstAcceptedPair(3, 5, 1, 5);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->x, 2);
    EXPECT_EQ(hit->y, -1);
    EXPECT_EQ(hit->test, 3);

    // 2x + 3y = 1: the smaller |x| wins, although its sign is negative.
    hit = FirstAcceptedPair(2, 3, 1, 3);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->x, -1);
    EXPECT_EQ(hit->y, 1);

    // A zero counter is never negated: x = 0 comes from the first test.
    hit = FirstAcceptedPair(7, 1, 5, 7);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->x, 0);
    EXPECT_EQ(hit->y, 5);
    EXPECT_EQ(hit->test, 1);

    EXPECT_FALSE(FirstAcceptedPair(-5, -3, 1, 1));
    EXPECT_FALSE(FirstAcceptedPair(-2, -3, -1, -1));
}

TEST(FirstAcceptedPair, StaysExactAtTheLimits)
{
    const std::int64_t big = 2147483647, low = -2147483648LL;
    for (const auto &[a, b, c] : std::vector<std::tuple<std::int64_t, std::int64_t, std::int64_t>>{
             {big, 32767, low},
             {low, -32767, big},
             {7, 9973, 2000000000},
             {-997, -991, 1},
             {1, -32767, low},
             {big, 2, 1},
             {-32767, 32766, big},
         }) {
        const std::int64_t limit = std::max({std::llabs(a), std::llabs(b), std::llabs(c)});
        const auto hit = FirstAcceptedPair(a, b, c, limit);
        ASSERT_TRUE(hit) << a << ", " << b << ", " << c;
        EXPECT_EQ(a * hit->x + b * hit->y, c); // |a * x| < 2^63 here
        EXPECT_LE(std::llabs(hit->x), limit);
        EXPECT_LE(std::llabs(hit->y), limit);
    }
}

} // namespace
