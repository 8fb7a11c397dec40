#include "formulatext.h"

#include <algorithm>
#include <span>

namespace {

using Kind = Expression::Kind;

// The digits of |n|, taken digit by digit so that the most negative value
// needs no negation.
std::string Digits(Wide n)
{
    std::string digits;
    do {
        const int digit = static_cast<int>(n % 10);
        digits += static_cast<char>('0' + (digit < 0 ? -digit : digit));
        n /= 10;
    } while (n != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string_view RelationSign(Relation relation)
{
    switch (relation) {
    case Relation::Equal:
        return "=";
    case Relation::Less:
        return "<";
    case Relation::Greater:
        return ">";
    case Relation::AtMost:
        return "≤";
    case Relation::AtLeast:
        return "≥";
    }
    return "=";
}

bool IsNegativeInteger(const Expression &e)
{
    return e.kind() == Kind::Integer && e.integer() < 0;
}

// Statements are no numbers: inside arithmetic they are bracketed whole.
bool IsStatement(const Expression &e)
{
    const Kind k = e.kind();
    return k == Kind::List || k == Kind::Chain || k == Kind::Implications || k == Kind::InIntegers;
}

bool BracketedAsNumerator(const Expression &e)
{
    return e.kind() == Kind::Sum || e.kind() == Kind::Quotient || IsStatement(e);
}

// Whether the text of `e` alone begins with a minus sign.
bool StartsWithMinus(const Expression &e)
{
    switch (e.kind()) {
    case Kind::Integer:
        return e.integer() < 0;
    case Kind::Implicit:
        return IsNegativeInteger(e.parts().front());
    case Kind::Quotient:
        return !BracketedAsNumerator(e.parts().front()) && StartsWithMinus(e.parts().front());
    case Kind::Sum:
        return StartsWithMinus(e.parts().front()) ||
               (e.parts().front().kind() == Kind::Times &&
                IsNegativeInteger(e.parts().front().parts().front()));
    default:
        return false;
    }
}

class Writer
{
public:
    explicit Writer(const Notation &notation) : n_(notation) {}

    std::string Text(const Expression &e) const
    {
        switch (e.kind()) {
        case Kind::Integer:
            return (e.integer() < 0 ? n_.minus : std::string()) + Digits(e.integer());
        case Kind::Name:
            return e.name();
        case Kind::Times:
            return Join(
                e.parts(), [&](const Expression &f) { return Factor(f); }, n_.times);
        case Kind::Implicit:
            return Juxtaposed(e, true);
        case Kind::Sum:
            return SumText(e);
        case Kind::Quotient:
            return QuotientText(e.parts()[0], e.parts()[1], true);
        case Kind::Abs:
            return Enclosed("|", Text(e.parts().front()), "|");
        case Kind::Pair:
            return Enclosed("(", Text(e.parts()[0]) + n_.pairSeparator + Text(e.parts()[1]), ")");
        case Kind::List:
            return Join(
                e.parts(), [&](const Expression &s) { return Text(s); }, n_.listSeparator);
        case Kind::Chain:
            return ChainText(e);
        case Kind::Implications:
            return Join(
                e.parts(), [&](const Expression &s) { return Text(s); },
                n_.wideSpace + n_.implies + n_.wideSpace);
        case Kind::InIntegers:
            return Text(e.parts().front()) + n_.space + n_.element + n_.space + n_.integers;
        }
        return {};
    }

private:
    struct Signed
    {
        bool negative;
        std::string magnitude;
    };

    static std::string Enclosed(std::string_view open, const std::string &inner,
                                std::string_view close)
    {
        std::string text(open);
        text += inner;
        text += close;
        return text;
    }
    static std::string Bracket(const std::string &inner) { return Enclosed("(", inner, ")"); }

    template <typename Write>
    static std::string Join(std::span<const Expression> parts, Write write,
                            const std::string &between)
    {
        std::string text;
        for (const Expression &part : parts) {
            if (&part != &parts.front())
                text += between;
            text += write(part);
        }
        return text;
    }

    // `e` as a term of a sum: its leading sign apart, for the sum to write as
    // its operator.
    Signed Split(const Expression &e) const
    {
        switch (e.kind()) {
        case Kind::Integer:
            return {e.integer() < 0, Digits(e.integer())};
        case Kind::Implicit:
            if (IsNegativeInteger(e.parts().front()))
                return {true, Juxtaposed(e, false)};
            break;
        case Kind::Times:
            if (IsNegativeInteger(e.parts().front())) {
                std::string text = Digits(e.parts().front().integer());
                for (std::size_t k = 1; k < e.parts().size(); ++k)
                    text += n_.times + Factor(e.parts()[k]);
                return {true, text};
            }
            break;
        case Kind::Quotient:
            if (!BracketedAsNumerator(e.parts()[0]) && StartsWithMinus(e.parts()[0]))
                return {true, QuotientText(e.parts()[0], e.parts()[1], false)};
            break;
        default:
            if (IsStatement(e))
                return {false, Bracket(Text(e))};
        }
        return {false, Text(e)};
    }

    std::string SumText(const Expression &e) const
    {
        std::string text;
        for (const Expression &term : e.parts()) {
            const Signed s = Split(term);
            if (&term == &e.parts().front())
                text += s.negative ? n_.minus : std::string();
            else
                text += n_.space + (s.negative ? n_.minus : n_.plus) + n_.space;
            text += s.magnitude;
        }
        return text;
    }

    // A factor of a product shown with its multiplication signs.
    std::string Factor(const Expression &f) const
    {
        const Kind k = f.kind();
        const bool compound = k == Kind::Sum || k == Kind::Quotient || IsStatement(f);
        return compound || StartsWithMinus(f) ? Bracket(Text(f)) : Text(f);
    }

    // Factors side by side; a leading integer is the coefficient, written
    // without its sign where the sum has taken it.
    std::string Juxtaposed(const Expression &e, bool withSign) const
    {
        std::span<const Expression> rest = e.parts();
        std::string text;
        bool written = false;
        if (rest.front().kind() == Kind::Integer) {
            const Wide c = rest.front().integer();
            rest = rest.subspan(1);
            const auto first = std::find_if(rest.begin(), rest.end(), [](const Expression &f) {
                return !(f.kind() == Kind::Integer && f.integer() == 1);
            });
            if (c < 0 && withSign)
                text += n_.minus;
            // A 1 goes unwritten only where juxtaposition shows the product:
            // t, −(b − c); before a number it stays, −1·5, never −5 or −0.
            if ((c != 1 && c != -1) || first == rest.end() || first->kind() == Kind::Integer) {
                text += Digits(c);
                written = true;
            }
        }
        for (const Expression &f : rest) {
            if (f.kind() == Kind::Integer && f.integer() == 1)
                continue; // 2·1·x is 2x
            const Kind k = f.kind();
            const bool bracket = k == Kind::Sum || k == Kind::Quotient || k == Kind::Times ||
                                 IsStatement(f) || StartsWithMinus(f);
            const bool close = k == Kind::Name || (bracket && !IsNegativeInteger(f));
            if (written && !close)
                text += n_.times;
            text += bracket ? Bracket(Text(f)) : Text(f);
            written = true;
        }
        return text;
    }

    std::string QuotientText(const Expression &numerator, const Expression &denominator,
                             bool withSign) const
    {
        std::string text;
        if (BracketedAsNumerator(numerator))
            text = Bracket(Text(numerator));
        else
            text = withSign ? Text(numerator) : Split(numerator).magnitude;
        const Kind k = denominator.kind();
        const bool plain =
            (k == Kind::Integer && denominator.integer() >= 0) || k == Kind::Name || k == Kind::Abs;
        return text + n_.divide + (plain ? Text(denominator) : Bracket(Text(denominator)));
    }

    std::string ChainText(const Expression &e) const
    {
        std::string text = Text(e.parts().front());
        for (std::size_t k = 0; k < e.relations().size(); ++k) {
            text += n_.space;
            text += RelationSign(e.relations()[k]);
            text += n_.space + Text(e.parts()[k + 1]);
        }
        return text;
    }

    const Notation &n_;
};

} // namespace

std::string FormulaText(const Expression &formula, const Notation &notation)
{
    return Writer(notation).Text(formula);
}

std::string IntegerText(Wide n, const Notation &notation)
{
    return FormulaText(Int(n), notation);
}
