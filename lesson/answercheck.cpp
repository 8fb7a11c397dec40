#include "answercheck.h"

#include "entryreading.h"
#include "formulatext.h"
#include "numbertext.h"
#include "practicetext.h"
#include "prepareequation.h"
#include "readcoefficient.h"
#include "transcriptfamily.h"
#include "wideint.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

Wide Magnitude(Wide n)
{
    return n < 0 ? -n : n;
}

// Collects the lines in the order they are found.
class Feedback
{
public:
    explicit Feedback(const Catalogue &language) : notation_(SchoolNotation(language.code.value)) {}

    // Formulas and numbers in the board's notation of the language.
    std::string Formula(const Expression &formula) const { return FormulaText(formula, notation_); }
    std::string Number(Wide n) const { return IntegerText(n, notation_); }
    // A coefficient as the working read it, which may be no integer.
    std::string Read(const Value &value, std::string_view separator) const
    {
        return ReadNumberText(value, separator, notation_);
    }
    std::string Equation(Wide a, Wide b, Wide c) const { return Formula(LinearEquation(a, b, c)); }
    // A·x + B·y with its products and their sum: 91·4 + 35·10 = 364 + 350 = 714.
    std::string Check(Wide a, Wide x, Wide b, Wide y) const
    {
        return Formula(Equalities(
            {Sum({Times(a, x), Times(b, y)}), Sum({Int(a * x), Int(b * y)}), Int(a * x + b * y)}));
    }

    void Say(Finding finding, bool mistake, const Phrase &message,
             const std::vector<Placeholder> &slots)
    {
        lines_.push_back({finding, mistake, FillPlaceholders(message, slots)});
        mistaken_ = mistaken_ || mistake;
    }

    AnswerCheck Done(bool refused = false) &&
    {
        const Verdict verdict =
            refused ? Verdict::Refused : (mistaken_ ? Verdict::Wrong : Verdict::Right);
        return {verdict, std::move(lines_)};
    }

private:
    Notation notation_;
    std::vector<FeedbackLine> lines_;
    bool mistaken_ = false;
};

// One line per coefficient outside its range, as the transcript has; true
// when there was any.
bool RefuseOutOfRange(Feedback &say, const std::array<double, 3> &read, std::string_view separator,
                      const PracticeTexts &texts)
{
    const std::vector<RefusedCoefficient> refused = RefusedCoefficients(read);
    for (const auto &[range, value] : refused)
        say.Say(Finding::CoefficientOutOfRange, true, texts.reading.outOfRange,
                {{"letter", std::string(1, range.letter)},
                 {"value", say.Read(value, separator)},
                 {"lower", say.Read(range.lower, separator)},
                 {"upper", say.Read(range.upper, separator)}});
    return !refused.empty();
}

struct Problem
{
    std::int64_t a, b, c;
    std::int64_t gcd; // 0 for 0x + 0y = C

    bool Solvable() const { return gcd == 0 ? c == 0 : c % gcd == 0; }
};

void CheckClaim(Feedback &say, const Problem &e, const PracticeTexts &texts)
{
    const auto &claim = texts.noSolution;
    const std::vector<Placeholder> gcd = {{"a", say.Number(e.a)},
                                          {"b", say.Number(e.b)},
                                          {"gcd", say.Number(e.gcd)},
                                          {"c", say.Number(e.c)}};
    if (!e.Solvable() && e.gcd == 0)
        say.Say(Finding::NoSolutionRight, false, claim.rightZero, {{"c", say.Number(e.c)}});
    else if (!e.Solvable())
        say.Say(Finding::NoSolutionRight, false, claim.right, gcd);
    else if (e.gcd == 0)
        say.Say(Finding::NoSolutionWrong, true, claim.wrongZero,
                {{"equation", say.Equation(e.a, e.b, e.c)}});
    else // why there are solutions, and no pair: finding one is the pupil's task
        say.Say(Finding::NoSolutionWrong, true, claim.wrong, gcd);
}

struct Entries
{
    std::array<std::int64_t, 4> values{}; // x0, y0, p, q as read
    bool pairTyped = true;                // neither x0 nor y0 left empty
    bool stepsTyped = true;               // neither p nor q
    bool checkable = true;                // none too large
};

