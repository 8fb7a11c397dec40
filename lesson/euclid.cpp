#include "euclid.h"

#include "expression.h"
#include "extendedeuclid.h"
#include "fieldtext.h"
#include "formulatext.h"
#include "generalsolution.h"
#include "notation.h"
#include "placeholders.h"
#include "transcriptfamily.h"

#include "numbertext.h"
#include "prepareequation.h"
#include "readcoefficient.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

// Wide enough for every number of the lesson: a Bézout coefficient times
// C/d times A reaches about 2^77.
using Integer = Wide;
using Kind = EuclidStep::Kind;
using Method = EuclidLesson::Method;

Integer Abs(Integer n)
{
    return n < 0 ? -n : n;
}

Integer Sign(Integer n)
{
    return n < 0 ? -1 : 1;
}

// The lesson being written: steps of filled messages and formulas.
class Board
{
public:
    Board(const Catalogue &language, Method method)
        : say(language.euclid), notation_(SchoolNotation(language.code))
    {
        lesson_.method = method;
    }

    void Step(Kind kind) { lesson_.steps.push_back({kind, {}, std::nullopt, {}, {}}); }

    // Every value a line is filled with is a formula or a number, to be
    // kept on one line, but the reasons of a refusal, which are words.
    void Line(const Phrase &message, std::initializer_list<Placeholder> values = {})
    {
        std::vector<FilledSpan> filled;
        std::string line =
            FillPlaceholders(message, std::span(values.begin(), values.size()), filled);
        std::vector<std::pair<std::size_t, std::size_t>> formulas;
        for (const FilledSpan &span : filled)
            if (span.name != "reasons")
                formulas.emplace_back(span.begin, span.size);
        Add(std::move(line), formulas);
    }
    // A line that is a formula and nothing else.
    void Formula(const Expression &formula)
    {
        std::string line = F(formula);
        const std::size_t size = line.size();
        Add(std::move(line), {{0, size}});
    }
    void Table(EuclidTable table) { lesson_.steps.back().table = std::move(table); }

    std::string F(const Expression &formula) const { return FormulaText(formula, notation_); }
    std::string N(Integer n) const { return IntegerText(n, notation_); }
    // A number the working's reading gave, which may be no integer: its
    // text with the notation's minus.
    std::string Number(const Value &value, std::string_view decimalSeparator) const
    {
        return ReadNumberText(value, decimalSeparator, notation_);
    }

    const EuclidTexts &say;
    EuclidLesson Lesson() && { return std::move(lesson_); }
    Method method() const { return lesson_.method; }

private:
    void Add(std::string line, const std::vector<std::pair<std::size_t, std::size_t>> &formulas)
    {
        EuclidStep &step = lesson_.steps.back();
        const std::size_t index = step.lines.size() + step.linesAfter.size();
        for (const auto &[begin, size] : formulas)
            step.formulas.push_back({index, begin, size});
        (step.table ? step.linesAfter : step.lines).push_back(std::move(line));
    }

    Notation notation_;
    EuclidLesson lesson_;
};

// The letters every lesson uses, made once.
const Expression &X()
{
    static const Expression x = Name("x");
    return x;
}
const Expression &Y()
{
    static const Expression y = Name("y");
    return y;
}
const Expression &T()
{
    static const Expression t = Name("t");
    return t;
}

// a·(…) as the algebra writes it: 91(4 − 5t), 91x, 7t, 6·2t, and 91·(−5t)
// where the factor is one term with a minus.
Expression Coefficient(Integer a, Expression e)
{
    const bool negativeTerm = e.kind() == Expression::Kind::Implicit &&
                              e.parts().front().kind() == Expression::Kind::Integer &&
                              e.parts().front().integer() < 0;
    if (negativeTerm)
        return Times({Int(a), std::move(e)});
    return Implicit({Int(a), std::move(e)});
}

// s·A + t·B with the numbers shown: 2·91 − 5·35.
Expression Combination(Integer s, Integer a, Integer t, Integer b)
{
    return Sum({Times(s, a), Times(t, b)});
}

