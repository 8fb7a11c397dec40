// How long one calculation takes: Solve on the worked examples, on the largest
// allowed coefficients and on random allowed inputs, and the fast search
// against the literal walk of the square where that walk finishes. Then
// Euclid's way of an equation, on its longest division chain too.

#include "euclid.h"
#include "oracle.h"
#include "solver.h"
#include "solvetexts.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

struct Texts
{
    std::string a, b, c;
};

std::string Name(const Texts &texts)
{
    return texts.a + "," + texts.b + "," + texts.c;
}

const std::vector<Texts> Cases = {
    // worked examples: every road through Solve
    {"3", "5", "7"},
    {"3", "5", "1"},
    {"2", "3", "1"},
    {"-5", "-3", "1"},
    {"-2", "-3", "-1"},
    {"4", "-6", "2"},
    {"12", "-18", "30"},
    {"-12", "-18", "-30"},
    {"5", "5", "10"},
    {"4", "6", "3"},
    {"4", "6", "0"},
    {"0", "0", "5"},
    {"0", "4", "6"},
    {"3", "0", "9"},
    // large coefficients, where the literal walk would take minutes to ages
    {"9973", "9967", "9999"},
    {"7", "9973", "2e9"},
    {"-997", "-991", "1"},
    {"2147483647", "32767", "-2147483648"},
    {"-2147483648", "-32767", "-1"},
    {"-2147483648", "32767", "2147483647"},
    {"2147483647", "-32766", "-2147483647"},
};

const RandomSource &T4()
{
    static const RandomSource random = FixedT({4});
    return random;
}

void SolveOnce(const Texts &texts)
{
    Working working = Solve({texts.a, texts.b, texts.c}, T4(), ".", Bulgarian.transcript);
    benchmark::DoNotOptimize(working);
}

// A within the 32-bit range, B within -32767..32767, C within the 32-bit range.
std::vector<Texts> RandomInputs(std::size_t count, bool solvableOnly)
{
    std::mt19937_64 generator(20240611);
    std::uniform_int_distribution<std::int64_t> wide(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<std::int64_t> narrow(-32767, 32767);
    std::vector<Texts> inputs;
    while (inputs.size() < count) {
        const std::int64_t a = wide(generator), b = narrow(generator), c = wide(generator);
        const std::int64_t g = std::gcd(a, b);
        if (solvableOnly && (a == 0 || b == 0 || c == 0 || c % g != 0))
            continue;
        inputs.push_back({std::to_string(a), std::to_string(b), std::to_string(c)});
    }
    return inputs;
}

const std::vector<Texts> &Random()
{
    static const std::vector<Texts> inputs = RandomInputs(4096, false);
    return inputs;
}

// The road through the search and the check, which costs the most.
const std::vector<Texts> &RandomSolvable()
{
    static const std::vector<Texts> inputs = RandomInputs(4096, true);
    return inputs;
}

void SolveSweep(benchmark::State &state, const std::vector<Texts> &inputs)
{
    std::size_t next = 0;
    for (auto _ : state) {
        SolveOnce(inputs[next]);
        next = (next + 1) % inputs.size();
    }
}

// The longest chain of divisions the ranges allow: |B| = 28657 and |A| mod |B|
// = 17711 are consecutive Fibonacci numbers, so Euclid's algorithm takes 22
// divisions, and C at the end of its range makes the particular solution's
// numbers the largest.
const std::vector<Texts> AccountCases = {
    {"2147458663", "-28657", "-2147483648"},
    {"1836311903", "25632", "2147483647"},
    {"91", "35", "14"},
    {"4", "6", "3"},
};

void AccountOnce(const Texts &texts)
{
    std::string account = EuclidAccount(texts.a, texts.b, texts.c, ".", Bulgarian);
    benchmark::DoNotOptimize(account);
}

void AccountSweep(benchmark::State &state, const std::vector<Texts> &inputs)
{
    std::size_t next = 0;
    for (auto _ : state) {
        AccountOnce(inputs[next]);
        next = (next + 1) % inputs.size();
    }
}

// 9973x + 9967y = 9999: the walk accepts (-3317, 3320) after some 3.3 * 10^7 pairs.
constexpr std::int64_t WalkA = 9973, WalkB = 9967, WalkC = 9999, WalkLimit = 9999;

void LiteralWalk(benchmark::State &state)
{
    double a = WalkA, b = WalkB, c = WalkC, limit = WalkLimit;
    std::optional<LiteralPair> pair;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        pair = LiteralSearch(a, b, c, limit);
        benchmark::DoNotOptimize(pair);
    }
    const auto fast = FirstAcceptedPair(WalkA, WalkB, WalkC, WalkLimit);
    if (!pair || !fast || pair->x != static_cast<double>(fast->x) ||
        pair->y != static_cast<double>(fast->y) || pair->test != fast->test)
        state.SkipWithError("the fast search disagrees with the literal walk");
}

