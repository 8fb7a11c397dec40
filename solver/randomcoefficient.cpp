#include "randomcoefficient.h"

#include "numbertext.h"
#include "value.h"

std::string RandomCoefficient(float r, double range)
{
    // A whole number has no decimal separator to choose.
    return NumberText(Value(ToInt32(static_cast<double>(r) * range + 1.0)), ".");
}
