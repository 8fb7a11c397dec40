#include "practicehints.h"

#include "coefficients.h"
#include "extendedeuclid.h"
#include "formulatext.h"
#include "placeholders.h"

#include <array>

namespace {

Wide Abs(Wide n)
{
    return n < 0 ? -n : n;
}

// d = s·A + t·B with A's and B's own signs; A and B not both 0.
struct Bezout
{
    Wide d, s, t;
};

Bezout BezoutOf(Wide A, Wide B)
{
    if (A == 0)
        return {Abs(B), 0, B < 0 ? -1 : 1};
    if (B == 0)
        return {Abs(A), A < 0 ? -1 : 1, 0};
    const EuclidRow last = EuclidTableRows(Abs(A), Abs(B)).back();
    return {last.r, A < 0 ? -last.s : last.s, B < 0 ? -last.t : last.t};
}

// s·A + t·B, a coefficient 0 left out, so that 0x + 4y = 8 reads 4 = 1·4.
Expression Combination(Wide s, Wide A, Wide t, Wide B)
{
    if (A == 0)
        return Times(t, B);
    if (B == 0)
        return Times(s, A);
    return Sum({Times(s, A), Times(t, B)});
}

class Hints
{
public:
    Hints(Wide a, Wide b, Wide c, const Catalogue &language)
        : A(a), B(b), C(c), texts_(language.practice),
          notation_(SchoolNotation(language.code.value))
    {}

    std::vector<std::string> All() const
    {
        const auto &none = texts_.noSolution;
        if (A == 0 && B == 0) {
            if (C == 0)
                return {Fill(texts_.steps.free, {{"equation", Equation()}})};
            return {Fill(none.whyNoneZero, {{"equation", Equation()}, {"c", Number(C)}})};
        }
        const Bezout bezout = BezoutOf(A, B);
        const std::array<Placeholder, 4> gcd = {
            {{"a", Number(A)}, {"b", Number(B)}, {"gcd", Number(bezout.d)}, {"c", Number(C)}}};
        if (C % bezout.d != 0) {
            std::vector<Placeholder> why(gcd.begin(), gcd.end());
            why.push_back({"equation", Equation()});
            return {Fill(texts_.hints.startNone, gcd), Fill(none.whyNone, why)};
        }
        return {Start(bezout, gcd), Particular(bezout), General(bezout)};
    }

private:
    std::string Formula(const Expression &e) const { return FormulaText(e, notation_); }
    std::string Number(Wide n) const { return IntegerText(n, notation_); }
    std::string Equation() const { return Formula(LinearEquation(A, B, C)); }
    static std::string Fill(std::string_view message, std::span<const Placeholder> values)
    {
        return FillPlaceholders(message, values);
    }
    static std::string Fill(std::string_view message, std::initializer_list<Placeholder> values)
    {
        return FillPlaceholders(message, values);
    }

    std::string Start(const Bezout &z, std::span<const Placeholder, 4> gcd) const
    {
        std::vector<Placeholder> values(gcd.begin(), gcd.end());
        values.push_back({"bezout", Formula(::Equation(Int(z.d), Combination(z.s, A, z.t, B)))});
        if (C == z.d)
            return Fill(texts_.hints.startAsItStands, values);
        values.push_back({"factor", Formula(::Equation(Quotient(Int(C), Int(z.d)), Int(C / z.d)))});
        return Fill(texts_.hints.start, values);
    }

    // C = (C/d)·(s·A + t·B) = x₀·A + y₀·B.
    std::string Particular(const Bezout &z) const
    {
        const Wide factor = C / z.d;
        const Wide x0 = z.s * factor, y0 = z.t * factor;
        std::vector<Expression> sides = {Int(C)};
        if (factor != 1)
            sides.push_back(Times({Int(factor), Combination(z.s, A, z.t, B)}));
        sides.push_back(Combination(x0, A, y0, B));
        return Fill(
            texts_.hints.particular,
            {{"equality", Formula(Equalities(sides))}, {"x0", Number(x0)}, {"y0", Number(y0)}});
    }

    // x = x₀ + pt, y = y₀ + qt with p = −B/d, q = A/d, the particular
    // solution the hint before gave.
    std::string General(const Bezout &z) const
    {
        const Wide factor = C / z.d;
        const Wide x0 = z.s * factor, y0 = z.t * factor;
        const Wide p = -B / z.d, q = A / z.d;
        const Expression general =
            List({::Equation(Name("x"), Sum({Int(x0), Term(p, "t")}, Zeros::Drop)),
                  ::Equation(Name("y"), Sum({Int(y0), Term(q, "t")}, Zeros::Drop)),
                  InIntegers(Name("t"))});
        const auto implicit = [](std::string_view left, std::string_view right) {
            return Implicit({Name(left), Name(right)});
        };
        const auto moved = [](std::string_view coefficient, std::string_view start,
                              std::string_view step) {
            return Implicit(
                {Name(coefficient), Sum({Name(start, 0), Implicit({Name(step), Name("t")})})});
        };
        const Expression identity = ::Equation(
            Sum({moved("A", "x", "p"), moved("B", "y", "q")}),
            Sum({Name("C"), Implicit({Sum({implicit("A", "p"), implicit("B", "q")}), Name("t")})}));
        const Expression relation =
            ::Equation(Sum({Term(A, "p"), Term(B, "q")}, Zeros::Drop), Int(0));
        return Fill(texts_.hints.general, {{"general", Formula(general)},
                                           {"identity", Formula(identity)},
                                           {"relation", Formula(relation)},
                                           {"p", Number(p)},
                                           {"q", Number(q)},
                                           {"gcd", Number(z.d)}});
    }

    Wide A, B, C;
    const PracticeTexts &texts_;
    Notation notation_;
};

} // namespace

std::vector<std::string> PracticeHints(std::string_view a, std::string_view b, std::string_view c,
                                       const Catalogue &language)
{
    const std::array<double, 3> read = ReadCoefficients({a, b, c});
    if (!RefusedCoefficients(read).empty())
        return {};
    // Inside the ranges every coefficient is an exact integer of 32 bits.
    return Hints(static_cast<Wide>(read[0]), static_cast<Wide>(read[1]), static_cast<Wide>(read[2]),
                 language)
        .All();
}
