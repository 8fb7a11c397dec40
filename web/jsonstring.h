#pragma once

#include <string>
#include <string_view>

// Appends `text` to `out` as a JSON string: quoted, with quotes, backslashes
// and control characters escaped, and UTF-8 passed through as it is.
void AppendJson(std::string &out, std::string_view text);
