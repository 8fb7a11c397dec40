#include "solvetexts.h"

#include <gtest/gtest.h>

#include <charconv>
#include <random>

namespace {

std::int64_t Integer(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
    return value;
}

// The integers of "p1 + p2 = c" or "A * (X) + B * (Y) = C", in order.
std::vector<std::int64_t> Numbers(const std::string &line)
{
    std::vector<std::int64_t> numbers;
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t end = line.find(' ', start);
        if (end == std::string::npos)
            end = line.size();
        std::string_view token = std::string_view(line).substr(start, end - start);
        if (token.starts_with('('))
            token.remove_prefix(1);
        if (token.ends_with(')'))
            token.remove_suffix(1);
        if (token != "*" && token != "+" && token != "=")
            numbers.push_back(Integer(token));
        start = end + 1;
    }
    return numbers;
}

TEST(FindSolution, EveryCheckAddsUpForLargeCoefficients)
{
    std::mt19937 generator(8122026);
    std::uniform_int_distribution<std::int64_t> wide(-2147483648LL, 2147483647LL);
    std::uniform_int_distribution<std::int64_t> narrow(-32767, 32767);
    std::uniform_int_distribution<int> parameter(1, 11);
    int checks = 0;
    for (int n = 0; n < 3000; ++n) {
        const std::int64_t a = n % 3 == 0 ? narrow(generator) : wide(generator);
        const std::int64_t b = narrow(generator);
        const std::int64_t c = n % 5 == 0 ? narrow(generator) : wide(generator);
        const int t = parameter(generator);
        const auto lines =
            Lines(SolveTexts(std::to_string(a), std::to_string(b), std::to_string(c), t));
        if (lines.size() < 13)
            continue; // no solution, or a zero coefficient
        ++checks;
        const std::size_t last = lines.size() - 1;
        const auto check = Numbers(lines[last - 1]); // A, X, B, Y, C
        const auto sums = Numbers(lines[last]);      // A*X, B*Y, C
        ASSERT_EQ(check.size(), 5u) << lines[last - 1];
        ASSERT_EQ(sums.size(), 3u) << lines[last];
        EXPECT_EQ(check[0] * check[1], sums[0]) << a << ", " << b << ", " << c;
        EXPECT_EQ(check[2] * check[3], sums[1]) << a << ", " << b << ", " << c;
        EXPECT_EQ(sums[0] + sums[1], sums[2]) << a << ", " << b << ", " << c;
        EXPECT_EQ(lines[last - 3], "Извършва се проверка за t = " + std::to_string(t) + ": ");
        EXPECT_EQ(lines[last - 9].find("открито решение Xо = ; "), std::string::npos);
    }
    EXPECT_GT(checks, 1000);
}

TEST(FindSolution, ParameterCoversOneToElevenWithHalfWeightEnds)
{
    // r = 0 gives 1; r just below 1 gives 11; a tie at 8.5 goes to 8.
    for (const auto &[r, t] : std::vector<std::pair<float, int>>{
             {0.0f, 1}, {0.25f, 4}, {0.75f, 8}, {0.99999994f, 11}, {0.0499f, 1}, {0.05f, 2}}) {
        const RandomSource random = [r] { return r; };
        const auto lines = Solve({"3", "5", "7"}, random, ".", Bulgarian.transcript).lines;
        ASSERT_EQ(lines.size(), 13u);
        EXPECT_EQ(lines[9], "Извършва се проверка за t = " + std::to_string(t) + ": ") << r;
    }
}

} // namespace
