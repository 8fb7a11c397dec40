#include "answercheck.h"

#include "entryreading.h"
#include "equationtext.h"
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
    explicit Feedback(const TranscriptTexts &equations) : equations_(equations) {}

    // An equation as the working writes it, in the same language.
    std::string Equation(Wide a, Wide b, Wide c) const
    {
        return EquationText(static_cast<std::int64_t>(a), static_cast<std::int64_t>(b),
                            static_cast<std::int64_t>(c), equations_);
    }

    void Say(Finding finding, bool mistake, const Phrase &message, const std::vector<Slot> &slots)
    {
        lines_.push_back({finding, mistake, FillMessage(message, slots)});
        mistaken_ = mistaken_ || mistake;
    }

    AnswerCheck Done(bool refused = false) &&
    {
        const Verdict verdict =
            refused ? Verdict::Refused : (mistaken_ ? Verdict::Wrong : Verdict::Right);
        return {verdict, std::move(lines_)};
    }

private:
    const TranscriptTexts &equations_;
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
                 {"value", NumberText(value, separator)},
                 {"lower", NumberText(range.lower, separator)},
                 {"upper", NumberText(range.upper, separator)}});
    return !refused.empty();
}

struct Equation
{
    std::int64_t a, b, c;
    std::int64_t gcd; // 0 for 0x + 0y = C

    bool Solvable() const { return gcd == 0 ? c == 0 : c % gcd == 0; }
};

void CheckClaim(Feedback &say, const Equation &e, const PracticeTexts &texts)
{
    const auto &claim = texts.noSolution;
    if (!e.Solvable() && e.gcd == 0) {
        say.Say(Finding::NoSolutionRight, false, claim.rightZero, {{"c", WholeText(e.c)}});
    } else if (!e.Solvable()) {
        say.Say(Finding::NoSolutionRight, false, claim.right,
                {{"a", WholeText(e.a)},
                 {"b", WholeText(e.b)},
                 {"gcd", WholeText(e.gcd)},
                 {"c", WholeText(e.c)}});
    } else {
        // The working's own where it searches, else the plainest.
        const auto [x, y] = FirstSolution(e.a, e.b, e.c);
        say.Say(Finding::NoSolutionWrong, true, claim.wrong,
                {{"x", WholeText(x)},
                 {"y", WholeText(y)},
                 {"product", ProductText(e.a, x, e.b, y)},
                 {"c", WholeText(e.c)}});
    }
}

// The entries as read, with a line for each that was not a plain whole
// number; false where one cannot be checked at all.
bool ReadEntries(Feedback &say, const PupilAnswer &answer, const PracticeTexts &texts,
                 std::array<std::int64_t, 4> &values)
{
    const std::array<const std::string *, 4> entries = {&answer.x0, &answer.y0, &answer.stepX,
                                                        &answer.stepY};
    const auto &c = texts.controls;
    const std::array<const ControlText *, 4> captions = {&c.x0, &c.y0, &c.stepX, &c.stepY};
    bool checkable = true;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const EntryReading read = ReadEntry(*entries[k]);
        values[k] = read.value;
        const std::string field(captions[k]->text.value);
        switch (read.kind) {
        case EntryReading::Kind::Whole:
            break;
        case EntryReading::Kind::Empty:
            say.Say(Finding::EntryEmpty, true, texts.reading.empty, {{"field", field}});
            break;
        case EntryReading::Kind::NotWhole:
            say.Say(Finding::EntryNotWhole, true, texts.reading.notWhole,
                    {{"field", field}, {"text", *entries[k]}, {"value", WholeText(read.value)}});
            break;
        case EntryReading::Kind::TooLarge:
            say.Say(Finding::EntryTooLarge, true, texts.reading.tooLarge,
                    {{"field", field}, {"text", *entries[k]}});
            checkable = false;
            break;
        }
    }
    return checkable;
}

void ExplainNoPair(Feedback &say, const Equation &e, const PracticeTexts &texts)
{
    const std::string equation = say.Equation(e.a, e.b, e.c);
    if (e.gcd == 0) {
        say.Say(Finding::NoPairExists, true, texts.noSolution.whyNoneZero,
                {{"equation", equation}, {"c", WholeText(e.c)}});
        return;
    }
    say.Say(Finding::NoPairExists, true, texts.noSolution.whyNone,
            {{"equation", equation},
             {"a", WholeText(e.a)},
             {"b", WholeText(e.b)},
             {"gcd", WholeText(e.gcd)},
             {"c", WholeText(e.c)}});
}

// True when the pair is a solution.
bool CheckParticular(Feedback &say, const Equation &e, Wide x, Wide y, const PracticeTexts &texts)
{
    const auto &pair = texts.particular;
    const Wide A = e.a, B = e.b, C = e.c;
    const Wide sum = A * x + B * y;
    if (sum == C) {
        say.Say(Finding::ParticularRight, false, pair.right,
                {{"a", FactorText(A)},
                 {"x", FactorText(x)},
                 {"b", FactorText(B)},
                 {"y", FactorText(y)},
                 {"c", WholeText(C)}});
        return true;
    }
    say.Say(Finding::ParticularWrong, true, pair.wrong,
            {{"a", FactorText(A)},
             {"x", FactorText(x)},
             {"b", FactorText(B)},
             {"y", FactorText(y)},
             {"sum", WholeText(sum)},
             {"c", WholeText(C)}});

    if (A * y + B * x == C) {
        say.Say(Finding::PairSwapped, true, pair.swapped,
                {{"a", FactorText(A)},
                 {"y", FactorText(y)},
                 {"b", FactorText(B)},
                 {"x", FactorText(x)},
                 {"c", WholeText(C)}});
    } else if (-A * x + B * y == C) {
        say.Say(Finding::SignOfX, true, pair.signOfX, {{"equation", say.Equation(-A, B, C)}});
    } else if (A * x - B * y == C) {
        say.Say(Finding::SignOfY, true, pair.signOfY, {{"equation", say.Equation(A, -B, C)}});
    } else if (-A * x - B * y == C) {
        say.Say(Finding::SignsOfBoth, true, pair.signsOfBoth,
                {{"equation", say.Equation(-A, -B, C)}});
    }
    return false;
}