void FastSearch(benchmark::State &state)
{
    std::int64_t a = WalkA, b = WalkB, c = WalkC, limit = WalkLimit;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        auto pair = FirstAcceptedPair(a, b, c, limit);
        benchmark::DoNotOptimize(pair);
    }
}

// Prints as the console reporter does and keeps each benchmark's median (or
// its only run) in seconds for the summary.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    // Colour only on a terminal, as the default reporter does.
    SummaryReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!median && run.run_type != Run::RT_Iteration)
                continue;
            auto &[seconds, isMedian] = times_[run.run_name.function_name];
            if (isMedian && !median)
                continue;
            seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            isMedian = median;
        }
    }

    double Seconds(const std::string &name) const
    {
        const auto found = times_.find(name);
        return found == times_.end() ? 0.0 : found->second.first;
    }

    const std::map<std::string, std::pair<double, bool>> &Times() const { return times_; }

private:
    std::map<std::string, std::pair<double, bool>> times_;
};

// The sweep benchmarks give the mean over many inputs; this names the slowest
// single input, each timed nine times and taken at its median.
void PrintSlowestInput(const char *label, const std::vector<Texts> &inputs)
{
    using Clock = std::chrono::steady_clock;
    double worst = 0;
    const Texts *worstInput = nullptr;
    for (const Texts &texts : inputs) {
        std::array<double, 9> micros{};
        for (double &us : micros) {
            const auto start = Clock::now();
            SolveOnce(texts);
            us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        }
        std::nth_element(micros.begin(), micros.begin() + 4, micros.end());
        if (micros[4] > worst) {
            worst = micros[4];
            worstInput = &texts;
        }
    }
    if (worstInput)
        std::printf("slowest of %zu %s inputs: %.2f us median (%s)\n", inputs.size(), label, worst,
                    Name(*worstInput).c_str());
}

} // namespace

int main(int argc, char **argv)
{
    for (const Texts &texts : Cases)
        benchmark::RegisterBenchmark(("Solve/" + Name(texts)).c_str(),
                                     [texts](benchmark::State &state) {
                                         for (auto _ : state)
                                             SolveOnce(texts);
                                     })
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Solve/random", SolveSweep, Random())
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Solve/random-solvable", SolveSweep, RandomSolvable())
        ->Unit(benchmark::kMicrosecond);
    // A fixed, small count: one walk takes a good part of a second.
    benchmark::RegisterBenchmark("LiteralSearch/9973,9967,9999", LiteralWalk)
        ->Iterations(2)
        ->Repetitions(3)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FirstAcceptedPair/9973,9967,9999", FastSearch)
        ->Unit(benchmark::kNanosecond);
    for (const Texts &texts : AccountCases)
        benchmark::RegisterBenchmark(("EuclidAccount/" + Name(texts)).c_str(),
                                     [texts](benchmark::State &state) {
                                         for (auto _ : state)
                                             AccountOnce(texts);
                                     })
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("EuclidAccount/random-solvable", AccountSweep, RandomSolvable())
        ->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nSolve, median per call (target: below 20 us for every allowed input)\n");
    std::string slowest;
    double slowestSeconds = 0;
    for (const auto &[name, time] : reporter.Times()) {
        if (name.rfind("Solve/", 0) != 0)
            continue;
        if (time.first > slowestSeconds) {
            slowestSeconds = time.first;
            slowest = name;
        }
    }
    if (!slowest.empty())
        std::printf("slowest case: %s %.2f us -> %s\n", slowest.c_str(), slowestSeconds * 1e6,
                    slowestSeconds < 20e-6 ? "within target" : "TARGET MISSED");
    PrintSlowestInput("random", Random());
    PrintSlowestInput("random solvable", RandomSolvable());

    const std::string worst = "EuclidAccount/" + Name(AccountCases.front());
    if (const double account = reporter.Seconds(worst); account > 0)
        std::printf("\nEuclid's way, longest chain (%s): %.2f us -> %s\n", worst.c_str(),
                    account * 1e6, account < 100e-6 ? "well under a millisecond" : "TARGET MISSED");

    const double walk = reporter.Seconds("LiteralSearch/9973,9967,9999");
    const double fast = reporter.Seconds("FirstAcceptedPair/9973,9967,9999");
    const double solve = reporter.Seconds("Solve/9973,9967,9999");
    if (walk > 0 && fast > 0) {
        std::printf("\n9973, 9967, 9999: literal walk %.1f ms, FirstAcceptedPair %.1f ns\n",
                    walk * 1e3, fast * 1e9);
        std::printf("speed-up: %.0f x (at least 10000 wanted)\n", walk / fast);
        if (solve > 0)
            std::printf("speed-up of the whole Solve over the walk alone: %.0f x\n", walk / solve);
    }
    return 0;
}
