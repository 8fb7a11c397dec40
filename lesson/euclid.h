#pragma once

#include "catalogue.h"

#include <string>
#include <string_view>

// Euclid's way for the three coefficient texts, read as the transcript reads them; CR LF lines.
std::string EuclidAccount(std::string_view a, std::string_view b, std::string_view c,
                          std::string_view decimalSeparator, const Catalogue &language);
