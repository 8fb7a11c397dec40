// Random formulas written by the formatter and read back by the independent
// reader of the notation: each must read as the formula it was built as,
// with the value its parts give, in every language; and no line may hold a
// sign as no textbook writes it.

#include "formulatext.h"
#include "schoolformula.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// A formula and what the reader must make of it.
struct Drawn
{
    Expression formula;
    Rational value;
};

struct DrawnStatement
{
    Expression formula;
    std::string canonical;
};

// Each node's value stays below 2^40 in numerator and denominator, so that
// the reader's exact arithmetic never comes near 128 bits on the way.
constexpr SchoolInteger Budget = SchoolInteger(1) << 40;

class Draw
{
public:
    explicit Draw(std::uint64_t seed) : random_(seed)
    {
        const std::array<std::string, 10> letters = {"x", "y", "t", "A", "B",
                                                     "C", "d", "p", "q", "k"};
        for (const std::string &letter : letters)
            AddName(Name(letter));
        for (const char *letter : {"x", "y"})
            for (unsigned index = 0; index < 2; ++index)
                AddName(Name(letter, index));
        AddName(Name("r", 12));
    }

    // A formula whose value is exact and small enough; drawn again otherwise.
    Drawn Number(int depth)
    {
        for (;;)
            if (auto drawn = TryNumber(depth))
                return *drawn;
    }

    DrawnStatement Statement(bool inList = false)
    {
        switch (Uniform(0, inList ? 3 : 5)) {
        case 0: {
            const Drawn n = Number(3);
            return {n.formula, n.value.Text()};
        }
        case 1:
            return Chain();
        case 2: {
            const Drawn a = Number(2), b = Number(2);
            std::string canonical = "(";
            canonical += a.value.Text() + "; " + b.value.Text() + ")";
            return {Pair(a.formula, b.formula), canonical};
        }
        case 3: {
            const Drawn n = Number(2);
            return {InIntegers(n.formula), n.value.Text() + " in Z"};
        }
        case 4: {
            std::vector<Expression> items;
            std::string canonical = "[";
            for (int k = Uniform(2, 3); k > 0; --k) {
                const DrawnStatement item = Statement(true);
                items.push_back(item.formula);
                canonical += (canonical.size() > 1 ? ", " : "") + item.canonical;
            }
            return {List(std::move(items)), canonical + "]"};
        }
        default: {
            std::vector<Expression> steps;
            std::string canonical;
            for (int k = Uniform(2, 3); k > 0; --k) {
                const DrawnStatement step = Chain();
                steps.push_back(step.formula);
                canonical += (canonical.empty() ? "" : " => ") + step.canonical;
            }
            return {Implications(std::move(steps)), canonical};
        }
        }
    }

    const NameValues &names() const { return names_; }
    // Whether a sum drawn since the last reset keeps its zero terms.
    bool keptZeros = false;

    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    std::int64_t Uniform64(std::int64_t low, std::int64_t high)
    {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random_);
    }

