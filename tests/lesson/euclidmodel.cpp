#include "euclidmodel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

using Values = std::map<std::string, std::string>;

std::string Fill(std::string_view message, const Values &values)
{
    std::string text(message);
    for (const auto &[name, value] : values) {
        const std::string key = "{" + name + "}";
        for (std::size_t at = text.find(key); at != std::string::npos;
             at = text.find(key, at + value.size()))
            text.replace(at, key.size(), value);
    }
    return text;
}

std::optional<Wide> ParseWide(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 30)
        return std::nullopt;
    Wide n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return negative ? -n : n;
}

Wide Abs(Wide n)
{
    return n < 0 ? -n : n;
}

// ---- the school notation, by hand -----------------------------------------

const std::string Minus = "\u2212";
const std::string Dot = "\u00B7";

std::string Digits(Wide n)
{
    return WideText(Abs(n));
}

std::string N(Wide n)
{
    return (n < 0 ? Minus : "") + Digits(n);
}

// "(" + text + ")" written so that GCC 12 sees no overlapping copy in it.
std::string Bracketed(const std::string &inner)
{
    std::string text = "(";
    text += inner;
    text += ")";
    return text;
}

// A number as a factor of a product: a negative one bracketed.
std::string P(Wide n)
{
    return n < 0 ? Bracketed(N(n)) : Digits(n);
}

// A term of a sum, its sign apart.
struct Term
{
    bool negative;
    std::string magnitude;
};

std::string Join(const std::vector<Term> &terms)
{
    std::string text;
    for (std::size_t k = 0; k < terms.size(); ++k) {
        if (k == 0)
            text += terms[k].negative ? Minus : "";
        else
            text += terms[k].negative ? " " + Minus + " " : " + ";
        text += terms[k].magnitude;
    }
    return text;
}

Term Num(Wide n)
{
    return {n < 0, Digits(n)};
}

// a·b shown, as a term: −2·(−91).
Term Prod(Wide a, Wide b)
{
    return {a < 0, Digits(a) + Dot + P(b)};
}

// a·b shown, standing alone: (−2)·(−91).
std::string Product(Wide a, Wide b)
{
    return P(a) + Dot + P(b);
}

// c times a letter: 5t, −t, 0x.
Term Lin(Wide c, const std::string &letter)
{
    return {c < 0, (c == 1 || c == -1) ? letter : Digits(c) + letter};
}

std::string Text(const Term &term)
{
    return Join({term});
}

// What a coefficient multiplies: a sum (4 − 5t, x − 4), a letter alone
// (x), or one term k·t.
struct Form
{
    enum Shape { Sum, Letter, One } shape;
    std::string text;
    Wide k = 0; // One: the term's coefficient
};

// letter + n, the n left out where it is 0: x − 4, x.
Form Shifted(const std::string &letter, Wide n)
{
    if (n == 0)
        return {Form::Letter, letter};
    return {Form::Sum, Join({{false, letter}, Num(n)})};
}

// constant + perT·t, the constant left out where it is 0: 4 − 5t, −5t, t.
Form FormOf(Wide constant, Wide perT)
{
    if (constant == 0)
        return {Form::One, Text(Lin(perT, "t")), perT};
    return {Form::Sum, Join({Num(constant), Lin(perT, "t")})};
}

std::string Juxtaposed(Wide c, Wide k);

// c times the form as a term of a sum, its sign apart: 91(4 − 5t), x,
// 91·(−5t), 6·2t, 7t.
Term Coefficient(Wide c, const Form &form)
{
    switch (form.shape) {
    case Form::Sum:
        return {c < 0, (c == 1 || c == -1 ? "" : Digits(c)) + "(" + form.text + ")"};
    case Form::Letter:
        return {c < 0, (c == 1 || c == -1 ? "" : Digits(c)) + form.text};
    case Form::One:
        if (form.k < 0)
            return {c < 0, Digits(c) + Dot + "(" + form.text + ")"};
        return {c < 0, Juxtaposed(Abs(c), form.k)};
    }
    return {};
}

