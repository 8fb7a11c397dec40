#include "euclid.h"

#include "fieldtext.h"
#include "placeholders.h"
#include "practicetext.h"
#include "transcriptfamily.h"

#include "equationtext.h"
#include "numbertext.h"
#include "prepareequation.h"
#include "readcoefficient.h"
#include "transcript.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

// Wide enough for every product of the account: a Bézout coefficient times
// C / GCD times A reaches about 2^77.
using Integer = Wide;

// The lines of the account, each one filled message.
class Account
{
public:
    explicit Account(const EuclidTexts &say) : say(say) {}

    void Line(const Phrase &message, std::initializer_list<Placeholder> values = {})
    {
        text_ += FillPlaceholders(message, values);
        text_ += LineEnd;
    }

    const EuclidTexts &say;
    std::string Text() && { return std::move(text_); }

private:
    std::string text_;
};

std::string N(Integer n)
{
    return WholeText(n);
}

std::string T(Integer n)
{
    return FactorText(n);
}

Integer Abs(Integer n)
{
    return n < 0 ? -n : n;
}

Integer Sign(Integer n)
{
    return n < 0 ? -1 : 1;
}

struct Division
{
    Integer dividend, quotient, divisor, remainder;
};

// Euclid's algorithm from the larger of two positive numbers down to
// remainder 0.
std::vector<Division> Divisions(Integer larger, Integer smaller)
{
    std::vector<Division> chain;
    while (smaller != 0) {
        chain.push_back({larger, larger / smaller, smaller, larger % smaller});
        larger = smaller;
        smaller = chain.back().remainder;
    }
    return chain;
}

// Says how each field that is no plain whole number was read.
void ReportReading(Account &account, const std::array<std::string_view, 3> &texts,
                   std::string_view decimalSeparator)
{
    static constexpr std::array<std::string_view, 3> Letters = {"A", "B", "C"};
    for (std::size_t k = 0; k < texts.size(); ++k) {
        if (IsPlainInteger(texts[k]))
            continue;
        const std::string field(Letters[k]);
        if (texts[k].empty()) {
            account.Line(account.say.readEmpty, {{"field", field}});
        } else {
            const Value value = ReadCoefficient(texts[k]);
            account.Line(account.say.readAs, {{"field", field},
                                              {"text", QuotedFieldText(texts[k])},
                                              {"value", NumberText(value, decimalSeparator)}});
        }
    }
}

// The transcript's refusal, in one line; false when every value is allowed.
bool ReportRefusal(Account &account, const std::array<double, 3> &values,
                   std::string_view decimalSeparator)
{
    const auto number = [&](double v) { return NumberText(Value(v), decimalSeparator); };
    std::string reasons;
    for (const auto &[range, value] : RefusedCoefficients(values)) {
        if (!reasons.empty())
            reasons += "; ";
        reasons += FillPlaceholders(account.say.refusedCoefficient,
                                    {{"letter", std::string(1, range.letter)},
                                     {"value", number(value)},
                                     {"lower", number(range.lower)},
                                     {"upper", number(range.upper)}});
    }
    if (reasons.empty())
        return false;
    account.Line(account.say.refused, {{"reasons", reasons}});
    return true;
}

// A = 0 or B = 0: one unknown, or none, is left.
void ReportDegenerate(Account &account, Integer a, Integer b, Integer c)
{
    const EuclidTexts &say = account.say;
    if (a == 0 && b == 0) {
        if (c == 0)
            account.Line(say.everyPair);
        else
            account.Line(say.noPair, {{"c", N(c)}});
        return;
    }
    const bool onlyY = a == 0;
    const Integer k = onlyY ? b : a;
    const std::string_view name = onlyY ? "b" : "a";
    const std::string_view term = onlyY ? "bTerm" : "aTerm";
    account.Line(onlyY ? say.onlyY : say.onlyX, {{term, T(k)}, {"c", N(c)}});
    if (c % k != 0) {
        account.Line(onlyY ? say.onlyYNone : say.onlyXNone,
                     {{name, N(k)}, {term, T(k)}, {"c", N(c)}});
        return;
    }
    account.Line(
        onlyY ? say.onlyYSolved : say.onlyXSolved,
        {{name, N(k)}, {term, T(k)}, {"c", N(c)}, {"cTerm", T(c)}, {onlyY ? "y" : "x", N(c / k)}});
}