// x₁ = 4, y₁ = −10 and the like.
Expression PairOf(const Expression &x, Integer xValue, const Expression &y, Integer yValue)
{
    return List({Equation(x, Int(xValue)), Equation(y, Int(yValue))});
}

// Says how each field that is no plain whole number was read.
void ReportReading(Board &board, const std::array<std::string_view, 3> &texts,
                   std::string_view decimalSeparator)
{
    static constexpr std::array<std::string_view, 3> Letters = {"A", "B", "C"};
    bool any = false;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        if (IsPlainInteger(texts[k]))
            continue;
        if (!any)
            board.Step(Kind::Reading);
        any = true;
        const std::string field(Letters[k]);
        if (texts[k].empty())
            board.Line(board.say.readEmpty, {{"field", field}});
        else
            board.Line(board.say.readAs,
                       {{"field", field},
                        {"text", QuotedFieldText(texts[k])},
                        {"value", board.Number(ReadCoefficient(texts[k]), decimalSeparator)}});
    }
}

// The working's refusal, in one line; false when every value is allowed.
bool ReportRefusal(Board &board, const std::array<double, 3> &values,
                   std::string_view decimalSeparator)
{
    std::string reasons;
    for (const auto &[range, value] : RefusedCoefficients(values)) {
        if (!reasons.empty())
            reasons += "; ";
        reasons += FillPlaceholders(board.say.refusedCoefficient,
                                    {{"letter", std::string(1, range.letter)},
                                     {"value", board.Number(Value(value), decimalSeparator)},
                                     {"lower", board.N(static_cast<std::int64_t>(range.lower))},
                                     {"upper", board.N(static_cast<std::int64_t>(range.upper))}});
    }
    if (reasons.empty())
        return false;
    board.Step(Kind::Refusal);
    board.Line(board.say.refused, {{"reasons", reasons}});
    return true;
}

// A = 0 or B = 0: one unknown, or none, is left.
void ReportOneUnknown(Board &board, Integer a, Integer b, Integer c)
{
    const EuclidTexts &say = board.say;
    board.Step(Kind::OneUnknown);
    if (a == 0 && b == 0) {
        if (c == 0)
            board.Line(say.everyPair, {{"equation", board.F(LinearEquation(0, 0, 0))}});
        else
            board.Line(say.noPair, {{"c", board.N(c)}});
        return;
    }
    const bool onlyY = a == 0;
    const Integer k = onlyY ? b : a;
    const Expression unknown = onlyY ? Y() : X();
    const std::string equation = board.F(Equation(Term(k, unknown), Int(c)));
    board.Line(onlyY ? say.onlyY : say.onlyX, {{"equation", equation}});
    const std::string_view name = onlyY ? "b" : "a";
    if (c % k != 0) {
        board.Line(onlyY ? say.onlyYNone : say.onlyXNone,
                   {{name, board.N(k)}, {"c", board.N(c)}, {"equation", equation}});
        return;
    }
    board.Line(
        onlyY ? say.onlyYSolved : say.onlyXSolved,
        {{name, board.N(k)},
         {"c", board.N(c)},
         {"solution", board.F(Equalities({unknown, Quotient(Int(c), Int(k)), Int(c / k)}))}});
}

Expression DivisionFormula(const Division &d)
{
    return Equation(Int(d.dividend), Sum({Times(d.quotient, d.divisor), Int(d.remainder)}));
}

