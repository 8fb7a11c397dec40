// The solutions within bounds held against brute force over small boxes, on
// the tasks pupils are set, and at the ends of the ranges the working
// accepts, where no box can be walked and each answer is checked from its
// own pairs instead.

#include "boundedsolutions.h"
#include "boundsmodel.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <sstream>
#include <string>

namespace {

std::string Text(Wide n)
{
    if (n == 0)
        return "0";
    std::string digits;
    const bool negative = n < 0;
    while (n != 0) {
        const int digit = static_cast<int>(n % 10);
        digits.insert(digits.begin(), static_cast<char>('0' + (digit < 0 ? -digit : digit)));
        n /= 10;
    }
    if (negative)
        digits.insert(digits.begin(), '-');
    return digits;
}

std::string Text(const std::vector<SolutionPair> &pairs)
{
    std::string text;
    for (const SolutionPair &p : pairs) {
        text += '(';
        text += Text(p.x);
        text += ',';
        text += Text(p.y);
        text += ')';
    }
    return text;
}

std::string Text(const std::optional<std::int64_t> &end)
{
    return end ? std::to_string(*end) : "_";
}

std::string Describe(std::int64_t A, std::int64_t B, std::int64_t C, const SolutionBounds &b)
{
    std::ostringstream out;
    out << A << "x + " << B << "y = " << C << ", x in [" << Text(b.xMin) << ", " << Text(b.xMax)
        << "], y in [" << Text(b.yMin) << ", " << Text(b.yMax) << "]";
    return out.str();
}

void ExpectAsTheModel(std::int64_t A, std::int64_t B, std::int64_t C, const SolutionBounds &bounds,
                      std::int64_t radius)
{
    const BoundedSolutions s = SolveWithinBounds(A, B, C, bounds);
    const ModelSolutions model = BruteForce(A, B, C, bounds, radius);
    SCOPED_TRACE(Describe(A, B, C, bounds));
    EXPECT_EQ(s.count.has_value(), !model.infinite && !s.none);
    EXPECT_EQ(s.none, !model.infinite && model.count == 0);
    if (s.count) {
        EXPECT_EQ(Text(*s.count), Text(model.count));
    }
    EXPECT_EQ(Text(s.first), Text(model.first));
    EXPECT_EQ(Text(s.last), Text(model.last));
    EXPECT_EQ(s.smallestX.has_value(), model.smallestX.has_value());
    if (s.smallestX && model.smallestX) {
        EXPECT_EQ(Text(*s.smallestX), Text(*model.smallestX));
    }
    EXPECT_EQ(s.largestX.has_value(), model.largestX.has_value());
    if (s.largestX && model.largestX) {
        EXPECT_EQ(Text(*s.largestX), Text(*model.largestX));
    }
}

TEST(BoundedSolutions, TheTasksPupilsAreSet)
{
    struct Row
    {
        const char *task;
        std::int64_t a, b, c;
        SolutionBounds bounds;
        std::vector<SolutionPair> solutions;
    };
    const std::vector<Row> rows = {
        {"natural solutions of 3x + 5y = 47",
         3,
         5,
         47,
         SolutionBounds::Natural(),
         {{4, 7}, {9, 4}, {14, 1}}},
        {"rabbits and pheasants with 18 legs",
         4,
         2,
         18,
         SolutionBounds::NonNegative(),
         {{0, 9}, {1, 7}, {2, 5}, {3, 3}, {4, 1}}},
        {"0x + 4y = 8 with -3 <= x <= 3",
         0,
         4,
         8,
         {-3, 3, std::nullopt, std::nullopt},
         {{-3, 2}, {-2, 2}, {-1, 2}, {0, 2}, {1, 2}, {2, 2}, {3, 2}}},
        {"5x + 0y = 10 with 1 <= y <= 3",
         5,
         0,
         10,
         {std::nullopt, std::nullopt, 1, 3},
         {{2, 1}, {2, 2}, {2, 3}}},
        {"0x + 0y = 0 in a box of four",
         0,
         0,
         0,
         {0, 1, -1, 0},
         {{0, -1}, {0, 0}, {1, -1}, {1, 0}}},
        {"natural solutions where x and y rise together",
         91,
         -35,
         14,
         {1, 20, 1, 60},
         {{4, 10}, {9, 23}, {14, 36}, {19, 49}}},
        {"one solution, on both bounds", 2, 3, 12, SolutionBounds::Natural(), {{3, 2}}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.task);
        const BoundedSolutions s = SolveWithinBounds(row.a, row.b, row.c, row.bounds);
        ASSERT_TRUE(s.count.has_value());
        EXPECT_EQ(Text(*s.count), std::to_string(row.solutions.size()));
        EXPECT_EQ(Text(s.first), Text(row.solutions));
        EXPECT_TRUE(s.last.empty());
    }
}

TEST(BoundedSolutions, TheSmallestPositiveXOf91xMinus35yEquals14)
{
    const BoundedSolutions s = SolveWithinBounds(91, -35, 14, {1, std::nullopt, std::nullopt, {}});
    ASSERT_TRUE(s.smallestX.has_value());
    EXPECT_EQ(Text(*s.smallestX), "4");
    EXPECT_FALSE(s.largestX.has_value());
    EXPECT_FALSE(s.count.has_value());
    EXPECT_EQ(Text(s.first), "(4,10)(9,23)(14,36)(19,49)(24,62)");
}

TEST(BoundedSolutions, NoneAndWhy)
{
    // No solution at all: the equation's, whatever the bounds.
    EXPECT_EQ(SolveWithinBounds(4, 6, 3, {}).equation, BoundedSolutions::Equation::Unsolvable);
    EXPECT_TRUE(SolveWithinBounds(0, 0, 5, SolutionBounds::Natural()).none);
    EXPECT_TRUE(SolveWithinBounds(0, 4, 6, SolutionBounds::Natural()).none);

    // A bound that no t can meet: y = 2 in every solution.
    const BoundedSolutions never = SolveWithinBounds(0, 4, 8, {std::nullopt, {}, 3, {}});
    EXPECT_TRUE(never.none);
    ASSERT_EQ(never.steps.size(), 1u);
    EXPECT_EQ(never.steps[0].outcome, BoundOnT::Outcome::Never);

    // Ends of t that cross once rounded, though the fractions do not:
    // 3x + 5y = 1 has x = 2 − 5t, and 1 <= x <= 4 asks 1/5 >= t >= −2/5.
    const BoundedSolutions crossed = SolveWithinBounds(3, 5, 1, {3, 4, std::nullopt, {}});
    EXPECT_TRUE(crossed.none);
    ASSERT_TRUE(crossed.tMin && crossed.tMax);
    EXPECT_GT(*crossed.tMin, *crossed.tMax);
}

TEST(BoundedSolutions, EachEndOfTRoundedTowardTheBound)
{
    // 3x + 5y = 47: x = −1 − 5t, y = 10 + 3t.
    const BoundedSolutions s = SolveWithinBounds(3, 5, 47, SolutionBounds::Natural());
    ASSERT_EQ(s.steps.size(), 2u);
    const BoundOnT &x = s.steps[0], &y = s.steps[1];
    EXPECT_EQ(x.outcome, BoundOnT::Outcome::UpperEnd); // −5t >= 2 turns at the division
    EXPECT_EQ(Text(x.numerator) + "/" + Text(x.denominator), "-2/5");
    EXPECT_EQ(Text(x.whole), "-1");
    EXPECT_EQ(y.outcome, BoundOnT::Outcome::LowerEnd);
    EXPECT_TRUE(y.exact());
    EXPECT_EQ(Text(y.whole), "-3");
}

// Every kind of equation, every combination of ends set and open, over
// boxes small enough to walk.
TEST(BoundedSolutions, MatchTheBruteForceModel)
{
    std::mt19937_64 random(30);
    const auto uniform = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    const auto end = [&]() -> std::optional<std::int64_t> {
        if (uniform(0, 2) == 0)
            return std::nullopt;
        return uniform(-25, 25);
    };
    for (int round = 0; round < 4000; ++round) {
        // Zero coefficients one time in five; C a multiple of the divisor
        // most of the time, so that most equations have solutions.
        const std::int64_t A = uniform(0, 4) == 0 ? 0 : uniform(-9, 9);
        const std::int64_t B = uniform(0, 4) == 0 ? 0 : uniform(-9, 9);
        std::int64_t C = uniform(0, 5) == 0 ? 0 : uniform(-60, 60);
        const std::int64_t g = std::gcd(A, B);
        if (g != 0 && uniform(0, 3) != 0)
            C -= C % g;
        SolutionBounds bounds{end(), end(), end(), end()};
        // Ends that cross now and then, the rest in order.
        if (bounds.xMin && bounds.xMax && *bounds.xMin > *bounds.xMax && uniform(0, 3) != 0)
            std::swap(bounds.xMin, bounds.xMax);
        const bool everyPair = A == 0 && B == 0;
        ExpectAsTheModel(A, B, C, bounds, everyPair ? 40 : 1000);
    }
}

TEST(BoundedSolutions, MatchTheModelAtTheEndsOfTheListing)
{
    // Exactly 20, 21 and 22 solutions: all of them, then the first and the
    // last five.
    for (std::int64_t n : {19, 20, 21, 22}) {
        ExpectAsTheModel(0, 1, 0, {1, n, std::nullopt, {}}, 100);
        ExpectAsTheModel(1, -1, 0, {1, n, 1, n}, 100);
        ExpectAsTheModel(0, 0, 0, {1, 2, 1, (n + 1) / 2}, 40);
    }
    // Open ends toward smaller and larger x, for each sign of p and q.
    for (const auto &[a, b] : {std::pair{3, 5}, {3, -5}, {-3, 5}, {-3, -5}}) {
        ExpectAsTheModel(a, b, 1, {0, {}, {}, {}}, 1000);
        ExpectAsTheModel(a, b, 1, {{}, 0, {}, {}}, 1000);
        ExpectAsTheModel(a, b, 1, {{}, {}, 0, {}}, 1000);
        ExpectAsTheModel(a, b, 1, {{}, {}, {}, 0}, 1000);
    }
}

// Beyond any box: A and C up to ±2^31, B up to ±32767 and bounds anywhere
// in that range. The listed pairs must solve the equation within the bounds,
// one step of the family apart, and one step beyond each listed end must
// break a bound; an open end must still hold far away.
bool Within(const SolutionBounds &b, const SolutionPair &p)
{
    return (!b.xMin || p.x >= *b.xMin) && (!b.xMax || p.x <= *b.xMax) &&
           (!b.yMin || p.y >= *b.yMin) && (!b.yMax || p.y <= *b.yMax);
}

void ExpectConsistentAtScale(std::int64_t A, std::int64_t B, std::int64_t C,
                             const SolutionBounds &bounds)
{
    SCOPED_TRACE(Describe(A, B, C, bounds));
    const BoundedSolutions s = SolveWithinBounds(A, B, C, bounds);
    const std::int64_t g = std::gcd(A, B);
    if (g == 0 || C % g != 0) {
        EXPECT_TRUE(s.none);
        EXPECT_TRUE(s.first.empty() && s.last.empty());
        return;
    }
    ASSERT_EQ(s.equation, BoundedSolutions::Equation::Family);
    // The step between neighbours along x, from the equation alone.
    const Wide stepX = B == 0 ? 0 : (B > 0 ? B / g : -B / g);
    const Wide stepY = B == 0 ? 1 : (B > 0 ? -A / g : A / g);
    const auto solves = [&](const SolutionPair &p) { return Wide(A) * p.x + Wide(B) * p.y == C; };
    const auto next = [&](const SolutionPair &p, Wide k) {
        return SolutionPair{p.x + stepX * k, p.y + stepY * k};
    };
    for (const auto *list : {&s.first, &s.last})
        for (std::size_t k = 0; k < list->size(); ++k) {
            EXPECT_TRUE(solves((*list)[k]));
            EXPECT_TRUE(Within(bounds, (*list)[k]));
            if (k > 0) {
                EXPECT_EQ((*list)[k], next((*list)[k - 1], 1));
            }
        }
    if (s.none) {
        EXPECT_TRUE(s.first.empty() && s.last.empty());
        return;
    }
    const bool listedToTheEnd = s.count && *s.count <= static_cast<Wide>(AllListedUpTo);
    const SolutionPair *lastOne =
        !s.last.empty() ? &s.last.back() : (listedToTheEnd ? &s.first.back() : nullptr);
    // With neither end listed, no bound limits t and the particular solution
    // is as good a place to start as any.
    const SolutionPair particular{s.family.x0, s.family.y0};
    const SolutionPair &someOne =
        !s.first.empty() ? s.first.front() : (lastOne ? *lastOne : particular);
    EXPECT_TRUE(solves(someOne));
    EXPECT_TRUE(Within(bounds, someOne));
    const Wide far = 1'000'000'000'000;
    if (!s.first.empty())
        EXPECT_FALSE(Within(bounds, next(s.first.front(), -1)));
    else
        EXPECT_TRUE(Within(bounds, next(someOne, -far)));
    if (lastOne)
        EXPECT_FALSE(Within(bounds, next(*lastOne, 1)));
    else
        EXPECT_TRUE(Within(bounds, next(someOne, far)));
    if (s.count && stepX != 0 && lastOne) {
        EXPECT_EQ(Text(*s.count), Text((lastOne->x - s.first.front().x) / stepX + 1));
    }
}

TEST(BoundedSolutions, StayExactAtTheEndsOfTheRanges)
{
    const std::int64_t low = INT32_MIN, high = INT32_MAX;
    const std::vector<std::array<std::int64_t, 3>> equations = {
        {high, 32767, low},        {low, -32767, -1}, {low, 32767, high}, {high, -32766, -high},
        {2147458663, -28657, low}, {1, 1, high},      {low, 2, low},      {0, 32767, low + 1},
        {high, 0, high},           {1, -32767, 0},
    };
    const std::vector<SolutionBounds> boxes = {
        SolutionBounds::Natural(),
        SolutionBounds::NonNegative(),
        {low, high, low, high},
        {low, std::nullopt, std::nullopt, high},
        {std::nullopt, high, low, std::nullopt},
        {high, high, std::nullopt, std::nullopt},
        {std::nullopt, std::nullopt, low, low},
        {-1000, 1000, std::nullopt, std::nullopt},
    };
    for (const auto &[a, b, c] : equations)
        for (const SolutionBounds &box : boxes)
            ExpectConsistentAtScale(a, b, c, box);

    std::mt19937_64 random(2147483647);
    const auto uniform = [&](std::int64_t from, std::int64_t to) {
        return std::uniform_int_distribution<std::int64_t>(from, to)(random);
    };
    const auto end = [&]() -> std::optional<std::int64_t> {
        switch (uniform(0, 3)) {
        case 0:
            return std::nullopt;
        case 1:
            return uniform(-100, 100);
        default:
            return uniform(low, high);
        }
    };
    for (int round = 0; round < 3000; ++round) {
        const std::int64_t a = uniform(low, high), b = uniform(-32767, 32767);
        std::int64_t c = uniform(low, high);
        const std::int64_t g = std::gcd(a, b);
        if (g != 0)
            c -= c % g;
        SolutionBounds box{end(), end(), end(), end()};
        if (box.xMin && box.xMax && *box.xMin > *box.xMax)
            std::swap(box.xMin, box.xMax);
        if (box.yMin && box.yMax && *box.yMin > *box.yMax)
            std::swap(box.yMin, box.yMax);
        ExpectConsistentAtScale(a, b, c, box);
    }
}

TEST(BoundedSolutions, EveryPairCountedBeyondSixtyFourBits)
{
    const std::int64_t far = std::int64_t(1) << 62;
    const BoundedSolutions s = SolveWithinBounds(0, 0, 0, {-far, far, -far, far});
    ASSERT_TRUE(s.count.has_value());
    // (2^63 + 1)^2 = 2^126 + 2^64 + 1
    EXPECT_EQ(Text(*s.count), Text((Wide(1) << 126) + (Wide(1) << 64) + 1));
    EXPECT_EQ(Text(s.first), "(-4611686018427387904,-4611686018427387904)"
                             "(-4611686018427387904,-4611686018427387903)"
                             "(-4611686018427387904,-4611686018427387902)"
                             "(-4611686018427387904,-4611686018427387901)"
                             "(-4611686018427387904,-4611686018427387900)");
    EXPECT_EQ(s.last.back(), (SolutionPair{far, far}));
}

} // namespace
