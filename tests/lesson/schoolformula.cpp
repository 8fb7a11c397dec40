#include "schoolformula.h"

#include <algorithm>

namespace {

SchoolInteger Gcd(SchoolInteger a, SchoolInteger b)
{
    while (b != 0) {
        const SchoolInteger r = a % b;
        a = b;
        b = r;
    }
    return a < 0 ? -a : a;
}

std::optional<SchoolInteger> Multiply(SchoolInteger a, SchoolInteger b)
{
    SchoolInteger product;
    if (__builtin_mul_overflow(a, b, &product))
        return std::nullopt;
    return product;
}

std::optional<SchoolInteger> Add(SchoolInteger a, SchoolInteger b)
{
    SchoolInteger sum;
    if (__builtin_add_overflow(a, b, &sum))
        return std::nullopt;
    return sum;
}

std::string Digits(SchoolInteger n)
{
    if (n == 0)
        return "0";
    std::string text;
    const bool negative = n < 0;
    while (n != 0) {
        const int digit = static_cast<int>(n % 10);
        text += static_cast<char>('0' + (digit < 0 ? -digit : digit));
        n /= 10;
    }
    if (negative)
        text += '-';
    std::reverse(text.begin(), text.end());
    return text;
}

// "(" + text + ")" written so that GCC 12 sees no overlapping copy in it.
std::string Enclosed(std::string_view open, const std::string &inner, std::string_view close)
{
    std::string text(open);
    text += inner;
    text += close;
    return text;
}

constexpr std::string_view Minus = "−";
constexpr std::string_view Dot = "·";
constexpr std::string_view Relations[] = {" = ", " < ", " > ", " ≤ ", " ≥ "};

bool IsSubscriptDigit(std::string_view text)
{
    return text.size() >= 3 && text[0] == '\xE2' && text[1] == '\x82' &&
           static_cast<unsigned char>(text[2]) >= 0x80 &&
           static_cast<unsigned char>(text[2]) <= 0x89;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

class Reader
{
public:
    Reader(std::string_view text, std::string_view pairSeparator, const NameValues &names)
        : text_(text), pairSeparator_(pairSeparator), names_(names)
    {}

    std::optional<SchoolFormula> Whole()
    {
        auto formula = List();
        if (!formula || !rest().empty())
            return std::nullopt;
        return formula;
    }

private:
    std::string_view rest() const { return text_.substr(at_); }
    bool Take(std::string_view s)
    {
        if (!rest().starts_with(s))
            return false;
        at_ += s.size();
        return true;
    }

    std::optional<SchoolFormula> List()
    {
        auto first = Implications();
        if (!first)
            return std::nullopt;
        // A pair's own separator may be the list's: a list's items are
        // statements, a pair is never split here because it is bracketed.
        if (!rest().starts_with(", "))
            return first;
        SchoolFormula list{SchoolFormula::Kind::List, {}, {*first}, {}};
        while (Take(", ")) {
            auto next = Implications();
            if (!next)
                return std::nullopt;
            list.parts.push_back(*next);
        }
        return list;
    }

    std::optional<SchoolFormula> Implications()
    {
        auto first = Statement();
        if (!first || !rest().starts_with("  ⇒  "))
            return first;
        SchoolFormula chain{SchoolFormula::Kind::Implications, {}, {*first}, {}};
        while (Take("  ⇒  ")) {
            auto next = Statement();
            if (!next)
                return std::nullopt;
            chain.parts.push_back(*next);
        }
        return chain;
    }

    std::optional<SchoolFormula> Statement()
    {
        if (auto pair = Pair())
            return pair;
        auto first = Number();
        if (!first)
            return std::nullopt;
        if (Take(" ∈ ℤ"))
            return SchoolFormula{SchoolFormula::Kind::Membership, {}, {*first}, {}};
        SchoolFormula chain{SchoolFormula::Kind::Chain, {}, {*first}, {}};
        for (bool more = true; more;) {
            more = false;
            for (const std::string_view relation : Relations) {
                if (Take(relation)) {
                    auto side = Number();
                    if (!side)
                        return std::nullopt;
                    chain.parts.push_back(*side);
                    chain.relations.emplace_back(relation.substr(1, relation.size() - 2));
                    more = true;
                    break;
                }
            }
        }
        if (chain.parts.size() == 1)
            return first;
        return chain;
    }

    std::optional<SchoolFormula> Pair()
    {
        const std::size_t start = at_;
        if (Take("(")) {
            auto x = Number();
            if (x && Take(pairSeparator_)) {
                auto y = Number();
                if (y && Take(")"))
                    return SchoolFormula{SchoolFormula::Kind::Pair, {}, {*x, *y}, {}};
            }
        }
        at_ = start;
        return std::nullopt;
    }

    std::optional<SchoolFormula> Number()
    {
        auto value = Sum();
        if (!value)
            return std::nullopt;
        return SchoolFormula{SchoolFormula::Kind::Number, *value, {}, {}};
    }

    // ["−"] term ((" + " | " − ") term)*: a minus of its own only first.
    std::optional<Rational> Sum()
    {
        const bool negative = Take(Minus);
        auto value = Term();
        if (value && negative)
            value = -*value;
        while (value) {
            if (Take(" + ")) {
                auto next = Term();
                value = next ? *value + *next : std::nullopt;
            } else if (Take(" − ")) {
                auto next = Term();
                if (next)
                    next = -*next;
                value = next ? *value + *next : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    // Units joined by · and /, left to right.
    std::optional<Rational> Term()
    {
        auto value = Unit();
        while (value) {
            if (Take(Dot)) {
                auto next = Unit();
                value = next ? *value * *next : std::nullopt;
            } else if (Take("/")) {
                auto next = Unit();
                value = next ? *value / *next : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    // Juxtaposed factors, which bind tighter than · and /: 5t, A(x₀ + pt).
    std::optional<Rational> Unit()
    {
        auto value = Factor();
        while (value && !rest().empty() && (rest().front() == '(' || IsLetter(rest().front()))) {
            auto next = Factor();
            value = next ? *value * *next : std::nullopt;
        }
        return value;
    }

    std::optional<Rational> Factor()
    {
        if (Take("(")) {
            auto value = Sum();
            return value && Take(")") ? value : std::nullopt;
        }
        if (Take("|")) {
            auto value = Sum();
            if (!value || !Take("|"))
                return std::nullopt;
            return value->numerator < 0 ? -*value : value;
        }
        if (!rest().empty() && IsLetter(rest().front())) {
            std::size_t end = at_ + 1;
            while (IsSubscriptDigit(text_.substr(end)))
                end += 3;
            const auto found = names_.find(text_.substr(at_, end - at_));
            if (found == names_.end())
                return std::nullopt;
            at_ = end;
            return found->second;
        }
        const std::size_t start = at_;
        SchoolInteger n = 0;
        while (!rest().empty() && rest().front() >= '0' && rest().front() <= '9') {
            const auto tens = Multiply(n, 10);
            const auto next = tens ? Add(*tens, text_[at_++] - '0') : std::nullopt;
            if (!next)
                return std::nullopt;
            n = *next;
        }
        if (at_ == start)
            return std::nullopt;
        return Rational{n, 1};
    }

    std::string_view text_;
    std::string_view pairSeparator_;
    const NameValues &names_;
    std::size_t at_ = 0;
};

} // namespace

std::optional<Rational> Rational::Of(SchoolInteger numerator, SchoolInteger denominator)
{
    if (denominator == 0)
        return std::nullopt;
    const SchoolInteger g = Gcd(numerator, denominator);
    numerator /= g;
    denominator /= g;
    if (denominator < 0) {
        const auto n = Multiply(numerator, -1), d = Multiply(denominator, -1);
        if (!n || !d)
            return std::nullopt;
        numerator = *n;
        denominator = *d;
    }
    return Rational{numerator, denominator};
}

std::string Rational::Text() const
{
    return denominator == 1 ? Digits(numerator) : Digits(numerator) + "/" + Digits(denominator);
}

std::optional<Rational> operator+(const Rational &a, const Rational &b)
{
    const SchoolInteger g = Gcd(a.denominator, b.denominator);
    const auto left = Multiply(a.numerator, b.denominator / g);
    const auto right = Multiply(b.numerator, a.denominator / g);
    const auto denominator = Multiply(a.denominator / g, b.denominator);
    if (!left || !right || !denominator)
        return std::nullopt;
    const auto numerator = Add(*left, *right);
    return numerator ? Rational::Of(*numerator, *denominator) : std::nullopt;
}

std::optional<Rational> operator-(const Rational &a)
{
    const auto n = Multiply(a.numerator, -1);
    return n ? std::optional(Rational{*n, a.denominator}) : std::nullopt;
}

std::optional<Rational> operator*(const Rational &a, const Rational &b)
{
    // Cross-cancelled first, so that a product in lowest terms never
    // overflows on the way; the denominators are positive, so no gcd is 0.
    const SchoolInteger g1 = Gcd(a.numerator, b.denominator), g2 = Gcd(b.numerator, a.denominator);
    const auto n = Multiply(a.numerator / g1, b.numerator / g2);
    const auto d = Multiply(a.denominator / g2, b.denominator / g1);
    return n && d ? Rational::Of(*n, *d) : std::nullopt;
}

std::optional<Rational> operator/(const Rational &a, const Rational &b)
{
    const auto reciprocal = Rational::Of(b.denominator, b.numerator);
    return reciprocal ? a * *reciprocal : std::nullopt;
}

std::optional<int> Compare(const Rational &a, const Rational &b)
{
    const auto negated = -b;
    const auto difference = negated ? a + *negated : std::nullopt;
    if (!difference)
        return std::nullopt;
    return difference->numerator < 0 ? -1 : (difference->numerator > 0 ? 1 : 0);
}

bool SchoolFormula::Holds() const
{
    switch (kind) {
    case Kind::Number:
    case Kind::Pair:
        return true;
    case Kind::List:
        return std::all_of(parts.begin(), parts.end(), [](const auto &p) { return p.Holds(); });
    case Kind::Membership:
        return parts.front().value.denominator == 1;
    case Kind::Implications:
        for (std::size_t k = 1; k < parts.size(); ++k)
            if (parts[k - 1].Holds() && !parts[k].Holds())
                return false;
        return true;
    case Kind::Chain:
        for (std::size_t k = 0; k < relations.size(); ++k) {
            const auto compared = Compare(parts[k].value, parts[k + 1].value);
            if (!compared)
                return false;
            const int c = *compared;
            const std::string &r = relations[k];
            const bool holds = r == "="   ? c == 0
                               : r == "<" ? c < 0
                               : r == ">" ? c > 0
                               : r == "≤" ? c <= 0
                                          : c >= 0;
            if (!holds)
                return false;
        }
        return true;
    }
    return false;
}

std::string SchoolFormula::Canonical() const
{
    const auto joined = [&](std::string_view between) {
        std::string text;
        for (const SchoolFormula &part : parts)
            text += (text.empty() ? "" : std::string(between)) + part.Canonical();
        return text;
    };
    switch (kind) {
    case Kind::Number:
        return value.Text();
    case Kind::Pair:
        return Enclosed("(", parts[0].Canonical() + "; " + parts[1].Canonical(), ")");
    case Kind::List:
        return Enclosed("[", joined(", "), "]");
    case Kind::Membership:
        return parts.front().Canonical() + " in Z";
    case Kind::Implications:
        return joined(" => ");
    case Kind::Chain: {
        std::string text = parts.front().Canonical();
        for (std::size_t k = 0; k < relations.size(); ++k) {
            const std::string &r = relations[k];
            text += " " +
                    (r == "≤"   ? std::string("<=")
                     : r == "≥" ? std::string(">=")
                                : r) +
                    " " + parts[k + 1].Canonical();
        }
        return text;
    }
    }
    return {};
}

std::optional<SchoolFormula>
ReadSchoolFormula(std::string_view text, std::string_view pairSeparator, const NameValues &names)
{
    return Reader(text, pairSeparator, names).Whole();
}