// The divisions one a line, or the extended algorithm's table, down to the
// GCD.
void ReportAlgorithm(Board &board, Integer absA, Integer absB, const std::vector<Division> &chain)
{
    const EuclidTexts &say = board.say;
    board.Step(Kind::Algorithm);
    const std::string a = board.F(Equation(Abs(Name("A")), Int(absA)));
    const std::string b = board.F(Equation(Abs(Name("B")), Int(absB)));
    const Integer gcd = chain.back().divisor;
    const std::initializer_list<Placeholder> gcdValues = {
        {"a", board.N(absA)}, {"b", board.N(absB)}, {"gcd", board.N(gcd)}};
    if (board.method() == Method::Substitution) {
        board.Line(say.algorithm, {{"a", a}, {"b", b}});
        for (const Division &d : chain)
            board.Formula(DivisionFormula(d));
        board.Line(chain.size() == 1 ? say.gcdExact : say.gcd, gcdValues);
        return;
    }
    const std::vector<EuclidRow> rows = EuclidTableRows(absA, absB);
    board.Line(say.tableHeading,
               {{"a", a},
                {"b", b},
                {"rule", board.F(Equation(Name("r"), Sum({Times({Name("s"), Int(absA)}),
                                                          Times({Name("t"), Int(absB)})})))}});
    board.Line(say.tableRule, {{"a", board.N(rows[0].r)}, {"b", board.N(rows[1].r)}});
    EuclidTable table{{"q", "r", "s", "t"}, {}};
    for (std::size_t k = 0; k < rows.size(); ++k)
        table.rows.push_back({k < 2 ? std::string() : board.N(rows[k].q), board.N(rows[k].r),
                              board.N(rows[k].s), board.N(rows[k].t)});
    board.Table(std::move(table));
    const std::string exact = board.F(DivisionFormula(chain.back()));
    board.Line(
        chain.size() == 1 ? say.tableExact : say.tableEnd,
        {{"division", exact}, {"a", board.N(absA)}, {"b", board.N(absB)}, {"gcd", board.N(gcd)}});
}

// One term of a back-substitution: coefficient·number, the number alone
// where it came from a division unmultiplied (21 − 1·14).
struct Part
{
    Integer coefficient, number;
    bool bare = false;
};

Expression PartFormula(const Part &part)
{
    return part.bare ? Int(part.number) : Times(part.coefficient, part.number);
}

// Each remainder from its division, then from the last division up one
// substitution a line. Gives u and v of gcd = u·larger + v·smaller, the
// first division's dividend and divisor.
std::pair<Integer, Integer> BackSubstitute(Board &board, const std::vector<Division> &chain)
{
    const EuclidTexts &say = board.say;
    board.Step(Kind::BackSubstitution);
    const std::size_t n = chain.size();
    if (n == 1) {
        board.Line(say.backNone, {{"gcd", board.N(chain.front().divisor)}});
        return {0, 1};
    }
    board.Line(
        say.remainders,
        {{"rule",
          board.F(Equation(
              Name("r"), Sum({Name("a"), Implicit({Int(-1), Times({Name("q"), Name("b")})})})))}});
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const Division &d = chain[k];
        board.Formula(
            Equation(Int(d.remainder), Sum({Int(d.dividend), Times(-d.quotient, d.divisor)})));
    }
    const Division &last = chain[n - 2];
    const Integer gcd = last.remainder;
    std::array<Part, 2> parts = {Part{1, last.dividend, true}, Part{-last.quotient, last.divisor}};
    if (n > 2)
        board.Line(say.backSubstitution);
    for (std::size_t i = n - 2; i-- > 0;) {
        const Division &d = chain[i];
        // d's remainder stands in one place, its divisor in the other: the
        // remainder becomes dividend − quotient·divisor, and the divisor's
        // coefficient takes the new term in it.
        const std::size_t p = parts[0].number == d.remainder ? 0 : 1;
        const Part other = parts[1 - p];
        const Integer g = parts[p].coefficient;
        const Expression remainder = Sum({Int(d.dividend), Times(-d.quotient, d.divisor)});
        const Expression substituted = Times({Int(g), remainder});
        const std::vector<Expression> expansion = {Times(g, d.dividend),
                                                   Times(-g * d.quotient, d.divisor)};
        std::vector<Expression> expanded = {PartFormula(other)};
        expanded.insert(p == 0 ? expanded.begin() : expanded.end(), expansion.begin(),
                        expansion.end());
        std::array<Part, 2> next;
        next[p] = {g, d.dividend};
        next[1 - p] = {other.coefficient - g * d.quotient, d.divisor};
        const auto inPlace = [&](Expression atP, Expression atOther) {
            return p == 0 ? Sum({std::move(atP), std::move(atOther)})
                          : Sum({std::move(atOther), std::move(atP)});
        };
        board.Formula(Equalities({Int(gcd), inPlace(PartFormula(parts[p]), PartFormula(other)),
                                  inPlace(substituted, PartFormula(other)), Sum(expanded),
                                  inPlace(PartFormula(next[p]), PartFormula(next[1 - p]))}));
        parts = next;
    }
    const Division &first = chain.front();
    return parts[0].number == first.dividend
               ? std::pair(parts[0].coefficient, parts[1].coefficient)
               : std::pair(parts[1].coefficient, parts[0].coefficient);
}

