#include "expression.h"

#include <algorithm>
#include <utility>

struct ExpressionNode
{
    static Expression Make(Expression::Kind kind, std::vector<Expression> parts = {})
    {
        Expression e(kind);
        e.parts_ = std::move(parts);
        return e;
    }
    static Expression Integer(Wide n)
    {
        Expression e(Expression::Kind::Integer);
        e.integer_ = n;
        return e;
    }
    static Expression Named(std::string name)
    {
        Expression e(Expression::Kind::Name);
        e.name_ = std::move(name);
        return e;
    }
    static Expression Chain(Expression left, Relation relation, Expression right)
    {
        if (left.kind() != Expression::Kind::Chain)
            left = Make(Expression::Kind::Chain, {std::move(left)});
        left.parts_.push_back(std::move(right));
        left.relations_.push_back(relation);
        return left;
    }
};

namespace {

using Kind = Expression::Kind;

// The parts with every part of the same kind taken into them: sums and
// products give the same value however they are grouped.
std::vector<Expression> Flattened(Kind kind, std::vector<Expression> parts)
{
    std::vector<Expression> flat;
    for (Expression &part : parts) {
        if (part.kind() == kind)
            flat.insert(flat.end(), part.parts().begin(), part.parts().end());
        else
            flat.push_back(std::move(part));
    }
    return flat;
}

// One part is that part, and none the operation's neutral number.
Expression Operation(Kind kind, std::vector<Expression> parts, Wide neutral)
{
    if (parts.empty())
        return Int(neutral);
    if (parts.size() == 1)
        return std::move(parts.front());
    return ExpressionNode::Make(kind, std::move(parts));
}

bool IsZero(const Expression &e)
{
    return e.kind() == Kind::Integer && e.integer() == 0;
}

// 0, 0x, and −(0)t: a term of the algebra with a factor 0. A product shown
// (0·5) is arithmetic the caller wants to see.
bool IsZeroTerm(const Expression &e)
{
    if (e.kind() == Kind::Implicit)
        return std::any_of(e.parts().begin(), e.parts().end(), IsZero);
    return IsZero(e);
}

} // namespace

Expression Int(Wide n)
{
    return ExpressionNode::Integer(n);
}

Expression Name(std::string_view name)
{
    return ExpressionNode::Named(std::string(name));
}

Expression Name(std::string_view letter, unsigned index)
{
    std::string digits;
    do {
        // U+2080 SUBSCRIPT ZERO and the nine after it.
        digits.insert(0, {'\xE2', '\x82', static_cast<char>('\x80' + index % 10)});
        index /= 10;
    } while (index != 0);
    return ExpressionNode::Named(std::string(letter) + digits);
}

Expression Times(std::vector<Expression> factors)
{
    return Operation(Kind::Times, Flattened(Kind::Times, std::move(factors)), 1);
}

Expression Times(Wide left, Wide right)
{
    return Times({Int(left), Int(right)});
}

Expression Implicit(std::vector<Expression> factors)
{
    return Operation(Kind::Implicit, Flattened(Kind::Implicit, std::move(factors)), 1);
}

Expression Term(Wide coefficient, Expression factor)
{
    return Implicit({Int(coefficient), std::move(factor)});
}

Expression Term(Wide coefficient, std::string_view name)
{
    return Term(coefficient, Name(name));
}

Expression Sum(std::vector<Expression> terms, Zeros zeros)
{
    terms = Flattened(Kind::Sum, std::move(terms));
    if (zeros == Zeros::Drop)
        std::erase_if(terms, IsZeroTerm);
    return Operation(Kind::Sum, std::move(terms), 0);
}

Expression Quotient(Expression numerator, Expression denominator)
{
    return ExpressionNode::Make(Kind::Quotient, {std::move(numerator), std::move(denominator)});
}

Expression Abs(Expression e)
{
    return ExpressionNode::Make(Kind::Abs, {std::move(e)});
}

Expression Pair(Expression x, Expression y)
{
    return ExpressionNode::Make(Kind::Pair, {std::move(x), std::move(y)});
}

Expression List(std::vector<Expression> statements)
{
    return ExpressionNode::Make(Kind::List, std::move(statements));
}

Expression Compare(Expression left, Relation relation, Expression right)
{
    return ExpressionNode::Chain(std::move(left), relation, std::move(right));
}

Expression Equation(Expression left, Expression right)
{
    return Compare(std::move(left), Relation::Equal, std::move(right));
}

Expression Equalities(std::vector<Expression> sides)
{
    if (sides.empty())
        return Int(0);
    Expression chain = std::move(sides.front());
    for (std::size_t k = 1; k < sides.size(); ++k)
        chain = Equation(std::move(chain), std::move(sides[k]));
    return chain;
}

Expression Implications(std::vector<Expression> statements)
{
    return ExpressionNode::Make(Kind::Implications, std::move(statements));
}

Expression InIntegers(Expression e)
{
    return ExpressionNode::Make(Kind::InIntegers, {std::move(e)});
}

Expression LinearEquation(Wide a, Wide b, Wide c)
{
    return Equation(Sum({Term(a, "x"), Term(b, "y")}), Int(c));
}
