#include "boundsmodel.h"

#include <algorithm>

namespace {

std::vector<SolutionPair> Box(std::int64_t A, std::int64_t B, std::int64_t C,
                              const SolutionBounds &b, std::int64_t radius)
{
    const std::int64_t xLow = b.xMin.value_or(-radius), xHigh = b.xMax.value_or(radius);
    const std::int64_t yLow = b.yMin.value_or(-radius), yHigh = b.yMax.value_or(radius);
    std::vector<SolutionPair> pairs;
    for (std::int64_t x = xLow; x <= xHigh; ++x) {
        const std::int64_t rest = C - A * x;
        if (B != 0) {
            if (rest % B == 0 && rest / B >= yLow && rest / B <= yHigh)
                pairs.push_back({x, rest / B});
        } else if (rest == 0) {
            for (std::int64_t y = yLow; y <= yHigh; ++y)
                pairs.push_back({x, y});
        }
    }
    // x rises with the loop; within one x, so does y.
    return pairs;
}

std::vector<SolutionPair> Head(const std::vector<SolutionPair> &pairs, std::size_t n)
{
    return {pairs.begin(), pairs.begin() + static_cast<std::ptrdiff_t>(std::min(n, pairs.size()))};
}

std::vector<SolutionPair> Tail(const std::vector<SolutionPair> &pairs, std::size_t n)
{
    return {pairs.end() - static_cast<std::ptrdiff_t>(std::min(n, pairs.size())), pairs.end()};
}

} // namespace

ModelSolutions BruteForce(std::int64_t A, std::int64_t B, std::int64_t C,
                          const SolutionBounds &bounds, std::int64_t radius)
{
    const std::vector<SolutionPair> near = Box(A, B, C, bounds, radius);
    const std::vector<SolutionPair> far = Box(A, B, C, bounds, 2 * radius);
    ModelSolutions model;
    model.infinite = near.size() != far.size();
    if (!model.infinite) {
        model.count = static_cast<Wide>(near.size());
        if (near.size() <= AllListedUpTo) {
            model.first = near;
        } else {
            model.first = Head(near, ListedAtEachEnd);
            model.last = Tail(near, ListedAtEachEnd);
        }
    } else {
        // An end is real where closing the box farther away leaves it be.
        if (Head(near, ListedAtEachEnd) == Head(far, ListedAtEachEnd))
            model.first = Head(near, ListedAtEachEnd);
        if (Tail(near, ListedAtEachEnd) == Tail(far, ListedAtEachEnd))
            model.last = Tail(near, ListedAtEachEnd);
    }
    if (!far.empty()) {
        const auto [nearLow, nearHigh] = std::minmax_element(
            near.begin(), near.end(), [](auto &a, auto &b) { return a.x < b.x; });
        const auto [farLow, farHigh] =
            std::minmax_element(far.begin(), far.end(), [](auto &a, auto &b) { return a.x < b.x; });
        if (!near.empty() && nearLow->x == farLow->x)
            model.smallestX = nearLow->x;
        if (!near.empty() && nearHigh->x == farHigh->x)
            model.largestX = nearHigh->x;
    }
    return model;
}
