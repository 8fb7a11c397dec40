#pragma once

#include "account.h"

// Euclid's way beside the transcript, for the equation the user calculated.
class EuclidWay : public Account
{
public:
    std::string Write(const std::array<std::string, 3> &coefficients,
                      std::string_view decimalSeparator, const Catalogue &language) const override;
};
