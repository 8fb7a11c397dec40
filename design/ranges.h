#pragma once

#include <array>
#include <string_view>

// The ranges offered for random coefficients, in the order listed.
inline constexpr std::array<std::string_view, 7> RangeEntries = {"10",   "100",  "200", "500",
                                                                 "1000", "1500", "2000"};
