#pragma once

#include "search.h"
#include "value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What one calculation gives back: the working's lines and the values it
// computed on the way, as its lines print them.
struct Working
{
    std::vector<std::string> lines; // in order, without their CR LF

    // A, B and C as read, then as reduced by the GCD where it divides C;
    // NOD once both A and B are non-zero. Empty where the calculation
    // stopped before it got there.
    SolverValues values;
    bool refused = false;                // a coefficient lay outside its range
    std::optional<std::int64_t> gcd;     // of |A| and |B| as read, before the reduction
    std::optional<SearchHit> particular; // x₀, y₀ of the search
    std::optional<std::int16_t> t;       // the parameter of the check

    // The lines as the transcript holds them, each ending in CR LF.
    std::string Text() const;
};