void CheckSteps(Feedback &say, const Equation &e, Wide p, Wide q, const PracticeTexts &texts)
{
    const auto &steps = texts.steps;
    if (e.gcd == 0) { // 0x + 0y = 0, the only solvable one without a GCD
        say.Say(Finding::StepsFree, false, steps.free, {{"equation", say.Equation(e.a, e.b, e.c)}});
        return;
    }
    const Wide A = e.a, B = e.b;
    const Wide stepX = B / e.gcd, stepY = -A / e.gcd; // coprime, not both 0

    if (p == 0 && q == 0) {
        say.Say(Finding::StepsZero, true, steps.zero,
                {{"stepX", WholeText(stepX)}, {"stepY", WholeText(stepY)}});
        return;
    }
    const Wide relation = A * p + B * q;
    if (relation != 0) {
        say.Say(Finding::StepsRelation, true, steps.relation,
                {{"p", WholeText(p)},
                 {"q", WholeText(q)},
                 {"product", ProductText(A, p, B, q)},
                 {"sum", WholeText(relation)}});
        if ((q == stepX && p == stepY) || (q == -stepX && p == -stepY))
            say.Say(Finding::StepsSwapped, true, steps.swapped,
                    {{"p", WholeText(p)}, {"q", WholeText(q)}});
        return;
    }
    // A p + B q = 0 with stepX, stepY coprime: (p, q) = factor * (stepX, stepY).
    const Wide factor = Magnitude(stepX != 0 ? p / stepX : q / stepY);
    if (factor == 1) {
        say.Say(Finding::StepsRight, false, steps.right,
                {{"p", WholeText(p)}, {"q", WholeText(q)}, {"product", ProductText(A, p, B, q)}});
        return;
    }
    const bool byGcd = factor == e.gcd;
    say.Say(byGcd ? Finding::StepsMultipleOfGcd : Finding::StepsMultiple, true,
            byGcd ? steps.multipleOfGcd : steps.multiple,
            {{"p", WholeText(p)},
             {"q", WholeText(q)},
             {"gcd", WholeText(e.gcd)},
             {"factor", WholeText(factor)},
             {"stepX", WholeText(p / factor)},
             {"stepY", WholeText(q / factor)}});
}

// Where the transcript searches, which of its solutions the pupil's pair is.
void BridgeToTranscript(Feedback &say, const Equation &e, Wide x, Wide y,
                        const PracticeTexts &texts)
{
    const auto family = FindTranscriptFamily(e.a, e.b, e.c);
    if (!family)
        return;
    const auto &pair = texts.particular;
    if (x == family->xo && y == family->yo) {
        say.Say(Finding::SameAsTranscript, false, pair.sameAsTranscript,
                {{"xo", WholeText(family->xo)}, {"yo", WholeText(family->yo)}});
        return;
    }
    // x = Xo - b t, and b divides Xo - x because both pairs solve the equation.
    const Wide t = (Wide{family->xo} - x) / family->b;
    say.Say(Finding::TranscriptParameter, false, pair.bridge,
            {{"xo", WholeText(family->xo)},
             {"yo", WholeText(family->yo)},
             {"a", WholeText(family->a)},
             {"b", WholeText(family->b)},
             {"t", WholeText(t)}});
}

} // namespace

AnswerCheck CheckAnswer(std::string_view a, std::string_view b, std::string_view c,
                        const PupilAnswer &answer, std::string_view decimalSeparator,
                        const Catalogue &language)
{
    const PracticeTexts &texts = language.practice;
    Feedback say(language.transcript);
    const std::array<double, 3> read = ReadCoefficients({a, b, c});
    if (RefuseOutOfRange(say, read, decimalSeparator, texts))
        return std::move(say).Done(true);

    // Inside the ranges every coefficient is an exact integer of 32 bits.
    Equation e{static_cast<std::int64_t>(read[0]), static_cast<std::int64_t>(read[1]),
               static_cast<std::int64_t>(read[2]), 0};
    if (e.a != 0 || e.b != 0)
        e.gcd = GreatestCommonDivisor(std::llabs(e.a), std::llabs(e.b));

    if (answer.noSolution) {
        CheckClaim(say, e, texts);
        return std::move(say).Done();
    }

    std::array<std::int64_t, 4> values{};
    if (!ReadEntries(say, answer, texts, values))
        return std::move(say).Done();
    if (!e.Solvable()) {
        ExplainNoPair(say, e, texts);
        return std::move(say).Done();
    }
    const auto [x, y, p, q] = values;
    const bool solves = CheckParticular(say, e, x, y, texts);
    CheckSteps(say, e, p, q, texts);
    if (solves)
        BridgeToTranscript(say, e, x, y, texts);
    return std::move(say).Done();
}
