#pragma once

#include <string>
#include <string_view>

// The whole of a file, as bytes; throws when it cannot be read.
std::string ReadFile(const std::string &path);

// Writes the bytes as the whole file; throws when it cannot.
void WriteFile(const std::string &path, std::string_view bytes);

// Puts the value where the marker first stands; throws when it stands nowhere.
void ReplaceMarker(std::string &text, std::string_view marker, std::string_view value);
