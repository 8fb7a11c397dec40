#include "boundsaccount.h"

#include "boundedsolutions.h"
#include "expression.h"
#include "formulatext.h"
#include "notation.h"
#include "placeholders.h"

#include "coefficients.h"
#include "prepareequation.h"
#include "readcoefficient.h"
#include "transcript.h"

#include <array>
#include <string_view>

namespace {

using Outcome = BoundOnT::Outcome;

class Writer
{
public:
    Writer(const Catalogue &language)
        : say_(language.bounds), notation_(SchoolNotation(language.code))
    {}

    std::string Formula(const Expression &e) const { return FormulaText(e, notation_); }

    void Line(std::string_view message, std::initializer_list<Placeholder> values = {})
    {
        text_ += FillPlaceholders(message, values);
        text_ += LineEnd;
    }

    // Where a step of the route begins: the bounds on t, their range, the
    // count, the solutions.
    void Step() { steps_.push_back(text_.size()); }

    const BoundsTexts &say() const { return say_; }
    std::string Text() && { return std::move(text_); }

    // The text from each step to the next, without the line ending it.
    std::vector<std::string> Steps() const
    {
        std::vector<std::string> parts;
        for (std::size_t k = 0; k < steps_.size(); ++k) {
            const std::size_t end = k + 1 < steps_.size() ? steps_[k + 1] : text_.size();
            std::string part = text_.substr(steps_[k], end - steps_[k]);
            while (part.ends_with(LineEnd))
                part.resize(part.size() - LineEnd.size());
            if (!part.empty())
                parts.push_back(std::move(part));
        }
        return parts;
    }

private:
    const BoundsTexts &say_;
    Notation notation_;
    std::string text_;
    std::vector<std::size_t> steps_;
};

Relation RelationOf(bool atLeast)
{
    return atLeast ? Relation::AtLeast : Relation::AtMost;
}

// One letter's bounds: −3 ≤ x ≤ 3, x ≥ 1 or x ≤ 3.
std::optional<Expression> LetterBounds(std::string_view letter,
                                       const std::optional<std::int64_t> &low,
                                       const std::optional<std::int64_t> &high)
{
    if (low && high)
        return Compare(Compare(Int(*low), Relation::AtMost, Name(letter)), Relation::AtMost,
                       Int(*high));
    if (low)
        return Compare(Name(letter), Relation::AtLeast, Int(*low));
    if (high)
        return Compare(Name(letter), Relation::AtMost, Int(*high));
    return std::nullopt;
}

Expression BoundsFormula(const SolutionBounds &bounds)
{
    std::vector<Expression> parts;
    if (auto x = LetterBounds("x", bounds.xMin, bounds.xMax))
        parts.push_back(std::move(*x));
    if (auto y = LetterBounds("y", bounds.yMin, bounds.yMax))
        parts.push_back(std::move(*y));
    return List(std::move(parts));
}

// The range of t the inequalities leave; nothing where t has no end.
std::optional<Expression> RangeOfT(const std::optional<Wide> &low, const std::optional<Wide> &high)
{
    if (low && high && *low == *high)
        return Equation(Name("t"), Int(*low));
    if (low && high)
        return Compare(Compare(Int(*low), Relation::AtMost, Name("t")), Relation::AtMost,
                       Int(*high));
    if (low)
        return Compare(Name("t"), Relation::AtLeast, Int(*low));
    if (high)
        return Compare(Name("t"), Relation::AtMost, Int(*high));
    return std::nullopt;
}

Expression Fraction(const BoundOnT &step)
{
    if (step.exact())
        return Int(step.numerator);
    return Quotient(Int(step.numerator), Int(step.denominator));
}

Expression PairOf(const SolutionPair &pair)
{
    return Pair(Int(pair.x), Int(pair.y));
}

Expression Pairs(const std::vector<SolutionPair> &pairs)
{
    std::vector<Expression> list;
    for (const SolutionPair &pair : pairs)
        list.push_back(PairOf(pair));
    return List(std::move(list));
}

// The whole number just past a fraction, toward the side it is rounded to,
// framed: 0 < 2/5 < 1 for t ≥ 2/5 rounded up to 1.
Expression Between(const BoundOnT &step)
{
    const bool up = step.outcome == Outcome::LowerEnd;
    const Wide low = up ? step.whole - 1 : step.whole;
    return Compare(Compare(Int(low), Relation::Less, Fraction(step)), Relation::Less, Int(low + 1));
}

// Each bound, then the inequality it gives on t, one step of the board after
// another: x ≥ 1  ⇒  −1 − 5t ≥ 1  ⇒  −5t ≥ 1 + 1  ⇒  −5t ≥ 2  ⇒  t ≤ −2/5;
// then why the sign turned and how t was rounded.
void ReportStep(Writer &w, const BoundOnT &step)
{
    const BoundsTexts &say = w.say();
    const std::string letter(1, step.letter);
    const Relation relation = RelationOf(step.atLeast);
    std::vector<Expression> sides;
    std::string last;
    const auto add = [&](Expression e) {
        std::string text = w.Formula(e);
        if (text != last) {
            last = std::move(text);
            sides.push_back(std::move(e));
        }
    };
    add(Compare(Name(letter), relation, Int(step.end)));
    if (step.step == 0) {
        add(Compare(Int(step.start), relation, Int(step.end)));
        w.Line(w.Formula(Implications(std::move(sides))));
        w.Line(step.outcome == Outcome::Always ? say.holdsAlways : say.holdsNever);
        return;
    }
    const bool lowerEnd = step.outcome == Outcome::LowerEnd;
    const Expression term = Term(step.step, "t");
    add(Compare(Sum({Int(step.start), term}, Zeros::Drop), relation, Int(step.end)));
    add(Compare(term, relation, Sum({Int(step.end), Int(-step.start)}, Zeros::Drop)));
    add(Compare(term, relation, Int(step.end - step.start)));
    add(Compare(Name("t"), RelationOf(lowerEnd), Fraction(step)));
    w.Line(w.Formula(Implications(std::move(sides))));
    if (step.step < 0)
        w.Line(say.signTurns, {{"divisor", w.Formula(Int(step.step))}});
    if (!step.exact())
        w.Line(
            lowerEnd ? say.roundUp : say.roundDown,
            {{"inequality", w.Formula(Compare(Name("t"), RelationOf(lowerEnd), Int(step.whole)))},
             {"fraction", w.Formula(Fraction(step))},
             {"between", w.Formula(Between(step))}});
}

// The count: with each language's plural forms; a count beyond 64 bits keeps
// the last digits the rules read.
void ReportCount(Writer &w, Wide count)
{
    const Wide wrap = 1000000;
    const std::uint64_t n =
        static_cast<std::uint64_t>(count < (Wide(1) << 63) ? count : count % wrap + wrap);
    w.Line(w.say().count.For(n), {{"count", w.Formula(Int(count))}});
}

// The pairs, all or the first and the last of them, in the given order's
// message.
void ReportPairs(Writer &w, const BoundedSolutions &s, std::string_view ordered,
                 std::initializer_list<Placeholder> more = {})
{
    const BoundsTexts &say = w.say();
    std::string pairs;
    if (!s.first.empty() && !s.last.empty())
        pairs = FillPlaceholders(say.firstAndLast, {{"first", w.Formula(Pairs(s.first))},
                                                    {"last", w.Formula(Pairs(s.last))}});
    else if (!s.first.empty() && !s.count)
        pairs = FillPlaceholders(say.beginning, {{"first", w.Formula(Pairs(s.first))}});
    else if (!s.last.empty())
        pairs = FillPlaceholders(say.ending, {{"last", w.Formula(Pairs(s.last))}});
    else if (!s.first.empty())
        pairs = w.Formula(Pairs(s.first));
    else
        return;
    std::vector<Placeholder> values(more);
    values.push_back({"pairs", pairs});
    w.Line(FillPlaceholders(ordered, values));
}

// The smallest and the largest x, with the solution each is in.
void ReportExtremes(Writer &w, const BoundedSolutions &s)
{
    const BoundsTexts &say = w.say();
    const auto number = [&](Wide n) { return w.Formula(Int(n)); };
    if (s.smallestX && s.largestX && *s.smallestX == *s.largestX) {
        w.Line(say.sameX, {{"equality", w.Formula(Equation(Name("x"), Int(*s.smallestX)))}});
        return;
    }
    // In one family each x is in one solution, the first or the last listed.
    const auto pairWith = [&](Wide x) {
        for (const auto *list : {&s.first, &s.last})
            for (const SolutionPair &pair : *list)
                if (pair.x == x)
                    return w.Formula(PairOf(pair));
        return std::string();
    };
    if (s.smallestX && s.largestX)
        w.Line(say.extremes, {{"smallest", number(*s.smallestX)},
                              {"smallestPair", pairWith(*s.smallestX)},
                              {"largest", number(*s.largestX)},
                              {"largestPair", pairWith(*s.largestX)}});
    else if (s.smallestX)
        w.Line(say.smallestOnly,
               {{"smallest", number(*s.smallestX)}, {"smallestPair", pairWith(*s.smallestX)}});
    else if (s.largestX)
        w.Line(say.largestOnly,
               {{"largest", number(*s.largestX)}, {"largestPair", pairWith(*s.largestX)}});
    else
        w.Line(say.noExtremes);
}

void ReportFamily(Writer &w, const BoundedSolutions &s)
{
    const BoundsTexts &say = w.say();
    const SolutionFamily &f = s.family;
    const auto coordinate = [](std::string_view letter, Wide start, Wide step) {
        return Equation(Name(letter), Sum({Int(start), Term(step, "t")}, Zeros::Drop));
    };
    w.Step();
    w.Line(say.family,
           {{"solution", w.Formula(List({coordinate("x", f.x0, f.p), coordinate("y", f.y0, f.q),
                                         InIntegers(Name("t"))}))}});
    for (const BoundOnT &step : s.steps)
        ReportStep(w, step);

    w.Step();
    for (const BoundOnT &step : s.steps)
        if (step.outcome == Outcome::Never) {
            w.Line(say.noneNever,
                   {{"bound", w.Formula(Compare(Name(std::string(1, step.letter)),
                                                RelationOf(step.atLeast), Int(step.end)))}});
            return;
        }
    const std::optional<Expression> range = RangeOfT(s.tMin, s.tMax);
    if (s.none) {
        w.Line(say.noneRange,
               {{"lower", w.Formula(Compare(Name("t"), Relation::AtLeast, Int(*s.tMin)))},
                {"upper", w.Formula(Compare(Name("t"), Relation::AtMost, Int(*s.tMax)))}});
        return;
    }
    if (range)
        w.Line(say.together, {{"range", w.Formula(*range)}});
    else
        w.Line(say.unbounded);

    w.Step();
    if (s.count)
        ReportCount(w, *s.count);
    else if (range)
        w.Line(say.infinitely, {{"range", w.Formula(*range)}});
    else
        w.Line(say.infinitelyAnyT);

    w.Step();
    if (f.p == 0)
        ReportPairs(w, s, say.orderedByY,
                    {{"equality", w.Formula(Equation(Name("x"), Int(f.x0)))}});
    else
        ReportPairs(w, s, say.orderedByX);
    ReportExtremes(w, s);
}

void ReportEveryPair(Writer &w, const BoundedSolutions &s, const SolutionBounds &bounds)
{
    const BoundsTexts &say = w.say();
    w.Step();
    w.Line(say.everyPair, {{"equation", w.Formula(LinearEquation(0, 0, 0))},
                           {"bounds", w.Formula(BoundsFormula(bounds))}});
    if (s.none) {
        const bool xCrossed = bounds.xMin && bounds.xMax && *bounds.xMin > *bounds.xMax;
        const std::string_view letter = xCrossed ? "x" : "y";
        w.Line(say.noneEmpty,
               {{"letter", std::string(letter)},
                {"range", w.Formula(xCrossed ? *LetterBounds(letter, bounds.xMin, bounds.xMax)
                                             : *LetterBounds(letter, bounds.yMin, bounds.yMax))}});
        return;
    }
    w.Step();
    if (s.count) {
        const Wide columns = Wide(*bounds.yMax) - *bounds.yMin + 1;
        const Wide rows = Wide(*bounds.xMax) - *bounds.xMin + 1;
        w.Line(say.everyPairCount,
               {{"product", w.Formula(Equalities({Times(rows, columns), Int(*s.count)}))}});
        ReportCount(w, *s.count);
    } else {
        const bool xOpen = !bounds.xMin || !bounds.xMax;
        w.Line(say.infinitelyPairs, {{"letter", xOpen ? "x" : "y"}});
    }
    w.Step();
    ReportPairs(w, s, say.orderedByXY);

    const auto number = [&](Wide n) { return w.Formula(Int(n)); };
    if (s.smallestX && s.largestX && *s.smallestX == *s.largestX)
        w.Line(say.sameX, {{"equality", w.Formula(Equation(Name("x"), Int(*s.smallestX)))}});
    else if (s.smallestX && s.largestX)
        w.Line(say.extremeValues,
               {{"smallest", number(*s.smallestX)}, {"largest", number(*s.largestX)}});
    else if (s.smallestX)
        w.Line(say.smallestValue, {{"smallest", number(*s.smallestX)}});
    else if (s.largestX)
        w.Line(say.largestValue, {{"largest", number(*s.largestX)}});
    else
        w.Line(say.noExtremes);
}

void WriteAccount(Writer &w, std::int64_t A, std::int64_t B, std::int64_t C,
                  const SolutionBounds &bounds)
{
    const BoundsTexts &say = w.say();
    const std::string formula = w.Formula(BoundsFormula(bounds));
    if (bounds == SolutionBounds::Natural())
        w.Line(say.natural, {{"bounds", formula}});
    else if (bounds == SolutionBounds::NonNegative())
        w.Line(say.nonNegative, {{"bounds", formula}});
    else
        w.Line(say.given, {{"bounds", formula}});

    const BoundedSolutions s = SolveWithinBounds(A, B, C, bounds);
    switch (s.equation) {
    case BoundedSolutions::Equation::Unsolvable:
        w.Step();
        w.Line(say.noSolution);
        break;
    case BoundedSolutions::Equation::EveryPair:
        ReportEveryPair(w, s, bounds);
        break;
    case BoundedSolutions::Equation::Family:
        ReportFamily(w, s);
        break;
    }
}

} // namespace

std::string BoundsAccountOf(std::int64_t A, std::int64_t B, std::int64_t C,
                            const SolutionBounds &bounds, const Catalogue &language)
{
    if (!bounds.any())
        return {};
    Writer w(language);
    WriteAccount(w, A, B, C, bounds);
    return std::move(w).Text();
}

std::vector<std::string> BoundsAccountSteps(std::int64_t A, std::int64_t B, std::int64_t C,
                                            const SolutionBounds &bounds, const Catalogue &language)
{
    if (!bounds.any())
        return {};
    Writer w(language);
    WriteAccount(w, A, B, C, bounds);
    return w.Steps();
}

std::string BoundsAccount(std::string_view a, std::string_view b, std::string_view c,
                          const SolutionBounds &bounds, const Catalogue &language)
{
    const auto whole = WholeCoefficients({a, b, c});
    if (!whole)
        return {};
    return BoundsAccountOf((*whole)[0], (*whole)[1], (*whole)[2], bounds, language);
}