private:
    void AddName(Expression name)
    {
        names_[name.name()] = Rational{Uniform(-30, 30), 1};
        pool_.push_back(std::move(name));
    }

    // Small numbers, with 0, 1 and −1 often: the cases with rules of their own.
    Wide Coefficient()
    {
        switch (Uniform(0, 5)) {
        case 0:
            return 0;
        case 1:
            return 1;
        case 2:
            return -1;
        default:
            return Uniform(-60, 60);
        }
    }

    static bool Fits(const Rational &r)
    {
        return r.numerator < Budget && -r.numerator < Budget && r.denominator < Budget;
    }

    std::optional<Drawn> TryNumber(int depth)
    {
        const int kind = depth == 0 ? Uniform(0, 1) : Uniform(0, 8);
        std::optional<Rational> value;
        std::optional<Expression> formula;
        switch (kind) {
        case 0: {
            const Wide n = Coefficient();
            return Drawn{Int(n), Rational{n, 1}};
        }
        case 1: {
            const Expression &name = pool_[Uniform(0, static_cast<int>(pool_.size()) - 1)];
            return Drawn{name, names_.at(name.name())};
        }
        case 2:
        case 3: { // a product shown, or juxtaposed factors
            std::vector<Expression> factors;
            value = Rational{1, 1};
            for (int k = Uniform(2, 3); k > 0 && value; --k) {
                const Drawn f = Number(depth - 1);
                factors.push_back(f.formula);
                value = *value * f.value;
            }
            formula = kind == 2 ? Times(std::move(factors)) : Implicit(std::move(factors));
            break;
        }
        case 4: { // a coefficient and its factor
            const Wide c = Coefficient();
            const Drawn f = Number(depth - 1);
            formula = Term(c, f.formula);
            value = Rational{c, 1} * f.value;
            break;
        }
        case 5:
        case 6: {
            std::vector<Expression> terms;
            value = Rational{0, 1};
            for (int k = Uniform(2, 4); k > 0 && value; --k) {
                const Drawn term = Number(depth - 1);
                terms.push_back(term.formula);
                value = *value + term.value;
            }
            const Zeros zeros = Uniform(0, 3) == 0 ? Zeros::Keep : Zeros::Drop;
            keptZeros = keptZeros || zeros == Zeros::Keep;
            formula = Sum(std::move(terms), zeros);
            break;
        }
        case 7: {
            const Drawn numerator = Number(depth - 1), denominator = Number(depth - 1);
            if (denominator.value.numerator == 0)
                return std::nullopt;
            formula = Quotient(numerator.formula, denominator.formula);
            value = numerator.value / denominator.value;
            break;
        }
        default: {
            const Drawn inner = Number(depth - 1);
            formula = Abs(inner.formula);
            value = inner.value.numerator < 0 ? -inner.value : std::optional(inner.value);
        }
        }
        if (!value || !Fits(*value))
            return std::nullopt;
        return Drawn{*formula, *value};
    }

    DrawnStatement Chain()
    {
        static constexpr std::array<std::pair<Relation, const char *>, 5> relations = {{
            {Relation::Equal, " = "},
            {Relation::Less, " < "},
            {Relation::Greater, " > "},
            {Relation::AtMost, " <= "},
            {Relation::AtLeast, " >= "},
        }};
        const Drawn first = Number(2);
        Expression chain = first.formula;
        std::string canonical = first.value.Text();
        for (int k = Uniform(1, 3); k > 0; --k) {
            const auto &[relation, sign] = relations[Uniform(0, 4)];
            const Drawn side = Number(2);
            chain = Compare(chain, relation, side.formula);
            canonical += sign + side.value.Text();
        }
        return {chain, canonical};
    }

    std::mt19937_64 random_;
    NameValues names_;
    std::vector<Expression> pool_;
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// What no line may hold: a sign written as no textbook writes it. With
// `zerosDropped`, a term 0 beside + or − too.
std::vector<std::string> Faults(std::string_view text, bool zerosDropped)
{
    std::vector<std::string> faults;
    for (const char *never : {"+ −", "− −", "(-", "-", "*", "+ +"})
        if (text.find(never) != std::string_view::npos)
            faults.push_back(std::string("holds \"") + never + "\"");
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '0' && c != '1')
            continue;
        const std::string_view before = text.substr(0, i), after = text.substr(i + 1);
        if ((!before.empty() && IsDigit(before.back())) || (!after.empty() && IsDigit(after[0])))
            continue; // a digit of a longer number
        if (c == '1' && !after.empty() && (IsLetter(after[0]) || after[0] == '('))
            faults.push_back("a coefficient 1 written");
        // A number 0 on its own: not a factor (after · or /, or before them).
        const bool factor = before.ends_with("·") || before.ends_with("/") ||
                            after.starts_with("·") || after.starts_with("/") ||
                            (!after.empty() && (IsLetter(after[0]) || after[0] == '('));
        if (c == '0' && zerosDropped && !factor &&
            (before.ends_with("+ ") || before.ends_with("−") || before.ends_with("− ") ||
             after.starts_with(" + ") || after.starts_with(" − ")))
            faults.push_back("a term 0 written");
    }
    return faults;
}

TEST(FormulaRoundTrip, EveryFormulaReadsBackAsBuilt)
{
    Draw draw(20240528);
    int checked = 0;
    for (int k = 0; k < 4000; ++k) {
        draw.keptZeros = false;
        const DrawnStatement drawn = draw.Statement();
        for (const char *language : {"bg", "en", "uk"}) {
            const Notation notation = SchoolNotation(language);
            const std::string text = FormulaText(drawn.formula, notation);
            const auto read = ReadSchoolFormula(text, notation.pairSeparator, draw.names());
            ASSERT_TRUE(read) << language << ": " << text;
            ASSERT_EQ(read->Canonical(), drawn.canonical) << language << ": " << text;
            ASSERT_EQ(Faults(text, !draw.keptZeros), std::vector<std::string>())
                << language << ": " << text;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 12000);
}

// The answer checks' products: a coefficient below 2^31 times a pupil's
// number below 2^63, and sums of two of them, far past 64 bits.
TEST(FormulaRoundTrip, WideProductsReadBackExactly)
{
    Draw draw(7);
    const std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    const std::int64_t highest = std::numeric_limits<std::int64_t>::max();
    for (int k = 0; k < 2000; ++k) {
        const Wide a = draw.Uniform64(-2147483648, 2147483647);
        const Wide b = draw.Uniform64(-2147483648, 2147483647);
        const Wide x = k == 0 ? lowest : draw.Uniform64(lowest, highest);
        const Wide y = k == 0 ? lowest : draw.Uniform64(lowest, highest);
        const Expression check =
            Equalities({Sum({Times(a, x), Times(b, y)}), Sum({Int(a * x), Int(b * y)})});
        const std::string text = FormulaText(check, SchoolNotation("bg"));
        const auto read = ReadSchoolFormula(text, "; ");
        ASSERT_TRUE(read) << text;
        const std::string sum = Rational{a * x + b * y, 1}.Text();
        ASSERT_EQ(read->Canonical(), sum + " = " + sum) << text;
        ASSERT_EQ(Faults(text, false), std::vector<std::string>()) << text;
    }
}

// The fault finder itself must see each fault where it stands.
TEST(FormulaRoundTrip, FaultsAreSeen)
{
    for (const char *faulty : {"2 + −3", "2 − −3", "2·(-3)", "2 - 3", "2 * 3", "1x + y", "y − 1t",
                               "x = 0 + 3t", "x = 3t − 0", "x = −0", "2 + 1(x − 1)"})
        EXPECT_FALSE(Faults(faulty, true).empty()) << faulty;
    for (const char *sound : {"21x + 10y = 0", "x₀ + x₁", "0·5 + 3", "3·0 + 2", "10 − 2·(−4)",
                              "x = 0", "(0; 1)", "2/10 + 1"})
        EXPECT_EQ(Faults(sound, true), std::vector<std::string>()) << sound;
}

} // namespace
