#include "expression.h"

#include <algorithm>
#include <utility>

struct Expression::Extra
{
    std::string name;
    std::vector<Relation> relations;
};

std::string_view Expression::name() const
{
    return extra_ ? std::string_view(extra_->name) : std::string_view();
}

std::span<const Expression::Relation> Expression::relations() const
{
    // A chain of nothing but equalities, the most of them, keeps none of its
    // own.
    static const std::vector<Relation> equalities(64, Relation::Equal);
    if (extra_)
        return extra_->relations;
    if (kind_ == Kind::Chain && count_ <= equalities.size())
        return std::span(equalities).first(count_ - 1);
    return {};
}

namespace {

using Kind = Expression::Kind;

bool Never(const Expression &)
{
    return false;
}

} // namespace

struct ExpressionNode
{
    // The parts, those of `kind` taken into it (sums and products give the
    // same value however they are grouped) and those `drop` names left out.
    template <typename Drop = bool (*)(const Expression &)>
    static Expression Make(Kind kind, std::span<const Expression> parts,
                           Kind flatten = Kind::Integer, Drop drop = Never)
    {
        const bool flattens = flatten != Kind::Integer;
        std::size_t count = 0;
        for (const Expression &part : parts) {
            if (flattens && part.kind() == flatten) {
                for (const Expression &inner : part.parts())
                    count += !drop(inner);
            } else {
                count += !drop(part);
            }
        }
        Expression e(kind);
        std::shared_ptr<Expression[]> block = std::make_shared<Expression[]>(count);
        std::size_t k = 0;
        for (const Expression &part : parts) {
            if (flattens && part.kind() == flatten) {
                for (const Expression &inner : part.parts())
                    if (!drop(inner))
                        block[k++] = inner;
            } else if (!drop(part)) {
                block[k++] = part;
            }
        }
        e.count_ = static_cast<std::uint32_t>(count);
        e.parts_ = std::move(block);
        return e;
    }
    static Expression Integer(Wide n)
    {
        Expression e(Kind::Integer);
        e.integer_ = n;
        return e;
    }
    static Expression Named(std::string name)
    {
        Expression e(Kind::Name);
        e.extra_ =
            std::make_shared<const Expression::Extra>(Expression::Extra{std::move(name), {}});
        return e;
    }
    static Expression Chain(std::span<const Expression> sides, std::vector<Relation> relations)
    {
        Expression chain = Make(Kind::Chain, sides);
        const bool equalities =
            sides.size() <= 64 && std::all_of(relations.begin(), relations.end(),
                                              [](Relation r) { return r == Relation::Equal; });
        if (!equalities)
            chain.extra_ = std::make_shared<const Expression::Extra>(
                Expression::Extra{{}, std::move(relations)});
        return chain;
    }
};

namespace {

// One part is that part, and none the operation's neutral number.
Expression Operation(Expression made, Wide neutral)
{
    if (made.parts().empty())
        return Int(neutral);
    if (made.parts().size() == 1)
        return made.parts().front();
    return made;
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

Expression Times(std::span<const Expression> factors)
{
    return Operation(ExpressionNode::Make(Kind::Times, factors, Kind::Times), 1);
}

Expression Times(std::initializer_list<Expression> factors)
{
    return Times(std::span(factors.begin(), factors.size()));
}

Expression Times(Wide left, Wide right)
{
    return Times({Int(left), Int(right)});
}

Expression Implicit(std::span<const Expression> factors)
{
    return Operation(ExpressionNode::Make(Kind::Implicit, factors, Kind::Implicit), 1);
}

Expression Implicit(std::initializer_list<Expression> factors)
{
    return Implicit(std::span(factors.begin(), factors.size()));
}

Expression Term(Wide coefficient, Expression factor)
{
    return Implicit({Int(coefficient), std::move(factor)});
}

Expression Term(Wide coefficient, std::string_view name)
{
    return Term(coefficient, Name(name));
}

Expression Sum(std::span<const Expression> terms, Zeros zeros)
{
    const auto drop = [zeros](const Expression &e) {
        return zeros == Zeros::Drop && IsZeroTerm(e);
    };
    return Operation(ExpressionNode::Make(Kind::Sum, terms, Kind::Sum, drop), 0);
}

Expression Sum(std::initializer_list<Expression> terms, Zeros zeros)
{
    return Sum(std::span(terms.begin(), terms.size()), zeros);
}

Expression Quotient(Expression numerator, Expression denominator)
{
    return ExpressionNode::Make(Kind::Quotient, {{std::move(numerator), std::move(denominator)}});
}

Expression Abs(Expression e)
{
    return ExpressionNode::Make(Kind::Abs, {&e, 1});
}

Expression Pair(Expression x, Expression y)
{
    return ExpressionNode::Make(Kind::Pair, {{std::move(x), std::move(y)}});
}

Expression List(std::span<const Expression> statements)
{
    return ExpressionNode::Make(Kind::List, statements);
}

Expression List(std::initializer_list<Expression> statements)
{
    return List(std::span(statements.begin(), statements.size()));
}

Expression Compare(Expression left, Relation relation, Expression right)
{
    // A chain on the left goes on.
    if (left.kind() != Kind::Chain)
        return ExpressionNode::Chain({{std::move(left), std::move(right)}}, {relation});
    std::vector<Expression> sides(left.parts().begin(), left.parts().end());
    sides.push_back(std::move(right));
    std::vector<Relation> relations(left.relations().begin(), left.relations().end());
    relations.push_back(relation);
    return ExpressionNode::Chain(sides, std::move(relations));
}

Expression Equation(Expression left, Expression right)
{
    return Compare(std::move(left), Relation::Equal, std::move(right));
}

Expression Equalities(std::span<const Expression> sides)
{
    if (sides.empty())
        return Int(0);
    // A chain as the first side goes on, as in Compare; else all in one go.
    if (sides.size() == 1 || sides.front().kind() == Kind::Chain) {
        Expression chain = sides.front();
        for (std::size_t k = 1; k < sides.size(); ++k)
            chain = Equation(std::move(chain), sides[k]);
        return chain;
    }
    return ExpressionNode::Chain(sides, std::vector<Relation>(sides.size() - 1, Relation::Equal));
}

Expression Equalities(std::initializer_list<Expression> sides)
{
    return Equalities(std::span(sides.begin(), sides.size()));
}

Expression Implications(std::span<const Expression> statements)
{
    return ExpressionNode::Make(Kind::Implications, statements);
}

Expression Implications(std::initializer_list<Expression> statements)
{
    return Implications(std::span(statements.begin(), statements.size()));
}

Expression InIntegers(Expression e)
{
    return ExpressionNode::Make(Kind::InIntegers, {&e, 1});
}

Expression LinearEquation(Wide a, Wide b, Wide c)
{
    return Equation(Sum({Term(a, "x"), Term(b, "y")}), Int(c));
}