// Bézout's equality for |A| and |B|, then with A's and B's own signs where
// one is negative and that changes a term. Gives u, v of d = u·A + v·B.
std::pair<Integer, Integer> ReportBezout(Board &board, Integer a, Integer b, Integer gcd,
                                         Integer uAbs, Integer vAbs)
{
    const EuclidTexts &say = board.say;
    board.Step(Kind::Bezout);
    const Integer absA = Abs(a), absB = Abs(b);
    const std::string equality = board.F(Equation(Int(gcd), Combination(uAbs, absA, vAbs, absB)));
    board.Line(board.method() == Method::Table ? say.bezoutFromTable : say.bezout,
               {{"a", board.N(absA)}, {"b", board.N(absB)}, {"equality", equality}});
    const Integer u = Sign(a) * uAbs, v = Sign(b) * vAbs;
    const bool changesA = a < 0 && u != 0, changesB = b < 0 && v != 0;
    if (!changesA && !changesB)
        return {u, v};
    const auto reason = [&](Integer coefficient, Integer value) {
        return Equation(Times(coefficient, Abs(value)), Times(-coefficient, value));
    };
    const std::string withSigns = board.F(Equation(Int(gcd), Combination(u, a, v, b)));
    if (changesA && changesB)
        board.Line(say.signsBoth, {{"a", board.N(a)},
                                   {"b", board.N(b)},
                                   {"reasons", board.F(List({reason(uAbs, a), reason(vAbs, b)}))},
                                   {"equality", withSigns}});
    else if (changesA)
        board.Line(
            say.signsA,
            {{"a", board.N(a)}, {"reason", board.F(reason(uAbs, a))}, {"equality", withSigns}});
    else
        board.Line(
            say.signsB,
            {{"b", board.N(b)}, {"reason", board.F(reason(vAbs, b))}, {"equality", withSigns}});
    return {u, v};
}

// C/d times Bézout's equality, made smaller in one step where the pair is
// larger than it needs to be, and checked. Gives x₁, y₁.
std::pair<Integer, Integer> ReportParticular(Board &board, Integer a, Integer b, Integer c,
                                             Integer gcd, Integer u, Integer v)
{
    const EuclidTexts &say = board.say;
    board.Step(Kind::Particular);
    const Integer factor = c / gcd;
    const Integer x = factor * u, y = factor * v;
    board.Line(say.multiply,
               {{"quotient", board.F(Equalities({Quotient(Name("C"), Name("d")),
                                                 Quotient(Int(c), Int(gcd)), Int(factor)}))},
                {"chain", board.F(Equalities({Int(c), Times(factor, gcd),
                                              Times({Int(factor), Combination(u, a, v, b)}),
                                              Combination(x, a, y, b)}))}});
    const Integer bOverD = b / gcd, aOverD = a / gcd;
    const Integer t = ReducingT(x, bOverD);
    const Integer x1 = x - bOverD * t, y1 = y + aOverD * t;
    if (t == 0) {
        board.Line(say.particular, {{"pair", board.F(PairOf(Name("x", 1), x1, Name("y", 1), y1))}});
    } else {
        board.Line(say.solution, {{"pair", board.F(PairOf(X(), x, Y(), y))}});
        const Expression size = Compare(Compare(Equation(Abs(X()), Int(Abs(x))), Relation::Greater,
                                                Quotient(Abs(Name("B")), Name("d"))),
                                        Relation::Equal, Int(Abs(bOverD)));
        board.Line(say.reduce, {{"size", board.F(size)},
                                {"stepX", board.F(Term(bOverD, T()))},
                                {"stepY", board.F(Term(aOverD, T()))},
                                {"sum", board.F(Sum({Term(a, X()), Term(b, Y())}))},
                                {"cancel", board.F(Equation(Implicit({Int(a), Int(bOverD), T()}),
                                                            Implicit({Int(b), Int(aOverD), T()})))},
                                {"at", board.F(Equation(T(), Int(t)))}});
        board.Formula(List({Equalities({Name("x", 1), Sum({Int(x), Times(-bOverD, t)}), Int(x1)}),
                            Equalities({Name("y", 1), Sum({Int(y), Times(aOverD, t)}), Int(y1)})}));
    }
    board.Line(say.check,
               {{"check", board.F(Equalities({Combination(a, x1, b, y1),
                                              Sum({Int(a * x1), Int(b * y1)}), Int(c)}))}});
    return {x1, y1};
}

