#pragma once

// An account of Euclid's way worked out apart from the library: a recursive
// extended Euclid in 128-bit integers, its own parsing and range checks, the
// catalogue's messages filled by plain search and replace. What the library
// writes is held against it line by line.

#include "catalogue.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

__extension__ typedef __int128 Wide;

std::string WideText(Wide n);

// The pair the transcript's search reported, read back from its lines.
std::optional<std::pair<Wide, Wide>> TranscriptPair(const std::vector<std::string> &transcript,
                                                    const TranscriptTexts &say);

struct ModelInput
{
    std::array<std::string, 3> texts;
    // For a text that is not a plain integer: the value it is read as, as the
    // transcript prints it ("1", "0", "9E+99"). Unused for plain texts.
    std::array<std::string, 3> readAs;
    std::optional<std::pair<Wide, Wide>> transcriptPair;
};

std::vector<std::string> ModelAccount(const ModelInput &input, const Catalogue &language);

// ModelInput for three integers written plainly.
ModelInput PlainInput(Wide a, Wide b, Wide c);