// c·k·t juxtaposed, as the formatter writes Implicit({c, k, t}).
std::string Juxtaposed(Wide c, Wide k)
{
    std::string text = c < 0 ? Minus : "";
    bool written = false;
    if ((c != 1 && c != -1) || k != 1) {
        text += Digits(c);
        written = true;
    }
    if (k != 1) {
        text += (written ? Dot : "") + P(k);
    }
    return text + "t";
}

std::string Chain(const std::vector<std::string> &sides)
{
    std::string text;
    for (const std::string &side : sides)
        text += (text.empty() ? "" : " = ") + side;
    return text;
}

std::string ListOf(const std::vector<std::string> &items)
{
    std::string text;
    for (const std::string &item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::string Sub(const std::string &letter, int index)
{
    return letter + (index == 0 ? "\u2080" : "\u2081");
}

std::string LinearEquation(Wide a, Wide b, Wide c)
{
    return Join({Lin(a, "x"), Lin(b, "y")}) + " = " + N(c);
}

std::string Quotient(Wide a, Wide b)
{
    return N(a) + "/" + (b < 0 ? Bracketed(N(b)) : Digits(b));
}

int Width(const std::string &text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

Rational R(Wide n)
{
    return Rational{n, 1};
}

// ---- the arithmetic -----------------------------------------------------------

struct Level
{
    Wide dividend, divisor, quotient;
    Wide x, y; // gcd = x * dividend + y * divisor
};

// Extended Euclid by recursion; the levels from the innermost division out.
Wide Egcd(Wide a, Wide b, std::vector<Level> &levels)
{
    if (b == 0)
        return a;
    const Wide g = Egcd(b, a % b, levels);
    Wide x = 1, y = 0; // for (b, 0): g = 1 * b + 0 * 0
    if (!levels.empty())
        std::tie(x, y) = std::pair(levels.back().x, levels.back().y);
    levels.push_back({a, b, a / b, y, x - (a / b) * y});
    return g;
}

// The step count k with |x − m·k| smallest, the positive x of two as near;
// by walking, as a pupil would.
Wide NearestSteps(Wide x, Wide m)
{
    if (Abs(x) <= Abs(m))
        return 0;
    Wide k = x / m; // within one of the answer
    Wide best = k;
    for (Wide j = k - 2; j <= k + 2; ++j) {
        const Wide here = x - m * j, there = x - m * best;
        if (Abs(here) < Abs(there) || (Abs(here) == Abs(there) && here > there))
            best = j;
    }
    return best;
}

// ---- the lesson -----------------------------------------------------------------

class Model
{
public:
    Model(const Catalogue &language, bool table) : say(language.euclid), table_(table) {}

    void Line(std::string_view message, const Values &values = {})
    {
        lesson.lines.push_back(Fill(message, values));
    }
    void FormulaLine(const std::string &text, NameValues names = {})
    {
        lesson.lines.push_back(text);
        Formula(text, std::move(names));
    }
    // Notes a formula that stands in a line; gives it back to fill with.
    std::string Formula(const std::string &text, NameValues names = {}, bool holds = true)
    {
        lesson.formulas.push_back({text, std::move(names), holds});
        return text;
    }

    const EuclidTexts &say;
    ModelLesson lesson;
    bool table_;
};

void OneUnknown(Model &m, Wide a, Wide b, Wide c)
{
    const EuclidTexts &say = m.say;
    if (a == 0 && b == 0) {
        if (c == 0)
            m.Line(say.everyPair,
                   {{"equation", m.Formula(LinearEquation(0, 0, 0), {{"x", R(3)}, {"y", R(-7)}})}});
        else
            m.Line(say.noPair, {{"c", N(c)}});
        return;
    }
    const bool y = a == 0;
    const Wide k = y ? b : a;
    const std::string letter = y ? "y" : "x";
    const bool solvable = c % k == 0;
    const NameValues names = {{letter, R(solvable ? c / k : 0)}};
    const std::string equation = m.Formula(Text(Lin(k, letter)) + " = " + N(c), names, solvable);
    m.Line(y ? say.onlyY : say.onlyX, {{"equation", equation}});
    if (!solvable) {
        m.Line(y ? say.onlyYNone : say.onlyXNone,
               {{y ? "b" : "a", N(k)}, {"c", N(c)}, {"equation", equation}});
        return;
    }
    m.Line(y ? say.onlyYSolved : say.onlyXSolved,
           {{y ? "b" : "a", N(k)},
            {"c", N(c)},
            {"solution", m.Formula(Chain({letter, Quotient(c, k), N(c / k)}), names)}});
    m.lesson.particular = y ? std::pair<Wide, Wide>(0, c / k) : std::pair<Wide, Wide>(c / k, 0);
}

struct Part
{
    Wide coefficient, number;
    bool bare = false;
};

Term PartTerm(const Part &p)
{
    return p.bare ? Num(p.number) : Prod(p.coefficient, p.number);
}

// The back-substitution lines from the levels (innermost first); gives the
// coefficients of the first division's dividend and divisor.
std::pair<Wide, Wide> BackSubstitution(Model &m, const std::vector<Level> &levels, Wide g)
{
    const EuclidTexts &say = m.say;
    const std::size_t n = levels.size();
    if (n == 1) {
        m.Line(say.backNone, {{"gcd", N(g)}});
        return {0, 1};
    }
    m.Line(say.remainders, {{"rule", m.Formula("r = a " + Minus + " q" + Dot + "b",
                                               {{"r", R(levels[0].dividend % levels[0].divisor)},
                                                {"a", R(levels[0].dividend)},
                                                {"q", R(levels[0].quotient)},
                                                {"b", R(levels[0].divisor)}})}});
    // From the outermost division in, each remainder that is not 0.
    for (std::size_t k = n; k-- > 1;) {
        const Level &l = levels[k];
        m.FormulaLine(N(l.dividend % l.divisor) + " = " +
                      Join({Num(l.dividend), Prod(-l.quotient, l.divisor)}));
    }
    const Level &last = levels[1];
    std::array<Part, 2> parts = {Part{1, last.dividend, true}, Part{-last.quotient, last.divisor}};
    if (n > 2)
        m.Line(say.backSubstitution);
    for (std::size_t k = 2; k < n; ++k) {
        const Level &l = levels[k];
        const Wide r = l.dividend % l.divisor;
        const std::size_t p = parts[0].number == r ? 0 : 1;
        EXPECT_TRUE(parts[p].number == r && parts[1 - p].number == l.divisor);
        const Part other = parts[1 - p];
        const Wide c = parts[p].coefficient;
        const Term substituted = {c < 0, Digits(c) + Dot + "(" +
                                             Join({Num(l.dividend), Prod(-l.quotient, l.divisor)}) +
                                             ")"};
        const auto inPlace = [&](const Term &atP, const Term &atOther) {
            return p == 0 ? Join({atP, atOther}) : Join({atOther, atP});
        };
        std::vector<Term> expanded = {PartTerm(other)};
        const std::vector<Term> expansion = {Prod(c, l.dividend), Prod(-c * l.quotient, l.divisor)};
        expanded.insert(p == 0 ? expanded.begin() : expanded.end(), expansion.begin(),
                        expansion.end());
        std::array<Part, 2> next;
        next[p] = {c, l.dividend};
        next[1 - p] = {other.coefficient - c * l.quotient, l.divisor};
        m.FormulaLine(Chain({N(g), inPlace(PartTerm(parts[p]), PartTerm(other)),
                             inPlace(substituted, PartTerm(other)), Join(expanded),
                             inPlace(PartTerm(next[p]), PartTerm(next[1 - p]))}));
        parts = next;
    }
    const Level &top = levels.back();
    return parts[0].number == top.dividend ? std::pair(parts[0].coefficient, parts[1].coefficient)
                                           : std::pair(parts[1].coefficient, parts[0].coefficient);
}

void Euclid(Model &m, Wide a, Wide b, Wide c, const std::optional<std::pair<Wide, Wide>> &found)
{
    const EuclidTexts &say = m.say;
    const Wide absA = Abs(a), absB = Abs(b);
    const NameValues ab = {{"A", R(a)}, {"B", R(b)}};
    const std::string aIs = m.Formula("|A| = " + N(absA), ab);
    const std::string bIs = m.Formula("|B| = " + N(absB), ab);
    std::vector<Level> levels;
    const bool aFirst = absA >= absB;
    const Wide g = aFirst ? Egcd(absA, absB, levels) : Egcd(absB, absA, levels);
    m.lesson.gcd = g;
    const Values gcdValues = {{"a", N(absA)}, {"b", N(absB)}, {"gcd", N(g)}};
    const auto division = [](const Level &l) {
        return N(l.dividend) + " = " +
               Join({Prod(l.quotient, l.divisor), Num(l.dividend % l.divisor)});
    };

    // The table: the larger number's row first, each further row from the
    // two above it.
    std::vector<std::array<Wide, 4>> rows = {{0, absA, 1, 0}, {0, absB, 0, 1}};
    if (!aFirst)
        std::swap(rows[0], rows[1]);
    for (std::size_t k = levels.size(); k-- > 1;) {
        const Wide q = levels[k].quotient;
        const auto &up = rows[rows.size() - 2], &above = rows.back();
        rows.push_back({q, up[1] - q * above[1], up[2] - q * above[2], up[3] - q * above[3]});
    }
    if (!m.table_) {
        m.Line(say.algorithm, {{"a", aIs}, {"b", bIs}});
        for (auto level = levels.rbegin(); level != levels.rend(); ++level)
            m.FormulaLine(division(*level));
        m.Line(levels.size() == 1 ? say.gcdExact : say.gcd, gcdValues);
    } else {
        m.lesson.tableRows = rows;
        const auto &row = rows.back();
        m.Line(say.tableHeading,
               {{"a", aIs},
                {"b", bIs},
                {"rule", m.Formula("r = s" + Dot + Digits(absA) + " + t" + Dot + Digits(absB),
                                   {{"r", R(row[1])}, {"s", R(row[2])}, {"t", R(row[3])}})}});
        m.Line(say.tableRule, {{"a", N(rows[0][1])}, {"b", N(rows[1][1])}});
        std::vector<std::array<std::string, 4>> cells = {{"q", "r", "s", "t"}};
        for (std::size_t k = 0; k < rows.size(); ++k)
            cells.push_back(
                {k < 2 ? "" : N(rows[k][0]), N(rows[k][1]), N(rows[k][2]), N(rows[k][3])});
        std::array<int, 4> widths{};
        for (const auto &line : cells)
            for (int k = 0; k < 4; ++k)
                widths[k] = std::max(widths[k], Width(line[k]));
        for (const auto &line : cells) {
            std::string text;
            for (int k = 0; k < 4; ++k)
                text += std::string(2 + widths[k] - Width(line[k]), ' ') + line[k];
            m.lesson.lines.push_back(text);
        }
        m.Line(levels.size() == 1 ? say.tableExact : say.tableEnd,
               {{"division", m.Formula(division(levels.front()))},
                {"a", N(absA)},
                {"b", N(absB)},
                {"gcd", N(g)}});
    }

    if (c % g != 0) {
        m.Line(say.doesNotDivide,
               {{"gcd", N(g)},
                {"c", N(c)},
                {"a", N(a)},
                {"b", N(b)},
                {"sum", m.Formula(Join({Lin(a, "x"), Lin(b, "y")}), {{"x", R(5)}, {"y", R(-2)}})}});
        return;
    }
    const Wide f = c / g;
    m.Line(say.divides,
           {{"gcd", N(g)}, {"c", N(c)}, {"product", m.Formula(N(c) + " = " + Product(f, g))}});

    // Bézout's equality for |A| and |B|: by substitution, or the last row.
    Wide uAbs = 0, vAbs = 0;
    const Level &top = levels.back();
    if (!m.table_) {
        const auto [first, second] = BackSubstitution(m, levels, g);
        EXPECT_TRUE(first == top.x && second == top.y) << "the substitution is not Euclid's";
        uAbs = aFirst ? first : second;
        vAbs = aFirst ? second : first;
    } else {
        uAbs = rows.back()[2];
        vAbs = rows.back()[3];
        EXPECT_TRUE(uAbs == (aFirst ? top.x : top.y) && vAbs == (aFirst ? top.y : top.x))
            << "the table's last row is not Euclid's";
    }
    EXPECT_TRUE(uAbs * absA + vAbs * absB == g);
    m.Line(m.table_ ? say.bezoutFromTable : say.bezout,
           {{"a", N(absA)},
            {"b", N(absB)},
            {"equality", m.Formula(N(g) + " = " + Join({Prod(uAbs, absA), Prod(vAbs, absB)}))}});
    const Wide u = a < 0 ? -uAbs : uAbs, v = b < 0 ? -vAbs : vAbs;
    m.lesson.bezout = std::pair(u, v);
    const std::string withSigns = N(g) + " = " + Join({Prod(u, a), Prod(v, b)});
    const bool changesA = a < 0 && u != 0, changesB = b < 0 && v != 0;
    const std::string reasonA = Product(uAbs, absA) + " = " + Product(-uAbs, a);
    const std::string reasonB = Product(vAbs, absB) + " = " + Product(-vAbs, b);
    if (changesA && changesB)
        m.Line(say.signsBoth, {{"a", N(a)},
                               {"b", N(b)},
                               {"reasons", m.Formula(reasonA + ", " + reasonB)},
                               {"equality", m.Formula(withSigns)}});
    else if (changesA)
        m.Line(say.signsA,
               {{"a", N(a)}, {"reason", m.Formula(reasonA)}, {"equality", m.Formula(withSigns)}});
    else if (changesB)
        m.Line(say.signsB,
               {{"b", N(b)}, {"reason", m.Formula(reasonB)}, {"equality", m.Formula(withSigns)}});

    // The particular solution, made smaller where it can be.
    const Wide x = f * u, y = f * v;
    EXPECT_TRUE(a * x + b * y == c);
    m.Line(say.multiply,
           {{"quotient",
             m.Formula("C/d = " + Quotient(c, g) + " = " + N(f), {{"C", R(c)}, {"d", R(g)}})},
            {"chain", m.Formula(Chain({N(c), Product(f, g),
                                       P(f) + Dot + "(" + Join({Prod(u, a), Prod(v, b)}) + ")",
                                       Join({Prod(x, a), Prod(y, b)})}))}});
    const Wide bg = b / g, ag = a / g;
    const Wide k = NearestSteps(x, bg);
    const Wide x1 = x - bg * k, y1 = y + ag * k;
    EXPECT_TRUE(Abs(x1) <= Abs(bg)) << "the pair is not reduced";
    const NameValues pairNames = {{Sub("x", 1), R(x1)}, {Sub("y", 1), R(y1)}};
    if (k == 0) {
        m.Line(
            say.particular,
            {{"pair", m.Formula(ListOf({Sub("x", 1) + " = " + N(x1), Sub("y", 1) + " = " + N(y1)}),
                                pairNames)}});
    } else {
        m.Line(say.solution, {{"pair", m.Formula(ListOf({"x = " + N(x), "y = " + N(y)}),
                                                 {{"x", R(x)}, {"y", R(y)}})}});
        m.Line(say.reduce,
               {{"size", m.Formula("|x| = " + N(Abs(x)) + " > |B|/d = " + N(Abs(bg)),
                                   {{"x", R(x)}, {"B", R(b)}, {"d", R(g)}})},
                {"stepX", m.Formula(Text(Lin(bg, "t")), {{"t", R(k)}})},
                {"stepY", m.Formula(Text(Lin(ag, "t")), {{"t", R(k)}})},
                {"sum", m.Formula(Join({Lin(a, "x"), Lin(b, "y")}), {{"x", R(x)}, {"y", R(y)}})},
                {"cancel", m.Formula(Juxtaposed(a, bg) + " = " + Juxtaposed(b, ag), {{"t", R(7)}})},
                {"at", m.Formula("t = " + N(k), {{"t", R(k)}})}});
        m.FormulaLine(ListOf({Chain({Sub("x", 1), Join({Num(x), Prod(-bg, k)}), N(x1)}),
                              Chain({Sub("y", 1), Join({Num(y), Prod(ag, k)}), N(y1)})}),
                      pairNames);
    }
    m.lesson.particular = std::pair(x1, y1);
    m.Line(say.check, {{"check", m.Formula(Chain({Join({Prod(a, x1), Prod(b, y1)}),
                                                  Join({Num(a * x1), Num(b * y1)}), N(c)}))}});

    // The general solution, every letter given a pair that solves it.
    m.lesson.steps = std::pair(-bg, ag);
    constexpr Wide AtT = 3;
    const NameValues letters = {{"x", R(x1 - bg * AtT)},
                                {"y", R(y1 + ag * AtT)},
                                {"t", R(AtT)},
                                {Sub("x", 1), R(x1)},
                                {Sub("y", 1), R(y1)},
                                {"A", R(a)},
                                {"B", R(b)},
                                {"d", R(g)}};
    const auto over = [&](const std::string &letter, Wide value, Wide quotient) {
        return m.Formula(letter + "/d = " + Quotient(value, g) + " = " + N(quotient), letters);
    };
    m.Line(say.general,
           {{"formula", m.Formula("x = " + Sub("x", 1) + " " + Minus +
                                      " (B/d)t, y = " + Sub("y", 1) + " + (A/d)t, t \u2208 \u2124",
                                  letters)},
            {"bOverD", over("B", b, bg)},
            {"aOverD", over("A", a, ag)}});
    const Form xForm = FormOf(x1, -bg), yForm = FormOf(y1, ag);
    m.FormulaLine("x = " + xForm.text + ", y = " + yForm.text + ", t \u2208 \u2124", letters);
    m.Line(say.everyT,
           {{"identity",
             m.Formula(Chain({Join({Coefficient(a, xForm), Coefficient(b, yForm)}),
                              Join({Prod(a, x1), Prod(b, y1), Lin(-a * bg, "t"), Lin(b * ag, "t")}),
                              N(c)}),
                       letters)}});
    const Form xDiff = Shifted("x", -x1), yDiff = Shifted("y", -y1);
    const std::string reduced =
        m.Formula(Text(Coefficient(ag, xDiff)) + " = " + Text(Coefficient(-bg, yDiff)), letters);
    const std::string equation = m.Formula(LinearEquation(a, b, c), letters);
    if (x1 == 0 && y1 == 0) {
        m.Line(say.everySolutionHomogeneous, {{"equation", equation}, {"reduced", reduced}});
    } else {
        m.Line(g == 1 ? say.everySolutionCoprime : say.everySolution,
               {{"particular", m.Formula(Join({Prod(a, x1), Prod(b, y1)}) + " = " + N(c))},
                {"equation", equation},
                {"difference",
                 m.Formula(Join({Coefficient(a, xDiff), Coefficient(b, yDiff)}) + " = 0", letters)},
                {"gcd", N(g)},
                {"reduced", reduced}});
    }
    m.Line(say.divisibility,
           {{"a", N(Abs(ag))},
            {"b", N(Abs(bg))},
            {"x", m.Formula(xDiff.text, letters)},
            {"xForm", m.Formula(xDiff.text + " = " + Text(Lin(-bg, "t")), letters)},
            {"yForm", m.Formula(yDiff.text + " = " + Text(Lin(ag, "t")), letters)}});

    // The working's pair, where it searched.
    if (c == 0)
        return;
    EXPECT_TRUE(found.has_value()) << "the working found no pair";
    if (!found)
        return;
    const auto [xo, yo] = *found;
    EXPECT_TRUE(ag * xo + bg * yo == c / g) << "the working's pair is no solution";
    EXPECT_TRUE((x1 - xo) % bg == 0) << "the working's pair is not in the family";
    const Wide at = (x1 - xo) / bg;
    const std::string pair =
        m.Formula(ListOf({Sub("x", 0) + " = " + N(xo), Sub("y", 0) + " = " + N(yo)}),
                  {{Sub("x", 0), R(xo)}, {Sub("y", 0), R(yo)}});
    if (at == 0) {
        m.Line(say.bridgeSame, {{"pair", pair}});
        return;
    }
    m.Line(say.bridge, {{"pair", pair}, {"at", m.Formula("t = " + N(at), {{"t", R(at)}})}});
    m.FormulaLine(ListOf({Chain({"x", Join({Num(x1), Prod(-bg, at)}), N(xo)}),
                          Chain({"y", Join({Num(y1), Prod(ag, at)}), N(yo)})}),
                  {{"x", R(xo)}, {"y", R(yo)}});
    // The working's formula at its t = 2 is this one's at 2 + at.
    const NameValues working = {{Sub("x", 0), R(xo)},
                                {Sub("y", 0), R(yo)},
                                {"t", R(2)},
                                {"x", R(xo - bg * 2)},
                                {"y", R(yo + ag * 2)}};
    m.Line(say.bridgeShift,
           {{"formula", m.Formula(ListOf({"x = " + Join({{false, Sub("x", 0)}, Lin(-bg, "t")}),
                                          "y = " + Join({{false, Sub("y", 0)}, Lin(ag, "t")})}),
                                  working)},
            {"shift", m.Formula(Join({{false, "t"}, Num(at)}), {{"t", R(2)}})}});
}

} // namespace

std::string WideText(Wide n)
{
    const bool negative = n < 0;
    std::string digits;
    do {
        const int digit = static_cast<int>(n % 10);
        digits.insert(digits.begin(), static_cast<char>('0' + (digit < 0 ? -digit : digit)));
        n /= 10;
    } while (n != 0);
    if (negative)
        digits.insert(digits.begin(), '-');
    return digits;
}

std::optional<std::pair<Wide, Wide>> TranscriptPair(const std::vector<std::string> &transcript,
                                                    const TranscriptTexts &say)
{
    for (const std::string &line : transcript) {
        if (!line.starts_with(say.found.xo.value))
            continue;
        const std::string rest = line.substr(say.found.xo.value.size());
        const std::size_t at = rest.find(say.found.yo.value);
        const auto x = ParseWide(rest.substr(0, at));
        const auto y = ParseWide(rest.substr(at + say.found.yo.value.size()));
        if (x && y)
            return std::pair(*x, *y);
    }
    return std::nullopt;
}

ModelInput PlainInput(Wide a, Wide b, Wide c)
{
    return {{WideText(a), WideText(b), WideText(c)}, {}, std::nullopt};
}

ModelLesson ModelEuclid(const ModelInput &input, const Catalogue &language, bool table)
{
    Model m(language, table);
    const EuclidTexts &say = language.euclid;
    const char *letters[] = {"A", "B", "C"};
    // The working's numbers with the notation's minus.
    const auto minus = [](std::string text) {
        for (std::size_t at = text.find('-'); at != std::string::npos; at = text.find('-', at))
            text.replace(at, 1, Minus);
        return text;
    };

    std::array<std::string, 3> read; // the value each field is read as, as the working prints it
    for (int k = 0; k < 3; ++k) {
        const std::string &text = input.texts[k];
        const bool plain = ParseWide(text).has_value();
        read[k] = plain ? WideText(*ParseWide(text)) : input.readAs[k];
        if (plain)
            continue;
        if (text.empty())
            m.Line(say.readEmpty, {{"field", letters[k]}});
        else
            m.Line(say.readAs,
                   {{"field", letters[k]}, {"text", text}, {"value", minus(input.readAs[k])}});
    }

    const Wide lower[] = {-2147483648LL, -32767, -2147483648LL};
    const Wide upper[] = {2147483647, 32767, 2147483647};
    std::array<Wide, 3> v{};
    std::string reasons;
    for (int k = 0; k < 3; ++k) {
        const auto value = ParseWide(read[k]);
        if (value && *value >= lower[k] && *value <= upper[k]) {
            v[k] = *value;
            continue;
        }
        reasons +=
            (reasons.empty() ? "" : "; ") + Fill(say.refusedCoefficient, {{"letter", letters[k]},
                                                                          {"value", minus(read[k])},
                                                                          {"lower", N(lower[k])},
                                                                          {"upper", N(upper[k])}});
    }
    if (!reasons.empty()) {
        m.Line(say.refused, {{"reasons", reasons}});
        return std::move(m.lesson);
    }

    const auto [a, b, c] = v;
    m.Line(say.equation,
           {{"equation", m.Formula(LinearEquation(a, b, c), {{"x", R(0)}, {"y", R(0)}}, false)}});
    if (a == 0 || b == 0)
        OneUnknown(m, a, b, c);
    else
        Euclid(m, a, b, c, input.transcriptPair);
    return std::move(m.lesson);
}