// From the last division up to the first; gives the factors of the first
// division's dividend and divisor in gcd = f * dividend + g * divisor.
std::pair<Integer, Integer> BackSubstitute(Account &account, const std::vector<Division> &chain)
{
    const EuclidTexts &say = account.say;
    const std::size_t n = chain.size();
    if (n == 1) {
        const Division &only = chain.front();
        account.Line(say.backNone, {{"gcd", N(only.divisor)},
                                    {"dividend", N(only.dividend)},
                                    {"divisor", N(only.divisor)}});
        return {0, 1};
    }
    account.Line(say.backSubstitution);
    const Division &last = chain[n - 2];
    const std::string gcd = N(last.remainder);
    account.Line(say.backFirst, {{"gcd", gcd},
                                 {"dividend", N(last.dividend)},
                                 {"quotient", N(last.quotient)},
                                 {"divisor", N(last.divisor)}});
    // gcd = f * dividend + g * divisor of the division in hand.
    Integer f = 1, g = -last.quotient;
    for (std::size_t i = n - 2; i-- > 0;) {
        const Division &d = chain[i];
        // That division's dividend and divisor are this one's divisor and
        // remainder; the remainder is dividend - quotient * divisor.
        const Integer newF = g, newG = f - g * d.quotient;
        account.Line(say.backStep, {{"gcd", gcd},
                                    {"divisorFactor", T(f)},
                                    {"divisor", N(d.divisor)},
                                    {"remainderFactor", T(g)},
                                    {"dividend", N(d.dividend)},
                                    {"quotient", N(d.quotient)},
                                    {"dividendFactor", T(newF)},
                                    {"newDivisorFactor", T(newG)}});
        f = newF;
        g = newG;
    }
    return {f, g};
}

// The transcript's search on the reduced equation, and where its pair sits
// in the family x = x1 + (B / GCD) t, y = y1 - (A / GCD) t.
void ReportBridge(Account &account, Integer a, Integer b, Integer c, Integer gcd, Integer x1,
                  Integer y1)
{
    const Integer a1 = a / gcd, b1 = b / gcd;
    const auto family = FindTranscriptFamily(
        static_cast<std::int64_t>(a), static_cast<std::int64_t>(b), static_cast<std::int64_t>(c));
    if (!family)
        return;
    const Integer xo = family->xo, yo = family->yo;
    const Integer k = (xo - x1) / b1;
    account.Line(account.say.bridge, {{"xo", N(xo)}, {"yo", N(yo)}, {"k", N(k)}});
    account.Line(account.say.bridgeCheck, {{"x1", T(x1)},
                                           {"bOverGcd", T(b1)},
                                           {"k", T(k)},
                                           {"xo", N(x1 + b1 * k)},
                                           {"y1", T(y1)},
                                           {"aOverGcd", T(a1)},
                                           {"yo", N(y1 - a1 * k)}});
}

