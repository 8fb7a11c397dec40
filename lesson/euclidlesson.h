#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A table as the board shows it: the columns' headers and the rows' cells,
// each cell a number in the school notation, or empty.
struct EuclidTable
{
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};

// One step of Euclid's way: a group of lines a teacher writes as one move
// on the board (the divisions and the GCD; Bézout's equality; the
// particular solution and its check; ...), so that a lesson can be shown a
// step at a time. Each line is plain Unicode text, what is selected and
// copied; a table, where the step has one, stands after `lines` and before
// `linesAfter`.
struct EuclidStep
{
    enum class Kind {
        Reading,          // how fields that are no plain whole number were read
        Refusal,          // why the equation is not solved
        Equation,         // the equation to solve
        OneUnknown,       // A = 0 or B = 0 (or both): solved without the algorithm
        Algorithm,        // the divisions, or the table, down to the GCD
        Verdict,          // whether the GCD divides C
        BackSubstitution, // each remainder from its division, then substituted
        Bezout,           // Bézout's equality, with the signs of A and B
        Particular,       // C/d times it, made smaller where it can be, checked
        General,          // the general solution, and why it is every solution
        Bridge,           // the working's pair in this general solution
    };

    Kind kind;
    std::vector<std::string> lines;
    std::optional<EuclidTable> table;
    std::vector<std::string> linesAfter;
    // Where the formulas stand, each a run of bytes a page keeps on one line
    // where it fits: line k of `lines`, or of `linesAfter` counted on from
    // the end of `lines`.
    struct Formula
    {
        std::size_t line, begin, size;
    };
    std::vector<Formula> formulas;
};

// A line cut at its formulas: the words before the first, the first
// formula, the words after it, and so on; the odd parts are the formulas.
// Line k counts as EuclidStep::formulas does.
std::vector<std::string> EuclidLineParts(const EuclidStep &step, std::size_t line);

// Euclid's way for one equation, step by step. The two methods differ only
// in how the GCD and Bézout's equality are found: Substitution writes the
// divisions and substitutes back; Table writes the extended algorithm's
// table (columns q, r, s, t), whose last row gives Bézout's equality, and
// has no BackSubstitution step. From the Bezout step on both write the same.
struct EuclidLesson
{
    enum class Method { Substitution, Table };

    Method method = Method::Substitution;
    std::vector<EuclidStep> steps;
};

// The lesson as text, every line ending in CR LF, a table as aligned text
// (each column right-aligned, two spaces between), indented by two spaces.
std::string EuclidLessonText(const EuclidLesson &lesson);

// The table alone as those aligned lines, without line ends.
std::vector<std::string> EuclidTableLines(const EuclidTable &table);

// One place of a lesson shown a step at a time: a line of a step's `lines`,
// a row of its table, or a line of its `linesAfter`. The table's headers
// show with its first row.
struct EuclidPlace
{
    enum class Part { Line, Row, After };

    std::size_t step;
    Part part;
    std::size_t index;
};

// Every place of the lesson in the order it is written.
std::vector<EuclidPlace> EuclidPlaces(const EuclidLesson &lesson);
