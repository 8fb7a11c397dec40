#pragma once

#include "catalogue.h"
#include "sheetrandom.h"
#include "worksheet.h"

#include <string>
#include <vector>

// A word problem's natural solutions are between these many.
inline constexpr int FewestWordSolutions = 1;
inline constexpr int MostWordSolutions = 6;

// The numbers of a problem of that kind: a and b as things of its kind come
// (coins of 2, 5, 10, 20 and 50, animals' legs 4 and 2, …), c such that
// ax + by = c has between FewestWordSolutions and MostWordSolutions natural
// solutions. Draws again where a draw gives more, a bounded number of times,
// then takes c = a + b, whose only natural solution is (1, 1).
SheetEquation DrawWordProblem(WordProblemKind kind, SheetRandom &random);

// The natural solutions of the problem's equation, ordered by x.
struct WordSolution
{
    std::int64_t x;
    std::int64_t y;
    bool operator==(const WordSolution &) const = default;
};
std::vector<WordSolution> NaturalSolutions(const SheetEquation &equation);

// The problem's text, and what its unknowns stand for, in that language.
std::string WordProblemText(WordProblemKind kind, const SheetEquation &equation,
                            const Catalogue &language);
std::string WordProblemUnknowns(WordProblemKind kind, const SheetEquation &equation,
                                const Catalogue &language);

const WordProblemTexts &WordTextsOf(WordProblemKind kind, const Catalogue &language);
