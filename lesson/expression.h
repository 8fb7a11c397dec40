#pragma once

#include "wideint.h"

#include <string>
#include <string_view>
#include <vector>

// A formula of a lesson as a tree, so that no line assembles signs or
// parentheses by hand: a caller says what the formula is, and FormulaText
// (formulatext.h) writes it in a language's school notation. Built only by
// the functions below, which keep the tree in the shape the writer expects.
//
//   Equation(Name("d"), Sum({Times(2, 91), Times(-5, 35)}))   d = 2·91 − 5·35
//   Equation(Name("x"), Sum({Int(4), Term(-5, "t")}))         x = 4 − 5t
//
// Two products, because a lesson needs both: Times is arithmetic to show
// (`91·4`, `35·(−10)`, `2·(74 − 7·10)`), Term and Implicit are the algebra's
// juxtaposed factors (`5t`, `−t`, `Ap`, `A(x₀ + pt)`), whose coefficient 1 is
// not written.
class Expression
{
public:
    enum class Kind {
        Integer,
        Name,
        Times,        // factors with the multiplication sign between them
        Implicit,     // factors side by side, a leading integer the coefficient
        Sum,          // terms added, each term's own sign written as + or −
        Quotient,     // numerator and denominator
        Abs,          // |x|
        Pair,         // (x; y)
        List,         // statements one after another: x = …, y = …, t ∈ ℤ
        Chain,        // sides joined by relations: a = b = c, −3 ≤ x ≤ 3
        Implications, // statements joined by ⇒
        InIntegers,   // t ∈ ℤ
    };

    enum class Relation { Equal, Less, Greater, AtMost, AtLeast };

    Kind kind() const { return kind_; }
    Wide integer() const { return integer_; }
    const std::string &name() const { return name_; }
    const std::vector<Expression> &parts() const { return parts_; }
    // Chain: relations()[k] stands between parts()[k] and parts()[k + 1].
    const std::vector<Relation> &relations() const { return relations_; }

private:
    friend struct ExpressionNode;
    explicit Expression(Kind kind) : kind_(kind) {}

    Kind kind_;
    Wide integer_ = 0;
    std::string name_;
    std::vector<Expression> parts_;
    std::vector<Relation> relations_;
};

using Relation = Expression::Relation;

// Whether a sum leaves out its terms that are 0 (an integer 0, or a term
// of juxtaposed factors one of which is 0, 0t): `x = 3t` rather than
// `x = 0 + 3t`. Arithmetic being shown keeps them (`91·0 + 35·2 = 0 + 70`),
// and so does an equation as the pupil was given it (`0x + 4y = 6`).
enum class Zeros { Keep, Drop };

Expression Int(Wide n);
// A letter as the formulas name it: "x", "t", "x₀". Juxtaposed factors stand
// side by side with nothing between, so a name is one letter (and its
// subscript) for Ap to read as A times p.
Expression Name(std::string_view name);
// The letter with its index in subscript digits: Name("x", 0) is x₀.
Expression Name(std::string_view letter, unsigned index);

// A product shown, every factor written: Times(35, -10) is 35·(−10).
Expression Times(std::vector<Expression> factors);
Expression Times(Wide left, Wide right);
// Factors of the algebra side by side: Implicit({Name("A"), Name("p")}) is Ap.
Expression Implicit(std::vector<Expression> factors);
// coefficient·factor written as the algebra writes it: 5t, −t, t, 0x.
Expression Term(Wide coefficient, Expression factor);
Expression Term(Wide coefficient, std::string_view name);

// Nested sums are taken into this one (they only add); a sum of one term is
// that term, and of none, 0.
Expression Sum(std::vector<Expression> terms, Zeros zeros = Zeros::Keep);
Expression Quotient(Expression numerator, Expression denominator);
Expression Abs(Expression e);

Expression Pair(Expression x, Expression y);
Expression List(std::vector<Expression> statements);

// A chain on the left goes on: Compare(Compare(Int(-3), Relation::AtMost,
// Name("x")), Relation::AtMost, Int(3)) is −3 ≤ x ≤ 3.
Expression Compare(Expression left, Relation relation, Expression right);
Expression Equation(Expression left, Expression right);
// a = b = c: each step of a computation, from the first side to the result.
Expression Equalities(std::vector<Expression> sides);
Expression Implications(std::vector<Expression> statements);
Expression InIntegers(Expression e);

// Ax + By = C as the pupil was given it, a coefficient 0 kept:
// 91x − 35y = 14, x + y = 1, 0x + 4y = 6.
Expression LinearEquation(Wide a, Wide b, Wide c);
