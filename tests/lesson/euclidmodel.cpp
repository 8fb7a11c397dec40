#include "euclidmodel.h"

#include <gtest/gtest.h>

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

std::string P(Wide n) // operand: negative in parentheses
{
    std::string text = WideText(n);
    if (n < 0) {
        text.insert(text.begin(), '(');
        text.push_back(')');
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

bool Plain(const std::string &text)
{
    return ParseWide(text).has_value();
}

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

Wide Abs(Wide n)
{
    return n < 0 ? -n : n;
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

std::vector<std::string> ModelAccount(const ModelInput &input, const Catalogue &language)
{
    const EuclidTexts &say = language.euclid;
    std::vector<std::string> lines;
    const char *letters[] = {"A", "B", "C"};

    std::array<std::string, 3> read; // the value each field is read as, printed
    for (int k = 0; k < 3; ++k) {
        const std::string &text = input.texts[k];
        read[k] = Plain(text) ? WideText(*ParseWide(text)) : input.readAs[k];
        if (Plain(text))
            continue;
        if (text.empty())
            lines.push_back(Fill(say.readEmpty, {{"field", letters[k]}}));
        else
            lines.push_back(Fill(
                say.readAs, {{"field", letters[k]}, {"text", text}, {"value", input.readAs[k]}}));
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
        reasons += (reasons.empty() ? "" : "; ") +
                   Fill(say.refusedCoefficient, {{"letter", letters[k]},
                                                 {"value", read[k]},
                                                 {"lower", WideText(lower[k])},
                                                 {"upper", WideText(upper[k])}});
    }
    if (!reasons.empty()) {
        lines.push_back(Fill(say.refused, {{"reasons", reasons}}));
        return lines;
    }

    const auto [a, b, c] = v;
    lines.push_back(
        Fill(say.equation, {{"equation", WideText(a) + (b < 0 ? "x - " : "x + ") +
                                             WideText(Abs(b)) + "y = " + WideText(c)}}));
    if (a == 0 && b == 0) {
        lines.push_back(c == 0 ? Fill(say.everyPair, {}) : Fill(say.noPair, {{"c", WideText(c)}}));
        return lines;
    }
    if (a == 0 || b == 0) {
        const bool y = a == 0;
        const Wide k = y ? b : a;
        const Values values = {{y ? "b" : "a", WideText(k)},
                               {y ? "bTerm" : "aTerm", P(k)},
                               {"c", WideText(c)},
                               {"cTerm", P(c)},
                               {y ? "y" : "x", c % k == 0 ? WideText(c / k) : ""}};
        lines.push_back(Fill(y ? say.onlyY : say.onlyX, values));
        if (c % k == 0)
            lines.push_back(Fill(y ? say.onlyYSolved : say.onlyXSolved, values));
        else
            lines.push_back(Fill(y ? say.onlyYNone : say.onlyXNone, values));
        return lines;
    }

    const Wide absA = Abs(a), absB = Abs(b);
    lines.push_back(Fill(say.algorithm, {{"a", WideText(absA)}, {"b", WideText(absB)}}));
    std::vector<Level> levels;
    const bool aFirst = absA >= absB;
    const Wide g = aFirst ? Egcd(absA, absB, levels) : Egcd(absB, absA, levels);
    for (auto level = levels.rbegin(); level != levels.rend(); ++level)
        lines.push_back(
            Fill(say.division, {{"dividend", WideText(level->dividend)},
                                {"quotient", WideText(level->quotient)},
                                {"divisor", WideText(level->divisor)},
                                {"remainder", WideText(level->dividend % level->divisor)}}));
    lines.push_back(
        Fill(say.gcd, {{"a", WideText(absA)}, {"b", WideText(absB)}, {"gcd", WideText(g)}}));
    if (c % g != 0) {
        lines.push_back(Fill(say.doesNotDivide, {{"gcd", WideText(g)}, {"c", WideText(c)}}));
        return lines;
    }
    lines.push_back(
        Fill(say.divides, {{"gcd", WideText(g)}, {"c", WideText(c)}, {"quotient", P(c / g)}}));

    if (levels.size() == 1) {
        lines.push_back(Fill(say.backNone, {{"gcd", WideText(g)},
                                            {"dividend", WideText(levels[0].dividend)},
                                            {"divisor", WideText(levels[0].divisor)}}));
    } else {
        lines.push_back(Fill(say.backSubstitution, {}));
        const Level &first = levels[1];
        lines.push_back(Fill(say.backFirst, {{"gcd", WideText(g)},
                                             {"dividend", WideText(first.dividend)},
                                             {"quotient", WideText(first.quotient)},
                                             {"divisor", WideText(first.divisor)}}));
        for (std::size_t k = 2; k < levels.size(); ++k) {
            const Level &was = levels[k - 1], &is = levels[k];
            lines.push_back(Fill(say.backStep, {{"gcd", WideText(g)},
                                                {"divisorFactor", P(was.x)},
                                                {"divisor", WideText(is.divisor)},
                                                {"remainderFactor", P(was.y)},
                                                {"dividend", WideText(is.dividend)},
                                                {"quotient", WideText(is.quotient)},
                                                {"dividendFactor", P(is.x)},
                                                {"newDivisorFactor", P(is.y)}}));
        }
    }
    const Level &top = levels.back();
    EXPECT_TRUE(top.x * top.dividend + top.y * top.divisor == g);
    const Wide u = aFirst ? top.x : top.y, w = aFirst ? top.y : top.x;
    lines.push_back(Fill(say.bezout, {{"gcd", WideText(g)},
                                      {"u", P(u)},
                                      {"a", WideText(absA)},
                                      {"v", P(w)},
                                      {"b", WideText(absB)}}));
    const Wide su = a < 0 ? -u : u, sv = b < 0 ? -w : w;
    EXPECT_TRUE(su * a + sv * b == g);
    lines.push_back(Fill(say.signs, {{"a", WideText(a)},
                                     {"b", WideText(b)},
                                     {"gcd", WideText(g)},
                                     {"u", P(su)},
                                     {"aTerm", P(a)},
                                     {"v", P(sv)},
                                     {"bTerm", P(b)}}));
    const Wide x1 = su * (c / g), y1 = sv * (c / g);
    EXPECT_TRUE(a * x1 + b * y1 == c);
    lines.push_back(Fill(say.multiply, {{"c", WideText(c)},
                                        {"cTerm", P(c)},
                                        {"gcd", WideText(g)},
                                        {"factor", WideText(c / g)},
                                        {"x1", P(x1)},
                                        {"aTerm", P(a)},
                                        {"y1", P(y1)},
                                        {"bTerm", P(b)}}));
    lines.push_back(Fill(say.particular, {{"x1", WideText(x1)}, {"y1", WideText(y1)}}));
    lines.push_back(Fill(say.check, {{"aTerm", P(a)},
                                     {"x1", P(x1)},
                                     {"bTerm", P(b)},
                                     {"y1", P(y1)},
                                     {"ax", P(a * x1)},
                                     {"by", P(b * y1)},
                                     {"c", WideText(c)}}));
    const Wide ag = a / g, bg = b / g;
    lines.push_back(Fill(say.general, {{"bOverGcd", WideText(bg)}, {"aOverGcd", WideText(ag)}}));
    lines.push_back(Fill(say.generalX, {{"x1", P(x1)}, {"bOverGcd", P(bg)}}));
    lines.push_back(Fill(say.generalY, {{"y1", P(y1)}, {"aOverGcd", P(ag)}}));
    lines.push_back(Fill(say.anyT, {}));

    if (c != 0) {
        EXPECT_TRUE(input.transcriptPair.has_value()) << "the transcript found no pair";
        if (!input.transcriptPair)
            return lines;
        const auto [xo, yo] = *input.transcriptPair;
        EXPECT_TRUE(ag * xo + bg * yo == c / g) << "the transcript's pair is no solution";
        EXPECT_TRUE((xo - x1) % bg == 0) << "the transcript's pair is not in the family";
        const Wide k = (xo - x1) / bg;
        EXPECT_TRUE(x1 + bg * k == xo && y1 - ag * k == yo) << "t = k does not give the pair";
        lines.push_back(
            Fill(say.bridge, {{"xo", WideText(xo)}, {"yo", WideText(yo)}, {"k", WideText(k)}}));
        lines.push_back(Fill(say.bridgeCheck, {{"x1", P(x1)},
                                               {"bOverGcd", P(bg)},
                                               {"k", P(k)},
                                               {"xo", WideText(xo)},
                                               {"y1", P(y1)},
                                               {"aOverGcd", P(ag)},
                                               {"yo", WideText(yo)}}));
    }
    return lines;
}
