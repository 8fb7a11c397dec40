#pragma once

#include <string>
#include <string_view>

// Text made safe inside an element or a quoted attribute of HTML or SVG.
std::string EscapedMarkup(std::string_view text);