// The entries as read, with a line for each that was not a plain whole
// number. An empty one is told how its value is found, never the value.
Entries ReadEntries(Feedback &say, const PupilAnswer &answer, const PracticeTexts &texts)
{
    const std::array<const std::string *, 4> entries = {&answer.x0, &answer.y0, &answer.stepX,
                                                        &answer.stepY};
    // The letters of x = x₀ + pt, y = y₀ + qt, the same in every language.
    static constexpr std::array<std::string_view, 4> Letters = {"x₀", "y₀", "p", "q"};
    Entries read;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const EntryReading entry = ReadEntry(*entries[k]);
        read.values[k] = entry.value;
        const std::string field(Letters[k]);
        const bool ofPair = k < 2;
        switch (entry.kind) {
        case EntryReading::Kind::Whole:
            break;
        case EntryReading::Kind::Empty:
            // Said once for the pair and once for the steps.
            if (ofPair ? read.pairTyped : read.stepsTyped)
                say.Say(Finding::EntryEmpty, true,
                        ofPair ? texts.reading.emptyPair : texts.reading.emptyStep,
                        {{"field", field}});
            (ofPair ? read.pairTyped : read.stepsTyped) = false;
            break;
        case EntryReading::Kind::NotWhole:
            say.Say(Finding::EntryNotWhole, true, texts.reading.notWhole,
                    {{"field", field}, {"text", *entries[k]}, {"value", say.Number(entry.value)}});
            break;
        case EntryReading::Kind::TooLarge:
            say.Say(Finding::EntryTooLarge, true, texts.reading.tooLarge,
                    {{"field", field}, {"text", *entries[k]}});
            read.checkable = false;
            break;
        }
    }
    return read;
}

void ExplainNoPair(Feedback &say, const Problem &e, const PracticeTexts &texts)
{
    const std::string equation = say.Equation(e.a, e.b, e.c);
    if (e.gcd == 0) {
        say.Say(Finding::NoPairExists, true, texts.noSolution.whyNoneZero,
                {{"equation", equation}, {"c", say.Number(e.c)}});
        return;
    }
    say.Say(Finding::NoPairExists, true, texts.noSolution.whyNone,
            {{"equation", equation},
             {"a", say.Number(e.a)},
             {"b", say.Number(e.b)},
             {"gcd", say.Number(e.gcd)},
             {"c", say.Number(e.c)}});
}

// True when the pair is a solution. A wrong one is told its own arithmetic
// and the slip it shows, never a pair that solves the equation.
bool CheckParticular(Feedback &say, const Problem &e, Wide x, Wide y, const PracticeTexts &texts)
{
    const auto &pair = texts.particular;
    const Wide A = e.a, B = e.b, C = e.c;
    if (A * x + B * y == C) {
        say.Say(Finding::ParticularRight, false, pair.right, {{"check", say.Check(A, x, B, y)}});
        return true;
    }
    say.Say(Finding::ParticularWrong, true, pair.wrong,
            {{"check", say.Check(A, x, B, y)}, {"c", say.Number(C)}});

    if (A * y + B * x == C)
        say.Say(Finding::PairSwapped, true, pair.swapped, {});
    else if (-A * x + B * y == C)
        say.Say(Finding::SignOfX, true, pair.signOfX, {{"equation", say.Equation(-A, B, C)}});
    else if (A * x - B * y == C)
        say.Say(Finding::SignOfY, true, pair.signOfY, {{"equation", say.Equation(A, -B, C)}});
    else if (-A * x - B * y == C)
        say.Say(Finding::SignsOfBoth, true, pair.signsOfBoth,
                {{"equation", say.Equation(-A, -B, C)}});
    return false;
}

// A(x₀ + pt) + B(y₀ + qt) = C + (Ap + Bq)t: why the steps must give 0.
Expression StepIdentity()
{
    const auto times = [](std::string_view coefficient, std::string_view step) {
        return Implicit({Name(coefficient), Name(step)});
    };
    const auto moved = [&](std::string_view coefficient, std::string_view start,
                           std::string_view step) {
        return Implicit(
            {Name(coefficient), Sum({Name(start, 0), Implicit({Name(step), Name("t")})})});
    };
    return Equation(
        Sum({moved("A", "x", "p"), moved("B", "y", "q")}),
        Sum({Name("C"), Implicit({Sum({times("A", "p"), times("B", "q")}), Name("t")})}));
}

