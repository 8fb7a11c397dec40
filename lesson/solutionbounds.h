#pragma once

#include <cstdint>
#include <optional>

// The bounds a task puts on x and y: "natural" is x >= 1 and y >= 1,
// "non-negative" x >= 0 and y >= 0, or any of the four ends set alone. Each
// end is inclusive; an end not set leaves that side open.
struct SolutionBounds
{
    std::optional<std::int64_t> xMin;
    std::optional<std::int64_t> xMax;
    std::optional<std::int64_t> yMin;
    std::optional<std::int64_t> yMax;

    bool any() const { return xMin || xMax || yMin || yMax; }

    static SolutionBounds Natural() { return {1, std::nullopt, 1, std::nullopt}; }
    static SolutionBounds NonNegative() { return {0, std::nullopt, 0, std::nullopt}; }

    friend bool operator==(const SolutionBounds &, const SolutionBounds &) = default;
};
