#pragma once

// The slow, literal forms of the solver's two loops, kept as oracles for the
// fast ones: the subtraction loop for the greatest common divisor, and the
// exhaustive walk of the square [0, limit] x [0, limit].

#include <cstdint>
#include <optional>

struct LiteralPair
{
    double x;
    double y;
    int test;
};

// Subtracts the smaller from the larger until both are equal.
std::int64_t SubtractionGcd(std::int64_t a, std::int64_t b);

// Walks i, then j, from 0 to limit, with the four sign tests in order, in
// double arithmetic; the first pair whose equation holds exactly.
std::optional<LiteralPair> LiteralSearch(double a, double b, double c, double limit);
