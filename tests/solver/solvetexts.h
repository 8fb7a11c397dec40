#pragma once

// The solver driven as the tests drive it: three coefficient texts and a
// fixed sequence of random draws, so that t is known in advance.

#include "languages.h"
#include "solver.h"

#include <string>
#include <vector>

// Draws r so that t = ToInt16(r * 10 + 1) comes out as `t` (1..11), in order,
// then repeats the last one.
RandomSource FixedT(std::vector<int> ts);

// Solves the three texts and gives the whole transcript.
std::string SolveTexts(const std::string &a, const std::string &b, const std::string &c, int t = 4,
                       std::string_view separator = ".", const Catalogue &language = Bulgarian);

// Splits a transcript at CR LF; a last line without one is marked "<no CR LF>".
std::vector<std::string> Lines(const std::string &transcript);