// x = x₁ − (B/d)t, y = y₁ + (A/d)t, why it solves the equation for every t,
// and why every solution is one of them.
void ReportGeneral(Board &board, Integer a, Integer b, Integer c, Integer gcd, Integer x1,
                   Integer y1)
{
    const EuclidTexts &say = board.say;
    board.Step(Kind::General);
    const Integer m = b / gcd, n = a / gcd;
    const auto over = [&](std::string_view letter, Integer value, Integer quotient) {
        return board.F(Equalities(
            {Quotient(Name(letter), Name("d")), Quotient(Int(value), Int(gcd)), Int(quotient)}));
    };
    board.Line(
        say.general,
        {{"formula",
          board.F(List(
              {Equation(X(), Sum({Name("x", 1),
                                  Implicit({Int(-1), Quotient(Name("B"), Name("d")), T()})})),
               Equation(Y(), Sum({Name("y", 1), Implicit({Quotient(Name("A"), Name("d")), T()})})),
               InIntegers(T())}))},
         {"bOverD", over("B", b, m)},
         {"aOverD", over("A", a, n)}});
    const Expression xForm = Sum({Int(x1), Term(-m, T())}, Zeros::Drop);
    const Expression yForm = Sum({Int(y1), Term(n, T())}, Zeros::Drop);
    board.Formula(List({Equation(X(), xForm), Equation(Y(), yForm), InIntegers(T())}));
    board.Line(
        say.everyT,
        {{"identity",
          board.F(Equalities(
              {Sum({Coefficient(a, xForm), Coefficient(b, yForm)}),
               Sum({Times(a, x1), Times(b, y1), Term(-a * m, T()), Term(b * n, T())}), Int(c)}))}});

    const Expression xDiff = Sum({X(), Int(-x1)}, Zeros::Drop);
    const Expression yDiff = Sum({Y(), Int(-y1)}, Zeros::Drop);
    const std::initializer_list<Placeholder> common = {
        {"particular", board.F(Equation(Combination(a, x1, b, y1), Int(c)))},
        {"equation", board.F(LinearEquation(a, b, c))},
        {"difference",
         board.F(Equation(Sum({Coefficient(a, xDiff), Coefficient(b, yDiff)}), Int(0)))},
        {"gcd", board.N(gcd)},
        {"reduced", board.F(Equation(Coefficient(n, xDiff), Coefficient(-m, yDiff)))}};
    if (x1 == 0 && y1 == 0)
        board.Line(say.everySolutionHomogeneous, common);
    else
        board.Line(gcd == 1 ? say.everySolutionCoprime : say.everySolution, common);
    board.Line(say.divisibility, {{"a", board.N(Abs(n))},
                                  {"b", board.N(Abs(m))},
                                  {"x", board.F(xDiff)},
                                  {"xForm", board.F(Equation(xDiff, Term(-m, T())))},
                                  {"yForm", board.F(Equation(yDiff, Term(n, T())))}});
}

