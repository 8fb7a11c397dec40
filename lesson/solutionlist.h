#pragma once

// "Your answer" for a task with bounds: the pupil lists the solutions the
// bounds allow, "(4; 7), (9; 4)" or "(4, 7), (9, 4)", and learns which of
// them do not solve the equation, which break a bound, which are listed
// twice and how many are missing, never which ones: those are for the
// hints to give.

#include "answercheck.h"
#include "catalogue.h"
#include "solutionbounds.h"
#include "wideint.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One item of the list as typed: a pair of whole numbers in brackets, with a
// semicolon or a comma between them and blanks anywhere, or the text that is
// none (kept as typed, to be named).
struct ListedSolution
{
    bool read = false;
    Wide x = 0;
    Wide y = 0;
    std::string text; // where not read
};

// Items are set apart by commas, semicolons or blanks; a minus is "-" or
// "−". Numbers of more than 18 digits are not read.
std::vector<ListedSolution> ReadSolutionList(std::string_view text);

// What is said of each item, in the order typed:
//  - not read: how to write a solution;
//  - not a solution: its arithmetic, A·x + B·y with the sum, against C;
//  - a solution that breaks a bound: the first bound it breaks, in the
//    order x ≥, x ≤, y ≥, y ≤;
//  - a right one listed again;
// then how many are right, and either how many are missing or that the list
// is complete. Right only when every item is a solution within the bounds,
// once, and none is missing. Refused, with one line, where the bounds leave
// infinitely many solutions, which no list holds. Expects A, B, C within the
// ranges the working accepts.
AnswerCheck CheckSolutionList(std::int64_t A, std::int64_t B, std::int64_t C,
                              const SolutionBounds &bounds, std::string_view list,
                              const Catalogue &language);

// The same for the three coefficient texts, read as the transcript reads
// them; a coefficient out of its range is refused as CheckAnswer refuses it.
AnswerCheck CheckSolutionListOf(std::string_view a, std::string_view b, std::string_view c,
                                const SolutionBounds &bounds, std::string_view list,
                                const Catalogue &language);

// The hints for such a list, one at a time, each building on the last, the
// lines of one set apart by "\n": each bound turned into an inequality on t
// from the general solution; the range of t; the count; the whole list. For
// an equation without integer solutions the practice's own, ending in why
// there is none. None where no bound is set, where the bounds leave
// infinitely many solutions and where a coefficient is refused.
std::vector<std::string> SolutionListHints(std::string_view a, std::string_view b,
                                           std::string_view c, const SolutionBounds &bounds,
                                           const Catalogue &language);
