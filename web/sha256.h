#pragma once

#include <string>
#include <string_view>

// The SHA-256 digest of the bytes, as 32 raw bytes: a Content-Security-Policy
// allows an inline script or style by the digest of its exact text.
std::string Sha256(std::string_view bytes);
