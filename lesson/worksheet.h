#pragma once

#include "wordproblemkind.h"
#include "worksheetchoices.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One equation Ax + By = C of a worksheet.
struct SheetEquation
{
    std::int64_t a;
    std::int64_t b;
    std::int64_t c;

    auto operator<=>(const SheetEquation &) const = default;
};

// One pupil's (or group's) equations, under the code that heads them on the
// sheet and in the key: the sheet's code and the variant's number, "4711-2".
struct SheetVariant
{
    std::string code;
    std::vector<SheetEquation> equations;
    // Item by item, the kind of word problem the equation is set as; none
    // for a bare equation.
    std::vector<std::optional<WordProblemKind>> words = {};
};

struct Worksheet
{
    WorksheetChoices choices;
    std::vector<SheetVariant> variants;
};

// The worksheet that the code and the choices fix, the same in every build.
// Expects valid choices (see ReadWorksheetOptions) with a code.
//
// What it holds: |A|, |B| and |C| at most the range; |A|, |B| at least 2
// unless the range is 10; each of A, B, C negative one time in four; with
// zeros allowed, one item in eight has a zero: C (solvable only), A or B,
// never both. Half the solvable items have a GCD above 1, so that the
// reduction shows. Exactly UnsolvableCount items have no integer solution.
// Item k is planned once for the sheet and is of one kind in every variant:
// solvable or not, the same coefficient 0, a GCD above 1 or not, and from a
// range of 100 on, |A| and |B| each from the same third of the range (m with
// (m − 1)·3 / range the same); only the range 10, where equations run short,
// may fall back to another of the kind, then to any solvable (or not) one.
// No equation appears twice in the whole sheet, nor within one variant as
// its own negation.
//
// Word problems: WordProblemCount items, the same in every variant and of
// the same kind there, solvable items taken first; each variant draws its
// own numbers. The other items are the ones the sheet has without them.
Worksheet GenerateWorksheet(const WorksheetChoices &choices);

// The unsolvable equations of a variant: the share of the count, rounded half up.
int UnsolvableCount(int count, int percent);

// The word problems of a variant: the share of the count, rounded half up.
int WordProblemCount(int count, int percent);
