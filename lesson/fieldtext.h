#pragma once

#include <string>
#include <string_view>

// Whether a coefficient's text says its number plainly: an optional sign and
// decimal digits, nothing else. Only other texts are worth a word on how the
// reading rule took them.
bool IsPlainInteger(std::string_view text);

// A field's text as one line of the account may quote it: valid UTF-8, no
// control characters (each such byte or broken sequence becomes U+FFFD), and
// cut to `limit` characters with an ellipsis.
std::string QuotedFieldText(std::string_view text, std::size_t limit = 40);