// A and B both non-zero: the algorithm, the verdict, and on the solvable
// road Bézout, the particular and the general solution.
void ReportEuclid(Account &account, Integer a, Integer b, Integer c)
{
    const EuclidTexts &say = account.say;
    const Integer absA = Abs(a), absB = Abs(b);
    account.Line(say.algorithm, {{"a", N(absA)}, {"b", N(absB)}});
    const bool aLarger = absA >= absB;
    const std::vector<Division> chain = aLarger ? Divisions(absA, absB) : Divisions(absB, absA);
    for (const Division &d : chain)
        account.Line(say.division, {{"dividend", N(d.dividend)},
                                    {"quotient", N(d.quotient)},
                                    {"divisor", N(d.divisor)},
                                    {"remainder", N(d.remainder)}});
    const Integer gcd = chain.back().divisor;
    account.Line(say.gcd, {{"a", N(absA)}, {"b", N(absB)}, {"gcd", N(gcd)}});

    if (c % gcd != 0) {
        account.Line(say.doesNotDivide, {{"gcd", N(gcd)}, {"c", N(c)}});
        return;
    }
    const Integer factor = c / gcd;
    account.Line(say.divides, {{"gcd", N(gcd)}, {"c", N(c)}, {"quotient", T(factor)}});

    const auto [larger, smaller] = BackSubstitute(account, chain);
    const Integer u = aLarger ? larger : smaller;
    const Integer v = aLarger ? smaller : larger;
    account.Line(say.bezout,
                 {{"gcd", N(gcd)}, {"u", T(u)}, {"a", N(absA)}, {"v", T(v)}, {"b", N(absB)}});
    const Integer signedU = Sign(a) * u, signedV = Sign(b) * v;
    account.Line(say.signs, {{"a", N(a)},
                             {"b", N(b)},
                             {"gcd", N(gcd)},
                             {"u", T(signedU)},
                             {"aTerm", T(a)},
                             {"v", T(signedV)},
                             {"bTerm", T(b)}});

    const Integer x1 = signedU * factor, y1 = signedV * factor;
    account.Line(say.multiply, {{"c", N(c)},
                                {"cTerm", T(c)},
                                {"gcd", N(gcd)},
                                {"factor", N(factor)},
                                {"x1", T(x1)},
                                {"aTerm", T(a)},
                                {"y1", T(y1)},
                                {"bTerm", T(b)}});
    account.Line(say.particular, {{"x1", N(x1)}, {"y1", N(y1)}});
    account.Line(say.check, {{"aTerm", T(a)},
                             {"x1", T(x1)},
                             {"bTerm", T(b)},
                             {"y1", T(y1)},
                             {"ax", T(a * x1)},
                             {"by", T(b * y1)},
                             {"c", N(a * x1 + b * y1)}});

    const Integer aOverGcd = a / gcd, bOverGcd = b / gcd;
    account.Line(say.general, {{"bOverGcd", N(bOverGcd)}, {"aOverGcd", N(aOverGcd)}});
    account.Line(say.generalX, {{"x1", T(x1)}, {"bOverGcd", T(bOverGcd)}});
    account.Line(say.generalY, {{"y1", T(y1)}, {"aOverGcd", T(aOverGcd)}});
    account.Line(say.anyT);

    // The transcript searches only where C is not 0 either.
    if (c != 0)
        ReportBridge(account, a, b, c, gcd, x1, y1);
}

} // namespace

std::string EuclidAccount(std::string_view a, std::string_view b, std::string_view c,
                          std::string_view decimalSeparator, const Catalogue &language)
{
    Account account(language.euclid);
    ReportReading(account, {a, b, c}, decimalSeparator);

    const std::array<double, 3> values = ReadCoefficients({a, b, c});
    if (ReportRefusal(account, values, decimalSeparator))
        return std::move(account).Text();

    // Inside the ranges every value is an exact integer of at most 32 bits.
    const auto a64 = static_cast<std::int64_t>(values[0]);
    const auto b64 = static_cast<std::int64_t>(values[1]);
    const auto c64 = static_cast<std::int64_t>(values[2]);
    const Integer A = a64, B = b64, C = c64;
    account.Line(language.euclid.equation,
                 {{"equation", EquationText(a64, b64, c64, language.transcript)}});
    if (A == 0 || B == 0)
        ReportDegenerate(account, A, B, C);
    else
        ReportEuclid(account, A, B, C);
    return std::move(account).Text();
}
