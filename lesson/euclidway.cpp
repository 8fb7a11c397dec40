#include "euclidway.h"

#include "euclid.h"

std::string EuclidWay::Write(const std::array<std::string, 3> &coefficients,
                             std::string_view decimalSeparator, const Catalogue &language) const
{
    return EuclidAccount(coefficients[0], coefficients[1], coefficients[2], decimalSeparator,
                         language);
}
