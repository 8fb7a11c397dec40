#pragma once

// Euclid's way worked out apart from the library: a recursive extended
// Euclid and a search for the smallest pair in 128-bit integers, its own
// parsing and range checks, the school notation written by hand for the
// shapes the lesson uses, and the catalogue's messages filled by plain
// search and replace. What the library writes is held against it line by
// line; every formula it puts in a line is given back with the values of
// its letters, for the reader of the notation (schoolformula.h) to evaluate.

#include "catalogue.h"
#include "schoolformula.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

__extension__ typedef __int128 Wide;

std::string WideText(Wide n); // ASCII: "-5"

// The pair the working's search reported, read back from its lines.
std::optional<std::pair<Wide, Wide>> TranscriptPair(const std::vector<std::string> &transcript,
                                                    const TranscriptTexts &say);

struct ModelInput
{
    std::array<std::string, 3> texts;
    // For a text that is not a plain integer: the value it is read as, as the
    // working prints it ("1", "-8", "9E+99"). Unused for plain texts.
    std::array<std::string, 3> readAs;
    std::optional<std::pair<Wide, Wide>> transcriptPair;
};

// A formula as it stands in a line, with the values its letters have there.
// `holds` is false for an equation the lesson states without claiming it
// true (the equation to solve, one with no integer solution).
struct ModelFormula
{
    std::string text;
    NameValues names;
    bool holds = true;
};

struct ModelLesson
{
    std::vector<std::string> lines;
    std::vector<ModelFormula> formulas;
    // Where the lesson reaches them: the GCD, Bézout's u and v of
    // d = u·A + v·B, the particular and general solution, the table's rows
    // (q, r, s, t).
    std::optional<Wide> gcd;
    std::optional<std::pair<Wide, Wide>> bezout, particular;
    std::optional<std::pair<Wide, Wide>> steps; // −B/d and A/d, x's and y's per t
    std::vector<std::array<Wide, 4>> tableRows;
};

ModelLesson ModelEuclid(const ModelInput &input, const Catalogue &language, bool table = false);

// ModelInput for three integers written plainly.
ModelInput PlainInput(Wide a, Wide b, Wide c);
