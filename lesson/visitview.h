#pragma once

#include "answercheck.h"
#include "euclidlesson.h"
#include "solutionbounds.h"
#include "visitcommand.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the keyboard focus goes after a command.
enum class Focus {
    Unchanged,
    Introduction, // Pole(0)
    Transcript,   // Pole(4), where a result is read
};

// Why the line beside the coefficient fields speaks, if it does.
enum class NoteKind {
    None,
    Locked, // a key pressed in a locked field: Clear opens them again
    ReadAs, // after Calculate: a field not read as it was typed
};

// "Your answer" as the visit holds it.
struct PracticeView
{
    std::array<std::string, 4> entries; // x0, y0, the steps p and q, as typed
    bool noSolution = false;            // the claim; the entries are not read then
    // Bounds are in effect: the task is the list of the solutions they
    // allow, which Check, the feedback and the hints are about; the pair,
    // the steps and the claim are not asked for then.
    bool listTask = false;
    std::string list;               // the pupil's list, as typed
    std::optional<Verdict> verdict; // of the last check of this equation
    std::string heading;            // the verdict in words; none when refused
    std::vector<FeedbackLine> lines;
    std::vector<std::string> hints; // those given for this equation, the first first
    bool hintAvailable = false;     // another hint to give: the Hint button's state
    std::string tally;              // "Right at the first try: 3 of 5; hints used: 2"
};

// The bounds beside Euclid's way and what they give.
struct BoundsView
{
    BoundsChoice choice = BoundsChoice::Any;
    std::array<std::string, 4> ends;   // the boxes, as typed, by BoundEnd
    std::array<std::string, 4> faults; // why a box's text is no bound; empty if it is one
    // What the account and the picture use: the choice and the boxes
    // together, none at all while a box is at fault.
    SolutionBounds inEffect;
    std::string account; // CR LF lines, once calculated with a bound in effect
    std::string picture; // the SVG for a page's style sheet, once calculated
};

// Euclid's way a step at a time, each step a place of EuclidPlaces.
struct PaceView
{
    bool paced = false;    // false: all at once, the default
    std::size_t at = 0;    // paced: the places up to this one show, it marked; from 1
    std::size_t count = 0; // the lesson's places
    std::string text;      // "Step 3 of 24" while paced; empty otherwise
    bool next = false;     // the Next button's state
    bool previous = false; // Previous's
    bool all = false;      // Show all's
};

// Everything a front end draws, after any command, in one value.
struct VisitView
{
    std::string_view language;               // the catalogue's code
    std::array<std::string, 3> coefficients; // Pole1 to Pole3, as they stand
    bool locked = false;                     // Calculated: the fields take no typing
    bool calculateEnabled = true;            // Buton0
    int range = -1;                          // Sluch's entry; none before start-up
    std::string transcript;                  // Pole4, CR LF lines
    std::string euclid;                      // Euclid's way of the same calculation
    EuclidLesson euclidLesson;               // the same in steps, its table a table
    PaceView pace;                           // how much of it shows
    Focus focus = Focus::Unchanged;          // after the last command
    NoteKind noteKind = NoteKind::None;
    std::string note; // the line beside the fields, in the visit's language
    BoundsView bounds;
    PracticeView practice;
};
