#pragma once

#include "euclidlesson.h"
#include "worksheetdesign.h"

#include <cstdint>
#include <string>

enum class Paper { A4, Letter }; // in the order of SheetPapers

// Everything that decides a worksheet. Together with the code it fixes every
// equation; the language, Euclid's way and the paper change only the print.
// Each starts as worksheetdesign.h has it.
struct WorksheetChoices
{
    int count = SheetOptionNamed("count").byDefault; // equations per variant
    int range = SheetOptionNamed("range").byDefault; // coefficients' magnitudes up to it
    int variants = SheetOptionNamed("variants").byDefault;
    std::string language = "bg";                                      // a catalogue's code
    int unsolvablePercent = SheetOptionNamed("unsolvable").byDefault; // without integer solutions
    bool zeros = false;                                               // may A, B or C be 0
    bool euclid = false; // Euclid's way in small print in the key
    EuclidLesson::Method euclidMethod = EuclidLesson::Method::Substitution; // and its method
    Paper paper = Paper::A4;
    std::uint32_t code = 0; // 1..LargestWorksheetCode; 0 until one is typed or drawn
    int space = SheetOptionNamed("space").byDefault;               // cm of room under each equation
    int points = SheetOptionNamed("points").byDefault;             // per item; 0: none shown
    int wordPercent = SheetOptionNamed("word-problems").byDefault; // items set as word problems
    bool pictures = false; // each solvable equation's picture in the key

    bool operator==(const WorksheetChoices &) const = default;
};
