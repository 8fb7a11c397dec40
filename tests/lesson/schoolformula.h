#pragma once

// A reader of formulas in the school notation, written apart from the
// formatter so that the tests can hold its output against a second opinion:
// every text is parsed strictly (U+2212 minus, · between shown factors,
// juxtaposed factors, one space around + − and the relations, two around ⇒)
// and its arithmetic evaluated exactly. A sign, bracket or space out of place
// is no formula.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

__extension__ typedef __int128 SchoolInteger;

// An exact fraction in lowest terms, its denominator positive. Arithmetic
// that would overflow 128 bits gives nothing.
struct Rational
{
    SchoolInteger numerator = 0;
    SchoolInteger denominator = 1;

    static std::optional<Rational> Of(SchoolInteger numerator, SchoolInteger denominator);
    bool operator==(const Rational &) const = default;
    std::string Text() const; // ASCII: "-2/5", "14"
};

std::optional<Rational> operator+(const Rational &a, const Rational &b);
std::optional<Rational> operator-(const Rational &a);
std::optional<Rational> operator*(const Rational &a, const Rational &b);
std::optional<Rational> operator/(const Rational &a, const Rational &b);
std::optional<int> Compare(const Rational &a, const Rational &b); // −1, 0 or 1

// The values of the letters, by name as written: "x", "x₀", "t".
using NameValues = std::map<std::string, Rational, std::less<>>;

// What a formula says, its arithmetic evaluated.
struct SchoolFormula
{
    enum class Kind { Number, Pair, List, Chain, Implications, Membership };
    Kind kind = Kind::Number;
    Rational value;                     // Number
    std::vector<SchoolFormula> parts;   // the numbers of a pair, a chain's sides, ...
    std::vector<std::string> relations; // Chain: "=", "<", ">", "≤", "≥"

    // Every chain's relations true, every implication's conclusion true where
    // its premise is, every member of ℤ whole.
    bool Holds() const;
    // The structure with its values, in ASCII: "(4; -10)", "7 = 7",
    // "t in Z", "a => b", "[a, b]" for a list.
    std::string Canonical() const;
};

std::optional<SchoolFormula> ReadSchoolFormula(std::string_view text,
                                               std::string_view pairSeparator,
                                               const NameValues &names = {});
