#pragma once

#include <cstdint>
#include <variant>

// A numeric value as the transcript sees it: empty until assigned, a 16-bit or
// a 32-bit signed integer, or a double. An empty value prints as nothing.
using Value = std::variant<std::monostate, std::int16_t, std::int32_t, double>;

// Zero for an empty value, the number otherwise.
double AsDouble(const Value &value);

// Round to the nearest integer, a tie going to the even neighbour (2.5 -> 2,
// 3.5 -> 4). The caller keeps the argument inside the target's range.
std::int16_t ToInt16(double value);
std::int32_t ToInt32(double value);

// The values that outlive one calculation. They belong to the window; each
// calculation overwrites them and no command resets them.
struct SolverValues
{
    Value A; // empty until the first calculation reads it, then a double
    Value B;
    Value C;
    std::int16_t NOD = 0; // written only when A * B != 0
};