// The working's x₀, y₀ in this general solution, at t = k.
void ReportBridge(Board &board, Integer a, Integer b, Integer c, Integer gcd, Integer x1,
                  Integer y1)
{
    const std::optional<TranscriptFamily> family = FindTranscriptFamily(
        static_cast<std::int64_t>(a), static_cast<std::int64_t>(b), static_cast<std::int64_t>(c));
    if (!family)
        return;
    const EuclidTexts &say = board.say;
    board.Step(Kind::Bridge);
    const Integer xo = family->xo, yo = family->yo;
    const Integer m = b / gcd, n = a / gcd;
    const std::string pair = board.F(PairOf(Name("x", 0), xo, Name("y", 0), yo));
    const Integer k = (x1 - xo) / m;
    if (k == 0) {
        board.Line(say.bridgeSame, {{"pair", pair}});
        return;
    }
    board.Line(say.bridge, {{"pair", pair}, {"at", board.F(Equation(T(), Int(k)))}});
    board.Formula(List({Equalities({X(), Sum({Int(x1), Times(-m, k)}), Int(xo)}),
                        Equalities({Y(), Sum({Int(y1), Times(n, k)}), Int(yo)})}));
    board.Line(say.bridgeShift,
               {{"formula", board.F(List({Equation(X(), Sum({Name("x", 0), Term(-m, T())})),
                                          Equation(Y(), Sum({Name("y", 0), Term(n, T())}))}))},
                {"shift", board.F(Sum({T(), Int(k)}))}});
}

// A and B both non-zero: the algorithm, the verdict, and where d divides C
// Bézout's equality, the particular and the general solution.
void ReportEuclid(Board &board, Integer a, Integer b, Integer c)
{
    const EuclidTexts &say = board.say;
    const Integer absA = Abs(a), absB = Abs(b);
    const bool aLarger = absA >= absB;
    const std::vector<Division> chain =
        aLarger ? EuclidDivisions(absA, absB) : EuclidDivisions(absB, absA);
    ReportAlgorithm(board, absA, absB, chain);
    const Integer gcd = chain.back().divisor;

    board.Step(Kind::Verdict);
    if (c % gcd != 0) {
        board.Line(say.doesNotDivide, {{"gcd", board.N(gcd)},
                                       {"c", board.N(c)},
                                       {"a", board.N(a)},
                                       {"b", board.N(b)},
                                       {"sum", board.F(Sum({Term(a, X()), Term(b, Y())}))}});
        return;
    }
    board.Line(say.divides, {{"gcd", board.N(gcd)},
                             {"c", board.N(c)},
                             {"product", board.F(Equation(Int(c), Times(c / gcd, gcd)))}});

    Integer uAbs = 0, vAbs = 0;
    if (board.method() == Method::Substitution) {
        const auto [larger, smaller] = BackSubstitute(board, chain);
        uAbs = aLarger ? larger : smaller;
        vAbs = aLarger ? smaller : larger;
    } else {
        const EuclidRow last = EuclidTableRows(absA, absB).back();
        uAbs = last.s;
        vAbs = last.t;
    }
    const auto [u, v] = ReportBezout(board, a, b, gcd, uAbs, vAbs);
    const auto [x1, y1] = ReportParticular(board, a, b, c, gcd, u, v);
    ReportGeneral(board, a, b, c, gcd, x1, y1);
    // The working searches only where C is not 0.
    if (c != 0)
        ReportBridge(board, a, b, c, gcd, x1, y1);
}

} // namespace

EuclidLesson EuclidLessonFor(std::string_view a, std::string_view b, std::string_view c,
                             std::string_view decimalSeparator, const Catalogue &language,
                             Method method)
{
    Board board(language, method);
    ReportReading(board, {a, b, c}, decimalSeparator);

    const std::array<double, 3> values = ReadCoefficients({a, b, c});
    if (ReportRefusal(board, values, decimalSeparator))
        return std::move(board).Lesson();

    // Inside the ranges every value is an exact integer of at most 32 bits.
    const Integer A = static_cast<std::int64_t>(values[0]);
    const Integer B = static_cast<std::int64_t>(values[1]);
    const Integer C = static_cast<std::int64_t>(values[2]);
    board.Step(Kind::Equation);
    board.Line(language.euclid.equation, {{"equation", board.F(LinearEquation(A, B, C))}});
    if (A == 0 || B == 0)
        ReportOneUnknown(board, A, B, C);
    else
        ReportEuclid(board, A, B, C);
    return std::move(board).Lesson();
}

std::string EuclidAccount(std::string_view a, std::string_view b, std::string_view c,
                          std::string_view decimalSeparator, const Catalogue &language,
                          Method method)
{
    return EuclidLessonText(EuclidLessonFor(a, b, c, decimalSeparator, language, method));
}
