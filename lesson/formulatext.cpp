#include "formulatext.h"

#include "numbertext.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace {

using Kind = Expression::Kind;

// The digits of |n|, taken digit by digit so that the most negative value
// needs no negation; most numbers fit 64 bits, whose division is many times
// faster.
void Digits(Wide n, std::string &out)
{
    char digits[40];
    char *first = digits + sizeof digits;
    while (n > static_cast<Wide>(UINT64_MAX) || n < -static_cast<Wide>(UINT64_MAX)) {
        const int digit = static_cast<int>(n % 10);
        *--first = static_cast<char>('0' + (digit < 0 ? -digit : digit));
        n /= 10;
    }
    std::uint64_t rest = static_cast<std::uint64_t>(n < 0 ? -n : n);
    do {
        *--first = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    out.append(first, digits + sizeof digits);
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

// Writes into one text, each part appended where it stands.
class Writer
{
public:
    Writer(const Notation &notation, std::string &out) : n_(notation), out_(out) {}

    void Write(const Expression &e) const
    {
        switch (e.kind()) {
        case Kind::Integer:
            if (e.integer() < 0)
                out_ += n_.minus;
            Digits(e.integer(), out_);
            return;
        case Kind::Name:
            out_ += e.name();
            return;
        case Kind::Times:
            Join(
                e.parts(), [&](const Expression &f) { Factor(f); }, n_.times);
            return;
        case Kind::Implicit:
            Juxtaposed(e, true);
            return;
        case Kind::Sum:
            SumText(e);
            return;
        case Kind::Quotient:
            QuotientText(e.parts()[0], e.parts()[1], true);
            return;
        case Kind::Abs:
            out_ += '|';
            Write(e.parts().front());
            out_ += '|';
            return;
        case Kind::Pair:
            out_ += '(';
            Write(e.parts()[0]);
            out_ += n_.pairSeparator;
            Write(e.parts()[1]);
            out_ += ')';
            return;
        case Kind::List:
            Join(
                e.parts(), [&](const Expression &s) { Write(s); }, n_.listSeparator);
            return;
        case Kind::Chain:
            ChainText(e);
            return;
        case Kind::Implications:
            Join(
                e.parts(), [&](const Expression &s) { Write(s); },
                n_.wideSpace + n_.implies + n_.wideSpace);
            return;
        case Kind::InIntegers:
            Write(e.parts().front());
            out_ += n_.space;
            out_ += n_.element;
            out_ += n_.space;
            out_ += n_.integers;
            return;
        }
    }

private:
    void Bracketed(const Expression &e) const
    {
        out_ += '(';
        Write(e);
        out_ += ')';
    }

    template <typename WritePart>
    void Join(std::span<const Expression> parts, WritePart write, const std::string &between) const
    {
        for (const Expression &part : parts) {
            if (&part != &parts.front())
                out_ += between;
            write(part);
        }
    }

    // −(q·b) as a term is − q·b: the product binds tighter than the sum's
    // minus, so r = a − q·b needs no brackets.
    static bool IsNegatedProduct(const Expression &e)
    {
        return e.kind() == Kind::Implicit && e.parts().size() == 2 &&
               e.parts()[0].kind() == Kind::Integer && e.parts()[0].integer() == -1 &&
               e.parts()[1].kind() == Kind::Times;
    }

    // Whether `e` as a term of a sum gives its leading sign to the sum, to
    // write as its operator.
    static bool Negative(const Expression &e)
    {
        switch (e.kind()) {
        case Kind::Integer:
            return e.integer() < 0;
        case Kind::Implicit:
        case Kind::Times:
            return IsNegativeInteger(e.parts().front());
        case Kind::Quotient:
            return !BracketedAsNumerator(e.parts()[0]) && StartsWithMinus(e.parts()[0]);
        default:
            return false;
        }
    }

    // `e` as a term of a sum, without the sign Negative gave the sum.
    void Magnitude(const Expression &e) const
    {
        switch (e.kind()) {
        case Kind::Integer:
            Digits(e.integer(), out_);
            return;
        case Kind::Implicit:
            if (IsNegatedProduct(e))
                Write(e.parts()[1]);
            else
                Juxtaposed(e, false); // the coefficient's sign is the sum's
            return;
        case Kind::Times:
            if (!Negative(e))
                break;
            Digits(e.parts().front().integer(), out_);
            for (std::size_t k = 1; k < e.parts().size(); ++k) {
                out_ += n_.times;
                Factor(e.parts()[k]);
            }
            return;
        case Kind::Quotient:
            if (!Negative(e))
                break;
            QuotientText(e.parts()[0], e.parts()[1], false);
            return;
        default:
            if (IsStatement(e)) {
                Bracketed(e);
                return;
            }
        }
        Write(e);
    }

    void SumText(const Expression &e) const
    {
        for (const Expression &term : e.parts()) {
            const bool negative = Negative(term);
            if (&term == &e.parts().front()) {
                if (negative)
                    out_ += n_.minus;
            } else {
                out_ += n_.space;
                out_ += negative ? n_.minus : n_.plus;
                out_ += n_.space;
            }
            Magnitude(term);
        }
    }

    // A factor of a product shown with its multiplication signs.
    void Factor(const Expression &f) const
    {
        const Kind k = f.kind();
        const bool compound = k == Kind::Sum || k == Kind::Quotient || IsStatement(f);
        if (compound || StartsWithMinus(f))
            Bracketed(f);
        else
            Write(f);
    }

    // Factors side by side; a leading integer is the coefficient, written
    // without its sign where the sum has taken it.
    void Juxtaposed(const Expression &e, bool withSign) const
    {
        std::span<const Expression> rest = e.parts();
        bool written = false;
        if (rest.front().kind() == Kind::Integer) {
            const Wide c = rest.front().integer();
            rest = rest.subspan(1);
            const auto first = std::find_if(rest.begin(), rest.end(), [](const Expression &f) {
                return !(f.kind() == Kind::Integer && f.integer() == 1);
            });
            if (c < 0 && withSign)
                out_ += n_.minus;
            // A 1 goes unwritten only where juxtaposition shows the product:
            // t, −(b − c); before a number it stays, −1·5, never −5 or −0.
            if ((c != 1 && c != -1) || first == rest.end() || first->kind() == Kind::Integer) {
                Digits(c, out_);
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
                out_ += n_.times;
            if (bracket)
                Bracketed(f);
            else
                Write(f);
            written = true;
        }
    }

    void QuotientText(const Expression &numerator, const Expression &denominator,
                      bool withSign) const
    {
        if (BracketedAsNumerator(numerator))
            Bracketed(numerator);
        else if (withSign)
            Write(numerator);
        else
            Magnitude(numerator);
        out_ += n_.divide;
        const Kind k = denominator.kind();
        const bool plain =
            (k == Kind::Integer && denominator.integer() >= 0) || k == Kind::Name || k == Kind::Abs;
        if (plain)
            Write(denominator);
        else
            Bracketed(denominator);
    }

    void ChainText(const Expression &e) const
    {
        Write(e.parts().front());
        for (std::size_t k = 0; k < e.relations().size(); ++k) {
            out_ += n_.space;
            out_ += RelationSign(e.relations()[k]);
            out_ += n_.space;
            Write(e.parts()[k + 1]);
        }
    }

    const Notation &n_;
    std::string &out_;
};

} // namespace

std::string FormulaText(const Expression &formula, const Notation &notation)
{
    std::string text;
    text.reserve(120); // a line's formula, as a rule, without growing
    Writer(notation, text).Write(formula);
    return text;
}

std::string IntegerText(Wide n, const Notation &notation)
{
    return FormulaText(Int(n), notation);
}

std::string ReadNumberText(const Value &value, std::string_view decimalSeparator,
                           const Notation &notation)
{
    std::string text;
    for (const char c : NumberText(value, decimalSeparator))
        text += c == '-' ? notation.minus : std::string(1, c);
    return text;
}
