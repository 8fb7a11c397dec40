#include "value.h"

#include <cmath>

double AsDouble(const Value &value)
{
    if (const auto *d = std::get_if<double>(&value))
        return *d;
    if (const auto *i = std::get_if<std::int16_t>(&value))
        return *i;
    if (const auto *i = std::get_if<std::int32_t>(&value))
        return *i;
    return 0.0;
}

// nearbyint follows the default rounding mode, which rounds ties to even.
std::int16_t ToInt16(double value)
{
    return static_cast<std::int16_t>(std::nearbyint(value));
}

std::int32_t ToInt32(double value)
{
    return static_cast<std::int32_t>(std::nearbyint(value));
}
