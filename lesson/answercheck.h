#pragma once

#include "catalogue.h"

#include <string>
#include <string_view>
#include <vector>

// What the pupil entered: a particular solution and the steps of the general
// solution x = x0 + p * t, y = y0 + q * t, or the claim that the equation has
// no integer solution, in which case the four texts are not read.
struct PupilAnswer
{
    std::string x0;
    std::string y0;
    std::string stepX; // p
    std::string stepY; // q
    bool noSolution = false;
};

// Refused: a coefficient lies outside the range the transcript accepts, and
// the answer is not checked.
enum class Verdict { Right, Wrong, Refused };

// What one feedback line says, whatever the language.
enum class Finding {
    CoefficientOutOfRange,
    EntryEmpty,
    EntryNotWhole,
    EntryTooLarge,
    NoSolutionRight, // the claim, for an equation without solutions
    NoSolutionWrong, // the claim, and a solution that exists
    NoPairExists,    // a pair, for an equation without solutions
    ParticularRight,
    ParticularWrong,
    PairSwapped, // y0, x0 solves the equation
    SignOfX,     // -x0, y0 does
    SignOfY,     // x0, -y0 does
    SignsOfBoth, // -x0, -y0 does
    StepsRight,
    StepsRelation,      // A * p + B * q is not 0
    StepsSwapped,       // q, p would be right
    StepsMultipleOfGcd, // the right steps times the GCD
    StepsMultiple,      // the right steps times another whole number
    StepsZero,
    StepsFree, // 0x + 0y = 0: no steps to give
    SameAsTranscript,
    TranscriptParameter, // which t of the transcript's general solution
    // A list of the solutions within bounds (solutionlist.h).
    ListUnreadable,
    ListNotASolution,
    ListOutOfBounds,
    ListRepeated,
    ListRight,
    ListMissing,
    ListComplete,
    ListNoneRight,
    ListEndless,
};

struct FeedbackLine
{
    Finding finding;
    bool mistake; // false for a right finding and for a note
    std::string text;
};

struct AnswerCheck
{
    Verdict verdict;
    std::vector<FeedbackLine> lines;
};

// Checks the pupil's answer to the equation the three coefficient texts give,
// read as the transcript reads them, and says why in the given language, its
// formulas in the board's notation. Exact over the whole accepted range. A
// wrong answer is told what is wrong with what the pupil typed, never a pair
// that solves the equation, the general solution or the right steps: those
// are the hints' (practicehints.h). The lines come in this order, the
// verdict Right only when no line is a mistake:
//  1. a coefficient out of range: one line each, and nothing else (Refused);
//  2. the claim "no integer solution": one line, right or why it is wrong
//     (the GCD divides C);
//  3. each entry not typed as a plain whole number, in the order x0, y0, p,
//     q: one line saying how it was read. It is a mistake in itself, as the
//     answer is whole numbers; the check goes on with the number read, so the
//     pupil sees what it gives, and stops only where an entry is too large.
//     An empty entry is told how its value is found, and its pair or its
//     steps are not checked;
//  4. an equation without solutions: why no pair can exist, and nothing else;
//  5. the particular solution with its arithmetic (91·4 + 35·10 = 364 + 350
//     = 714), right or wrong, and for a wrong one what it solves instead (x0
//     and y0 swapped, then a wrong sign of x0, of y0, of both), where one of
//     those holds;
//  6. the steps: right when they are +-(B / GCD, -A / GCD), which covers the
//     zero coefficients too (0x + 4y = 8 takes +-(1, 0), every x); for
//     0x + 0y = 0, where every pair is a solution, a note and no mistake;
//  7. an answer right in full against the transcript's Xo, Yo: the same
//     pair, or the t of the transcript's general solution that gives it.
AnswerCheck CheckAnswer(std::string_view a, std::string_view b, std::string_view c,
                        const PupilAnswer &answer, std::string_view decimalSeparator,
                        const Catalogue &language);
