#pragma once

// An independent account of what a right answer is, for the checker's tests:
// extended Euclid in 128 bits and the definitions, none of the checker's code.

#include "answercheck.h"

#include <cstdint>
#include <optional>

__extension__ typedef __int128 Big;

struct ModelEquation
{
    Big a, b, c;
    Big gcd; // of |a| and |b|; 0 when both are 0
    bool solvable;
    Big x1, y1; // a solution, where there is one
    Big stepX;  // b / gcd and -a / gcd: every solution is (x1, y1) + t (stepX, stepY)
    Big stepY;
};

ModelEquation Model(std::int64_t a, std::int64_t b, std::int64_t c);

// The first mistake the checker must name for a pair and steps, or nothing
// where the answer is right.
std::optional<Finding> FirstMistake(const ModelEquation &e, Big x, Big y, Big p, Big q);

// What a wrong pair solves instead, where it is one of the slips the
// checker names, in the order it names them.
std::optional<Finding> Slip(const ModelEquation &e, Big x, Big y);

Big Gcd(Big a, Big b);
