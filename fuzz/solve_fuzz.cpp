// Feeds Solve three arbitrary coefficient texts, a decimal separator and a
// random draw, and aborts when the transcript breaks what must always hold:
// whole CR LF lines, a particular solution that is there and solves the
// equation, and a check whose numbers really add up to C. Euclid's way of the
// same texts is held to its own: whole lines of valid UTF-8, no placeholder
// left, every formula it writes true, and the transcript's pair named.
//
// Input: A|B|C|<control>. Of the control bytes, an odd first byte picks ','
// as the separator ('.' otherwise) and its second bit the account's language
// (English, else Bulgarian); the next three give r = n / 2^24, big-endian.
// Missing pieces are empty texts and zero bytes.

#include "euclid.h"
#include "formula.h"
#include "languages.h"
#include "placeholders.h"
#include "solver.h"
#include "solvetexts.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Products of a 32-bit A and an X a little beyond 32 bits overflow 64 bits.
__extension__ typedef __int128 Int;

constexpr std::size_t MaxText = 48;

struct Input
{
    std::string texts[3];
    char separator = '.';
    bool english = false;
    float r = 0;
};

Input Decode(const std::uint8_t *data, std::size_t size)
{
    Input input;
    std::size_t field = 0, p = 0;
    for (; p < size && field < 3; ++p) {
        if (data[p] == '|')
            ++field;
        else if (input.texts[field].size() < MaxText)
            input.texts[field] += static_cast<char>(data[p]);
    }
    std::uint8_t control[4] = {};
    for (std::size_t k = 0; k < 4 && p + k < size; ++k)
        control[k] = data[p + k];
    input.separator = control[0] & 1 ? ',' : '.';
    input.english = (control[0] & 2) != 0;
    const std::uint32_t n = control[1] << 16 | control[2] << 8 | control[3];
    input.r = static_cast<float>(n) / 16777216.0f; // exact, and below 1
    return input;
}

