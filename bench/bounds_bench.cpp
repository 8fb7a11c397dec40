// How long the solutions within bounds take: the computation alone and the
// whole account in Bulgarian, on the largest coefficients and bounds the
// front ends accept, and the slowest of many random tasks.

#include "boundedsolutions.h"
#include "boundsaccount.h"

#include "catalogues.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include <time.h>

namespace {

struct Task
{
    std::string name;
    std::int64_t a, b, c;
    SolutionBounds bounds;
};

constexpr std::int64_t Low = INT32_MIN, High = INT32_MAX;

const std::vector<Task> Tasks = {
    {"3x+5y=47 natural", 3, 5, 47, SolutionBounds::Natural()},
    // the longest division chain, every bound at an end of the range
    {"2147458663x-28657y=-2^31 box", 2147458663, -28657, Low, {Low, High, Low, High}},
    {"2^31-1,32767,-2^31 box", High, 32767, Low, {Low, High, Low, High}},
    {"x+y=2^31-1 natural", 1, 1, High, SolutionBounds::Natural()},
    {"0x+0y=0 box", 0, 0, 0, {Low, High, Low, High}},
    {"0x+32767y=-32767 x box", 0, 32767, -32767, {Low, High, std::nullopt, std::nullopt}},
};

const Catalogue &Language()
{
    return *Catalogues.front();
}

void Compute(const Task &t)
{
    BoundedSolutions s = SolveWithinBounds(t.a, t.b, t.c, t.bounds);
    benchmark::DoNotOptimize(s);
}

void Account(const Task &t)
{
    std::string text = BoundsAccountOf(t.a, t.b, t.c, t.bounds, Language());
    benchmark::DoNotOptimize(text);
}

std::vector<Task> RandomTasks(std::size_t count)
{
    std::mt19937_64 random(30);
    const auto uniform = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    const auto end = [&]() -> std::optional<std::int64_t> {
        if (uniform(0, 3) == 0)
            return std::nullopt;
        return uniform(Low, High);
    };
    std::vector<Task> tasks;
    while (tasks.size() < count) {
        const std::int64_t a = uniform(Low, High), b = uniform(-32767, 32767);
        std::int64_t c = uniform(Low, High);
        if (const std::int64_t g = std::gcd(a, b); g != 0)
            c -= c % g;
        SolutionBounds bounds{end(), end(), end(), end()};
        if (bounds.xMin && bounds.xMax && *bounds.xMin > *bounds.xMax)
            std::swap(bounds.xMin, bounds.xMax);
        if (bounds.yMin && bounds.yMax && *bounds.yMin > *bounds.yMax)
            std::swap(bounds.yMin, bounds.yMax);
        tasks.push_back({"random", a, b, c, bounds});
    }
    return tasks;
}

// The thread's own time: the machine may be busy with other work.
double ThreadMicros()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// Each task timed nine times and taken at its median; the slowest named.
template <typename Run> void PrintSlowest(const char *what, const std::vector<Task> &tasks, Run run)
{
    double worst = 0;
    const Task *worstTask = nullptr;
    for (const Task &task : tasks) {
        std::array<double, 9> micros{};
        for (double &us : micros) {
            const double start = ThreadMicros();
            run(task);
            us = ThreadMicros() - start;
        }
        std::nth_element(micros.begin(), micros.begin() + 4, micros.end());
        if (micros[4] > worst) {
            worst = micros[4];
            worstTask = &task;
        }
    }
    if (worstTask)
        std::printf("%s, slowest of %zu tasks: %.2f us median CPU (%lld, %lld, %lld) -> %s\n", what,
                    tasks.size(), worst, static_cast<long long>(worstTask->a),
                    static_cast<long long>(worstTask->b), static_cast<long long>(worstTask->c),
                    worst < 250    ? "well under a millisecond"
                    : worst < 1000 ? "under a millisecond"
                                   : "TARGET MISSED");
}

} // namespace

int main(int argc, char **argv)
{
    for (const Task &task : Tasks) {
        benchmark::RegisterBenchmark(("SolveWithinBounds/" + task.name).c_str(),
                                     [task](benchmark::State &state) {
                                         for (auto _ : state)
                                             Compute(task);
                                     })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BoundsAccount/" + task.name).c_str(),
                                     [task](benchmark::State &state) {
                                         for (auto _ : state)
                                             Account(task);
                                     })
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::vector<Task> tasks = RandomTasks(4096);
    tasks.insert(tasks.end(), Tasks.begin(), Tasks.end());
    std::printf("\nSolutions within bounds, worst case (target: well under a millisecond)\n");
    PrintSlowest("computation", tasks, Compute);
    PrintSlowest("account in Bulgarian", tasks, Account);
    return 0;
}
