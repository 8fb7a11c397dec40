#pragma once

#include "catalogue.h"

#include <array>
#include <string>
#include <string_view>

// An account of the equation in the fields, written beside the transcript
// when the user calculates and gone with the transcript. The visit keeps one
// text per account it was given; a view shows them where it likes.
class Account
{
public:
    virtual ~Account() = default;

    // The account of the three coefficient texts, A, B and C, as typed, read
    // with the user's decimal separator as the transcript reads them.
    virtual std::string Write(const std::array<std::string, 3> &coefficients,
                              std::string_view decimalSeparator,
                              const Catalogue &language) const = 0;
};
