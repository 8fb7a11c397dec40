#pragma once

#include <string>
#include <string_view>

// A transcript kept once in tests/golden for every suite, native and browser,
// to hold its own answer against; `name` as "transcript-3-5-1.en.txt".
std::string GoldenTranscript(std::string_view name);