// True when the steps are right.
bool CheckSteps(Feedback &say, const Problem &e, Wide p, Wide q, const PracticeTexts &texts)
{
    const auto &steps = texts.steps;
    if (e.gcd == 0) { // 0x + 0y = 0, the only solvable one without a GCD
        say.Say(Finding::StepsFree, false, steps.free, {{"equation", say.Equation(e.a, e.b, e.c)}});
        return true;
    }
    const Wide A = e.a, B = e.b;
    const Wide stepX = B / e.gcd, stepY = -A / e.gcd; // coprime, not both 0
    const std::string pText = say.Number(p), qText = say.Number(q);

    if (p == 0 && q == 0) {
        say.Say(Finding::StepsZero, true, steps.zero, {});
        return false;
    }
    const Wide relation = A * p + B * q;
    if (relation != 0) {
        say.Say(Finding::StepsRelation, true, steps.relation,
                {{"p", pText},
                 {"q", qText},
                 {"check", say.Check(A, p, B, q)},
                 {"identity", say.Formula(StepIdentity())}});
        if ((q == stepX && p == stepY) || (q == -stepX && p == -stepY))
            say.Say(Finding::StepsSwapped, true, steps.swapped, {});
        return false;
    }
    // A p + B q = 0 with stepX, stepY coprime: (p, q) = factor * (stepX, stepY).
    const Wide factor = Magnitude(stepX != 0 ? p / stepX : q / stepY);
    if (factor == 1) {
        say.Say(Finding::StepsRight, false, steps.right,
                {{"p", pText}, {"q", qText}, {"check", say.Check(A, p, B, q)}});
        return true;
    }
    // The common factor named, the division left to the pupil.
    const bool byGcd = factor == e.gcd;
    say.Say(
        byGcd ? Finding::StepsMultipleOfGcd : Finding::StepsMultiple, true,
        byGcd ? steps.multipleOfGcd : steps.multiple,
        {{"p", pText}, {"q", qText}, {"gcd", say.Number(e.gcd)}, {"factor", say.Number(factor)}});
    return false;
}

// Where the transcript searches, which of its solutions the pupil's pair is.
// Its general solution holds the steps, so it is said only of an answer that
// is right in full.
void BridgeToTranscript(Feedback &say, const Problem &e, Wide x, Wide y, const PracticeTexts &texts)
{
    const auto family = FindTranscriptFamily(e.a, e.b, e.c);
    if (!family)
        return;
    const auto &pair = texts.particular;
    if (x == family->xo && y == family->yo) {
        say.Say(Finding::SameAsTranscript, false, pair.sameAsTranscript,
                {{"xo", say.Number(family->xo)}, {"yo", say.Number(family->yo)}});
        return;
    }
    // x = Xo - b t, and b divides Xo - x because both pairs solve the equation.
    const Wide t = (Wide{family->xo} - x) / family->b;
    const Expression general =
        List({Equation(Name("x"), Sum({Int(family->xo), Term(-Wide{family->b}, "t")}, Zeros::Drop)),
              Equation(Name("y"), Sum({Int(family->yo), Term(family->a, "t")}, Zeros::Drop))});
    say.Say(Finding::TranscriptParameter, false, pair.bridge,
            {{"xo", say.Number(family->xo)},
             {"yo", say.Number(family->yo)},
             {"general", say.Formula(general)},
             {"t", say.Number(t)}});
}

} // namespace

AnswerCheck CheckAnswer(std::string_view a, std::string_view b, std::string_view c,
                        const PupilAnswer &answer, std::string_view decimalSeparator,
                        const Catalogue &language)
{
    const PracticeTexts &texts = language.practice;
    Feedback say(language);
    const std::array<double, 3> read = ReadCoefficients({a, b, c});
    if (RefuseOutOfRange(say, read, decimalSeparator, texts))
        return std::move(say).Done(true);

    // Inside the ranges every coefficient is an exact integer of 32 bits.
    Problem e{static_cast<std::int64_t>(read[0]), static_cast<std::int64_t>(read[1]),
              static_cast<std::int64_t>(read[2]), 0};
    if (e.a != 0 || e.b != 0)
        e.gcd = GreatestCommonDivisor(std::llabs(e.a), std::llabs(e.b));

    if (answer.noSolution) {
        CheckClaim(say, e, texts);
        return std::move(say).Done();
    }

    const Entries entries = ReadEntries(say, answer, texts);
    if (!entries.checkable)
        return std::move(say).Done();
    if (!e.Solvable()) {
        ExplainNoPair(say, e, texts);
        return std::move(say).Done();
    }
    const auto [x, y, p, q] = entries.values;
    const bool solves = entries.pairTyped && CheckParticular(say, e, x, y, texts);
    const bool stepsRight = entries.stepsTyped && CheckSteps(say, e, p, q, texts);
    if (solves && stepsRight)
        BridgeToTranscript(say, e, x, y, texts);
    return std::move(say).Done();
}