std::string Escaped(std::string_view text)
{
    std::string out;
    for (const unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '\\' && c != '"') {
            out += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out;
}

struct Run
{
    const Input &input;
    std::string transcript;

    [[noreturn]] void Fail(const std::string &what) const
    {
        std::fprintf(stderr, "\nsolve_fuzz: %s\n", what.c_str());
        std::fprintf(stderr, "A \"%s\", B \"%s\", C \"%s\", separator '%c', r %.9g\n",
                     Escaped(input.texts[0]).c_str(), Escaped(input.texts[1]).c_str(),
                     Escaped(input.texts[2]).c_str(), input.separator,
                     static_cast<double>(input.r));
        std::fprintf(stderr, "transcript:\n%s\n", transcript.c_str());
        std::abort();
    }
};

std::string Text(Int n)
{
    const bool negative = n < 0;
    std::string digits;
    do {
        const int d = static_cast<int>(n % 10);
        digits.insert(digits.begin(), static_cast<char>('0' + (d < 0 ? -d : d)));
        n /= 10;
    } while (n != 0);
    return negative ? "-" + digits : digits;
}

// A transcript number taken apart: sign, all digits (fraction included) and
// the power of ten they are scaled by. Nothing unless the text is exactly
// sign, digits, an optional fraction after the separator and an optional
// exponent, as in -12, 1,5 or 1.23456789012345E+15.
struct Decimal
{
    bool negative = false;
    std::string digits;
    long exponent = 0;
};

std::optional<Decimal> ParseNumber(std::string_view text, char separator)
{
    Decimal n;
    std::size_t p = 0;
    const auto digitsFrom = [&](std::string &into) {
        const std::size_t start = p;
        while (p < text.size() && text[p] >= '0' && text[p] <= '9')
            into += text[p++];
        return p > start;
    };
    n.negative = p < text.size() && text[p] == '-';
    if (n.negative)
        ++p;
    if (!digitsFrom(n.digits))
        return std::nullopt;
    if (p < text.size() && text[p] == separator) {
        ++p;
        const std::size_t before = n.digits.size();
        if (!digitsFrom(n.digits))
            return std::nullopt;
        n.exponent -= static_cast<long>(n.digits.size() - before);
    }
    if (p < text.size() && text[p] == 'E') {
        ++p;
        const bool down = p < text.size() && text[p] == '-';
        if (p < text.size() && (text[p] == '-' || text[p] == '+'))
            ++p;
        std::string power;
        if (!digitsFrom(power) || power.size() > 4)
            return std::nullopt;
        n.exponent += down ? -std::stol(power) : std::stol(power);
    }
    if (p != text.size())
        return std::nullopt;
    return n;
}

// The integer a transcript number stands for; nothing when it is not one.
std::optional<Int> ParseInteger(std::string_view text, char separator)
{
    auto n = ParseNumber(text, separator);
    if (!n)
        return std::nullopt;
    std::string &digits = n->digits;
    for (; n->exponent < 0 && !digits.empty(); ++n->exponent) {
        if (digits.back() != '0')
            return std::nullopt;
        digits.pop_back();
    }
    if (n->exponent < 0)
        digits.clear();
    digits.append(static_cast<std::size_t>(n->exponent), '0');
    if (digits.size() > 36)
        return std::nullopt;
    Int value = 0;
    for (const char d : digits)
        value = value * 10 + (d - '0');
    return n->negative ? -value : value;
}

// Splits `line` at the given literals, in order: the pieces between them.
std::optional<std::vector<std::string_view>> Split(std::string_view line,
                                                   std::initializer_list<std::string_view> marks)
{
    std::vector<std::string_view> pieces;
    for (const std::string_view mark : marks) {
        const std::size_t at = line.find(mark);
        if (at == std::string_view::npos)
            return std::nullopt;
        pieces.push_back(line.substr(0, at));
        line.remove_prefix(at + mark.size());
    }
    pieces.push_back(line);
    return pieces;
}

bool StartsWith(std::string_view line, std::string_view prefix)
{
    return line.substr(0, prefix.size()) == prefix;
}

void CheckLineEnds(const Run &run, const std::string &t)
{
    if (t.empty())
        run.Fail("empty text: the echo line is always written");
    if (t.size() < 2 || t.compare(t.size() - 2, 2, "\r\n") != 0)
        run.Fail("the last line does not end with CR LF");
    for (std::size_t k = 0; k < t.size(); ++k) {
        if (t[k] == '\r' && (k + 1 == t.size() || t[k + 1] != '\n'))
            run.Fail("a CR without LF");
        if (t[k] == '\n' && (k == 0 || t[k - 1] != '\r'))
            run.Fail("an LF without CR");
    }
}

// Literals and numbers only: no byte of the input may leak into the text.
void CheckUtf8(const Run &run, const std::string &t)
{
    for (std::size_t k = 0; k < t.size();) {
        const auto c = static_cast<unsigned char>(t[k]);
        // Four bytes only where the account quotes a field (an emoji, say).
        const std::size_t length = c < 0x80           ? 1
                                   : (c >> 5) == 0x6  ? 2
                                   : (c >> 4) == 0xe  ? 3
                                   : (c >> 3) == 0x1e ? 4
                                                      : 0;
        if (length == 0 || k + length > t.size())
            run.Fail("a text is not valid UTF-8");
        for (std::size_t m = 1; m < length; ++m)
            if ((static_cast<unsigned char>(t[k + m]) & 0xc0) != 0x80)
                run.Fail("a text is not valid UTF-8");
        k += length;
    }
}

// The quotients of the degenerate cases are the one place where a fraction
// shows, so the user's separator must be there and nothing like inf or -0.
void CheckQuotients(const Run &run, const std::vector<std::string> &lines)
{
    for (const std::string_view prefix :
         {"Уравнението има решение за всяко x.   y = ",
          "Уравнението има решение за всяко y.   x = ", "Уравнението има решение за x = "}) {
        for (const std::string &line : lines) {
            if (!StartsWith(line, prefix))
                continue;
            const std::string_view value = std::string_view(line).substr(prefix.size());
            const auto n = ParseNumber(value, run.input.separator);
            if (!n || value == "-0")
                run.Fail("the quotient \"" + std::string(value) +
                         "\" is no number in the user's format");
        }
    }
}

constexpr std::string_view WaitLine = "Моля, изчакайте обработката на данните!";
constexpr std::string_view FoundPrefix = "открито решение Xо = ";
constexpr std::string_view TPrefix = "Извършва се проверка за t = ";
constexpr std::string_view CheckLine = "A*X + B*Y = C;  ";

// The search's result, the general solution for the drawn t and the check
// from the last lines: lines 3 and 6 to 9 of the search's nine.
void CheckSolution(const Run &run, const std::vector<std::string> &lines, int draws)
{
    std::size_t k = 0;
    while (k < lines.size() && lines[k] != CheckLine)
        ++k;
    const bool searched = std::find(lines.begin(), lines.end(), WaitLine) != lines.end();
    if (k == lines.size()) {
        if (searched)
            run.Fail("the search started but no check followed");
        if (draws != 0)
            run.Fail("t drawn without a check");
        return;
    }
    if (draws != 1)
        run.Fail("the check needs exactly one draw, made " + std::to_string(draws));
    if (k + 3 != lines.size())
        run.Fail("the check is not the last three lines");
    if (k < 4 || !StartsWith(lines[k - 4], FoundPrefix) || !StartsWith(lines[k - 1], TPrefix))
        run.Fail("the particular solution or t is not where the check expects it");

    const char sep = run.input.separator;
    const auto number = [&](std::string_view text, const char *what) {
        const auto n = ParseInteger(text, sep);
        if (!n)
            run.Fail(std::string(what) + " is not a whole number: \"" + std::string(text) + "\"");
        return *n;
    };

    const auto found =
        Split(std::string_view(lines[k - 4]).substr(FoundPrefix.size()), {"; Yо = "});
    if (!found || (*found)[0].empty() || (*found)[1].empty())
        run.Fail("the particular solution has an empty value");
    const Int xo = number((*found)[0], "Xо"), yo = number((*found)[1], "Yо");

    const auto tLine = Split(std::string_view(lines[k - 1]).substr(TPrefix.size()), {": "});
    if (!tLine || !(*tLine)[1].empty())
        run.Fail("malformed t line");
    const Int t = number((*tLine)[0], "t");
    if (t < 1 || t > 11)
        run.Fail("t outside 1..11");

    const auto eight = Split(lines[k + 1], {" * (", ") + ", " * (", ") = "});
    if (!eight)
        run.Fail("malformed line \"A * (X) + B * (Y) = C\"");
    const Int a = number((*eight)[0], "A"), x = number((*eight)[1], "X");
    const Int b = number((*eight)[2], "B"), y = number((*eight)[3], "Y");
    const Int c = number((*eight)[4], "C");

    const auto nine = Split(lines[k + 2], {" + ", " = "});
    if (!nine)
        run.Fail("malformed line \"P1 + P2 = C\"");
    const Int p1 = number((*nine)[0], "A*X"), p2 = number((*nine)[1], "B*Y");
    const Int c9 = number((*nine)[2], "C");

    if (p1 + p2 != c9)
        run.Fail("the check is false: " + Text(p1) + " + " + Text(p2) + " != " + Text(c9));
    if (p1 != a * x || p2 != b * y || c != c9)
        run.Fail("the products of the last line are not those of the line before: " + Text(a) +
                 " * " + Text(x) + " = " + Text(a * x) + ", " + Text(b) + " * " + Text(y) + " = " +
                 Text(b * y));
    if (a * xo + b * yo != c)
        run.Fail("Xо, Yо do not solve the equation");
    if (x != xo - b * t || y != yo + a * t)
        run.Fail("X or Y is not the general solution at t");
}

// Euclid's way of the same texts: the lines that quote no field hold no brace,
// every chain of formulas is true, and where the transcript found its pair
// the account names that pair in its last lines.
void CheckAccount(const Run &run, const std::vector<std::string> &transcript)
{
    const Catalogue &language = run.input.english ? English : Bulgarian;
    const std::string account =
        EuclidAccount(run.input.texts[0], run.input.texts[1], run.input.texts[2],
                      std::string(1, run.input.separator), language);
    const Run accountRun{run.input, account};
    CheckLineEnds(accountRun, account);
    CheckUtf8(accountRun, account);
    const std::vector<std::string> lines = Lines(account);
    const EuclidTexts &say = language.euclid;
    const std::string_view quoting =
        std::string_view(say.readAs).substr(0, say.readAs.value.find('{'));
    for (const std::string &line : lines) {
        // A field's text is the user's: braces and " = " may stand in it.
        if (line.starts_with(quoting))
            continue;
        if (line.find_first_of("{}") != std::string::npos)
            accountRun.Fail("a placeholder is left: " + line);
        if (!FormulaEqualities(line))
            accountRun.Fail("a formula is false: " + line);
    }

    std::string pair;
    for (const std::string &line : transcript) {
        if (!StartsWith(line, FoundPrefix))
            continue;
        const auto found = Split(std::string_view(line).substr(FoundPrefix.size()), {"; Yо = "});
        if (found)
            pair = FillPlaceholders(
                say.bridge, {{"xo", std::string((*found)[0])}, {"yo", std::string((*found)[1])}});
    }
    if (pair.empty())
        return;
    pair = pair.substr(0, pair.find("{k}"));
    if (lines.size() < 2 || !StartsWith(lines[lines.size() - 2], pair))
        accountRun.Fail("the account does not end on the transcript's pair: " + pair);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Input input = Decode(data, size);
    int draws = 0;
    const RandomSource random = [&] {
        ++draws;
        return input.r;
    };
    const std::string separator(1, input.separator);
    const Working working = Solve({input.texts[0], input.texts[1], input.texts[2]}, random,
                                  separator, Bulgarian.transcript);

    const Run run{input, working.Text()};
    CheckLineEnds(run, run.transcript);
    CheckUtf8(run, run.transcript);
    const std::vector<std::string> lines = Lines(run.transcript);
    CheckQuotients(run, lines);
    CheckSolution(run, lines, draws);
    CheckAccount(run, lines);
    return 0;
}
