#pragma once

#include <string_view>

// The text without the blanks at either end: spaces and tabs, as a field
// reads them, unless told otherwise.
std::string_view Trimmed(std::string_view text, std::string_view blanks = " \t");
