// The account of the solutions within bounds, read back as a pupil would
// check it: every line is one of the catalogue's messages or a formula of the
// board; every formula is parsed by the test's own reader of the notation
// and evaluated, each step of a bound against the bound itself, the range of
// t against the bounds, and the count, the pairs and the extremes against
// brute force. In every language.

#include "boundedsolutions.h"
#include "boundsaccount.h"
#include "boundsmodel.h"
#include "schoolformula.h"

#include "cataloguefields.h"
#include "catalogues.h"
#include "notation.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <regex>
#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// One message of the catalogue as a pattern: its placeholders capture.
struct Template
{
    std::string key;
    std::regex pattern;
    std::vector<std::string> names;
};

Template Pattern(const std::string &key, std::string_view message)
{
    static const std::regex placeholder(R"(\{([A-Za-z][A-Za-z0-9]*)\})");
    Template t{key, {}, {}};
    std::string pattern = "^";
    std::string_view rest = message;
    std::cmatch m;
    while (std::regex_search(rest.data(), rest.data() + rest.size(), m, placeholder)) {
        for (char c : rest.substr(0, static_cast<std::size_t>(m.position(0)))) {
            if (std::string_view(R"(\^$.|?*+()[]{}/)").find(c) != std::string_view::npos)
                pattern += '\\';
            pattern += c;
        }
        pattern += "(.+?)";
        t.names.push_back(m[1].str());
        rest.remove_prefix(static_cast<std::size_t>(m.position(0) + m.length(0)));
    }
    for (char c : rest) {
        if (std::string_view(R"(\^$.|?*+()[]{}/)").find(c) != std::string_view::npos)
            pattern += '\\';
        pattern += c;
    }
    t.pattern = std::regex(pattern + "$");
    return t;
}

using Values = std::map<std::string, std::string>;

// Which message the line is, and its placeholders' values; of several that
// match, the one whose own words cover the most of the line.
std::optional<std::pair<std::string, Values>> Match(const std::vector<Template> &templates,
                                                    const std::string &line)
{
    std::optional<std::pair<std::string, Values>> best;
    std::size_t bestCaptured = std::string::npos;
    for (const Template &t : templates) {
        std::smatch m;
        if (!std::regex_match(line, m, t.pattern))
            continue;
        Values values;
        std::size_t captured = 0;
        for (std::size_t k = 0; k < t.names.size(); ++k) {
            values[t.names[k]] = m[k + 1].str();
            captured += static_cast<std::size_t>(m.length(static_cast<int>(k + 1)));
        }
        if (captured < bestCaptured) {
            bestCaptured = captured;
            best = {t.key, values};
        }
    }
    return best;
}

std::vector<Template> LineTemplates(const Catalogue &language)
{
    std::vector<Template> templates;
    const auto add = [&](const std::string &key, std::string_view message) {
        // Parts of the pairs' line, and the heading the front ends show.
        static const std::set<std::string> within = {"bounds.firstAndLast", "bounds.beginning",
                                                     "bounds.ending", "bounds.title"};
        if (key.starts_with("bounds.") && !within.contains(key))
            templates.push_back(Pattern(key, message));
    };
    ForEachPhrase(language,
                  [&](const std::string &key, const Phrase &phrase) { add(key, phrase.value); });
    ForEachPlural(language, [&](const std::string &key, const PluralPhrase &phrase) {
        for (std::size_t k = 0; k < phrase.count; ++k)
            add(key, phrase.forms[k]);
    });
    return templates;
}

Rational R(Wide n)
{
    return *Rational::Of(n, 1);
}

Wide Whole(const SchoolFormula &number)
{
    EXPECT_EQ(number.kind, SchoolFormula::Kind::Number);
    EXPECT_EQ(number.value.denominator, 1);
    return number.value.numerator;
}

std::string Text(Wide n)
{
    std::ostringstream out;
    out << static_cast<long double>(n); // only to name a failure
    return out.str();
}

bool Within(const SolutionBounds &b, Wide x, Wide y)
{
    return (!b.xMin || x >= *b.xMin) && (!b.xMax || x <= *b.xMax) && (!b.yMin || y >= *b.yMin) &&
           (!b.yMax || y <= *b.yMax);
}

class AccountReader
{
public:
    AccountReader(std::int64_t A, std::int64_t B, std::int64_t C, const SolutionBounds &bounds,
                  const Catalogue &language)
        : A_(A), B_(B), C_(C), bounds_(bounds), language_(language),
          separator_(SchoolNotation(language.code).pairSeparator),
          templates_(LineTemplates(language)), solutions_(SolveWithinBounds(A, B, C, bounds))
    {}

    // Reads every line; the model is brute force for the same task.
    void Check(const ModelSolutions &model)
    {
        const std::vector<std::string> lines =
            Lines(BoundsAccountOf(A_, B_, C_, bounds_, language_));
        ASSERT_FALSE(lines.empty());
        bool counted = false, listed = false, extremes = false, verdict = false;
        std::string lastStepText; // the bound's steps above, down to t ≥ f
        for (std::size_t k = 0; k < lines.size(); ++k) {
            const std::string &line = lines[k];
            SCOPED_TRACE(line);
            const auto match = Match(templates_, line);
            if (!match) {
                CheckStep(line, lastStepText);
                // What the step asks for comes next: why the sign turned, then
                // how t was rounded.
                std::size_t next = k + 1;
                const auto nextKey = [&]() -> std::string {
                    if (next >= lines.size())
                        return {};
                    const auto m = Match(templates_, lines[next]);
                    return m ? m->first : std::string();
                };
                if (TurnsSign(line)) {
                    EXPECT_EQ(nextKey(), "bounds.signTurns");
                    ++next;
                }
                const SchoolFormula last = Read(line, At(0)).parts.back();
                const bool whole = last.parts.back().value.denominator == 1;
                const std::string rounding = nextKey();
                EXPECT_EQ(rounding == "bounds.roundUp" || rounding == "bounds.roundDown", !whole);
                continue;
            }
            const auto &[key, v] = *match;
            if (k == 0) {
                EXPECT_TRUE(key == "bounds.natural" || key == "bounds.nonNegative" ||
                            key == "bounds.given");
                CheckBoundsFormula(v.at("bounds"));
            } else if (key == "bounds.family") {
                CheckFamily(v.at("solution"));
            } else if (key == "bounds.signTurns") {
                EXPECT_LT(Whole(Read(v.at("divisor"))), 0);
                EXPECT_TRUE(TurnsSign(lastStepText));
            } else if (key == "bounds.roundUp" || key == "bounds.roundDown") {
                CheckRounding(key == "bounds.roundUp", v, lastStepText);
            } else if (key == "bounds.holdsAlways" || key == "bounds.holdsNever") {
                // A bound without t in it: the same whatever t is.
                for (Wide t = -2; t <= 2; ++t)
                    EXPECT_EQ(Read(lastStepText, At(t)).parts.back().Holds(),
                              key == "bounds.holdsAlways");
            } else if (key == "bounds.unbounded") {
                for (Wide t = -50; t <= 50; t += 7) {
                    const NameValues names = At(t);
                    EXPECT_TRUE(Within(bounds_, names.at("x").numerator, names.at("y").numerator));
                }
            } else if (key == "bounds.together") {
                CheckRange(v.at("range"));
            } else if (key == "bounds.count") {
                ASSERT_FALSE(model.infinite);
                EXPECT_EQ(Whole(Read(v.at("count"))), model.count);
                counted = verdict = true;
            } else if (key == "bounds.infinitely" || key == "bounds.infinitelyAnyT" ||
                       key == "bounds.infinitelyPairs") {
                EXPECT_TRUE(model.infinite);
                if (key == "bounds.infinitely")
                    CheckRange(v.at("range"));
                counted = verdict = true;
            } else if (key.starts_with("bounds.none") || key == "bounds.noSolution") {
                EXPECT_FALSE(model.infinite);
                EXPECT_EQ(model.count, 0);
                verdict = true;
            } else if (key.starts_with("bounds.orderedBy")) {
                CheckPairs(v.at("pairs"), model);
                listed = true;
            } else if (key == "bounds.everyPairCount") {
                const SchoolFormula product = Read(v.at("product"));
                EXPECT_TRUE(product.Holds());
                EXPECT_EQ(Whole(product.parts.back()), model.count);
            } else if (key == "bounds.everyPair") {
                CheckBoundsFormula(v.at("bounds"));
            } else {
                CheckExtremes(key, v, model);
                extremes = true;
            }
        }
        EXPECT_TRUE(verdict) << "no count and no verdict";
        const bool some = model.infinite || model.count > 0;
        EXPECT_EQ(counted, some);
        EXPECT_EQ(extremes, some);
        EXPECT_EQ(listed, !model.first.empty() || !model.last.empty());
    }

private:
    SchoolFormula Read(const std::string &text, const NameValues &names = {}) const
    {
        const std::optional<SchoolFormula> f = ReadSchoolFormula(text, separator_, names);
        EXPECT_TRUE(f.has_value()) << "no formula: " << text;
        return f.value_or(SchoolFormula{});
    }

    // The names at t, with x and y as the account's family gives them.
    NameValues At(Wide t) const
    {
        const SolutionFamily &f = solutions_.family;
        return {{"t", R(t)}, {"x", R(f.x0 + f.p * t)}, {"y", R(f.y0 + f.q * t)}};
    }

    void CheckBoundsFormula(const std::string &text) const
    {
        // Around every end, the formula holds where the bounds do.
        std::vector<Wide> probes = {0};
        for (const auto &end : {bounds_.xMin, bounds_.xMax, bounds_.yMin, bounds_.yMax})
            if (end)
                for (Wide d = -1; d <= 1; ++d)
                    probes.push_back(*end + d);
        for (Wide x : probes)
            for (Wide y : probes)
                EXPECT_EQ(Read(text, {{"x", R(x)}, {"y", R(y)}}).Holds(), Within(bounds_, x, y))
                    << text << " at " << Text(x) << ", " << Text(y);
    }

    // x = x0 + pt, y = y0 + qt, t ∈ ℤ, the same family the pairs come from,
    // and a family of solutions of the equation.
    void CheckFamily(const std::string &text) const
    {
        for (Wide t = -3; t <= 3; ++t) {
            const NameValues names = At(t);
            EXPECT_TRUE(Read(text, names).Holds()) << text;
            const Wide x = names.at("x").numerator, y = names.at("y").numerator;
            EXPECT_EQ(Wide(A_) * x + Wide(B_) * y, Wide(C_));
        }
    }

    // bound  ⇒  … ⇒  t ≥ f: every statement true for the same t, the last
    // one bounding t alone.
    void CheckStep(const std::string &line, std::string &lastStepText)
    {
        lastStepText = line;
        const SchoolFormula at0 = Read(line, At(0));
        ASSERT_EQ(at0.kind, SchoolFormula::Kind::Implications) << line;
        std::vector<Wide> probes;
        for (Wide t = -3; t <= 3; ++t)
            probes.push_back(t);
        const SchoolFormula &last = at0.parts.back();
        if (last.kind == SchoolFormula::Kind::Chain &&
            last.parts.back().kind == SchoolFormula::Kind::Number) {
            const Rational f = last.parts.back().value;
            const Wide floor = f.numerator / f.denominator - (f.numerator < 0 ? 1 : 0);
            for (Wide t = floor - 2; t <= floor + 3; ++t)
                probes.push_back(t);
        }
        for (Wide t : probes) {
            const SchoolFormula f = Read(line, At(t));
            for (const SchoolFormula &part : f.parts)
                EXPECT_EQ(part.Holds(), f.parts.front().Holds()) << "at t = " << Text(t);
        }
    }

    bool TurnsSign(const std::string &step) const
    {
        const SchoolFormula f = Read(step, At(0));
        return f.parts.front().relations != f.parts.back().relations;
    }

    // t ≥ w, f rounded up, as w − 1 < f < w: for whole t the same as t ≥ f.
    void CheckRounding(bool up, const Values &v, const std::string &step) const
    {
        EXPECT_TRUE(Read(v.at("between")).Holds()) << v.at("between");
        const Rational f = Read(v.at("fraction")).value;
        EXPECT_NE(f.denominator, 1) << "a whole number rounded";
        for (Wide t = -3; t <= 3; ++t) {
            const Wide probe = f.numerator / f.denominator + t;
            const SchoolFormula stepAt = Read(step, At(probe));
            const SchoolFormula rounded = Read(v.at("inequality"), At(probe));
            EXPECT_EQ(rounded.Holds(), stepAt.parts.back().Holds()) << "at t = " << Text(probe);
            EXPECT_EQ(rounded.relations.front(), up ? "≥" : "≤");
        }
    }

    // The range of t: whole t inside it are exactly the t whose pair lies
    // within the bounds.
    void CheckRange(const std::string &text) const
    {
        const SchoolFormula at0 = Read(text, At(0));
        std::vector<Wide> probes;
        for (const SchoolFormula &side : at0.parts)
            if (side.kind == SchoolFormula::Kind::Number)
                for (Wide d = -2; d <= 2; ++d)
                    probes.push_back(Whole(side) + d);
        EXPECT_FALSE(probes.empty()) << "a range without an end: " << text;
        for (Wide t : probes) {
            const NameValues names = At(t);
            EXPECT_EQ(Read(text, names).Holds(),
                      Within(bounds_, names.at("x").numerator, names.at("y").numerator))
                << text << " at t = " << Text(t);
        }
    }

    std::vector<SolutionPair> ReadPairs(const std::string &text) const
    {
        std::vector<SolutionPair> pairs;
        const SchoolFormula f = Read(text);
        const auto take = [&](const SchoolFormula &pair) {
            EXPECT_EQ(pair.kind, SchoolFormula::Kind::Pair);
            if (pair.kind == SchoolFormula::Kind::Pair)
                pairs.push_back({Whole(pair.parts[0]), Whole(pair.parts[1])});
        };
        if (f.kind == SchoolFormula::Kind::List)
            for (const SchoolFormula &pair : f.parts)
                take(pair);
        else
            take(f);
        return pairs;
    }

    void CheckPairs(const std::string &text, const ModelSolutions &model) const
    {
        const BoundsTexts &say = language_.bounds;
        std::vector<SolutionPair> first, last;
        const auto split = [&](std::string_view message) {
            return Match({Pattern("", message)}, text);
        };
        if (const auto both = split(say.firstAndLast)) {
            first = ReadPairs(both->second.at("first"));
            last = ReadPairs(both->second.at("last"));
        } else if (const auto beginning = split(say.beginning)) {
            first = ReadPairs(beginning->second.at("first"));
            EXPECT_TRUE(model.infinite);
        } else if (const auto ending = split(say.ending)) {
            last = ReadPairs(ending->second.at("last"));
            EXPECT_TRUE(model.infinite);
        } else {
            first = ReadPairs(text);
            EXPECT_FALSE(model.infinite);
        }
        EXPECT_EQ(first, model.first);
        EXPECT_EQ(last, model.last);
    }

    void CheckExtremes(const std::string &key, const Values &v, const ModelSolutions &model) const
    {
        const auto value = [&](const char *name) { return Whole(Read(v.at(name))); };
        const auto inList = [&](const char *name, Wide x) {
            const std::vector<SolutionPair> pair = ReadPairs(v.at(name));
            ASSERT_EQ(pair.size(), 1u);
            EXPECT_EQ(pair[0].x, x);
            EXPECT_EQ(Wide(A_) * pair[0].x + Wide(B_) * pair[0].y, Wide(C_));
            EXPECT_TRUE(Within(bounds_, pair[0].x, pair[0].y));
        };
        const bool small = key == "bounds.extremes" || key == "bounds.smallestOnly" ||
                           key == "bounds.extremeValues" || key == "bounds.smallestValue";
        const bool large = key == "bounds.extremes" || key == "bounds.largestOnly" ||
                           key == "bounds.extremeValues" || key == "bounds.largestValue";
        if (key == "bounds.sameX") {
            const SchoolFormula x = Read(v.at("equality"), {{"x", R(*model.smallestX)}});
            EXPECT_TRUE(x.Holds());
            EXPECT_EQ(model.smallestX, model.largestX);
            return;
        }
        ASSERT_TRUE(small || large || key == "bounds.noExtremes") << key;
        EXPECT_EQ(model.smallestX.has_value(), small) << key;
        EXPECT_EQ(model.largestX.has_value(), large) << key;
        if (small && model.smallestX) {
            EXPECT_EQ(value("smallest"), *model.smallestX);
            if (v.contains("smallestPair"))
                inList("smallestPair", *model.smallestX);
        }
        if (large && model.largestX) {
            EXPECT_EQ(value("largest"), *model.largestX);
            if (v.contains("largestPair"))
                inList("largestPair", *model.largestX);
        }
    }

    std::int64_t A_, B_, C_;
    SolutionBounds bounds_;
    const Catalogue &language_;
    std::string separator_;
    std::vector<Template> templates_;
    BoundedSolutions solutions_;
};

void ExpectTheAccountReadsBack(std::int64_t A, std::int64_t B, std::int64_t C,
                               const SolutionBounds &bounds)
{
    const ModelSolutions model = BruteForce(A, B, C, bounds, A == 0 && B == 0 ? 40 : 1000);
    for (const Catalogue *language : Catalogues) {
        SCOPED_TRACE(std::to_string(A) + "x + " + std::to_string(B) + "y = " + std::to_string(C) +
                     " in " + std::string(language->code));
        AccountReader(A, B, C, bounds, *language).Check(model);
        // Its steps, the hints for a pupil's list, are the account without
        // the task's line, whole and in order, four at most.
        const std::string account = BoundsAccountOf(A, B, C, bounds, *language);
        const std::vector<std::string> steps = BoundsAccountSteps(A, B, C, bounds, *language);
        EXPECT_LE(steps.size(), 4u);
        std::string joined;
        for (const std::string &step : steps)
            joined += step + "\r\n";
        EXPECT_EQ(joined, account.substr(account.find("\r\n") + 2));
    }
}

TEST(BoundsAccount, ReadsBackOnEveryRoad)
{
    const std::optional<std::int64_t> open;
    ExpectTheAccountReadsBack(3, 5, 47, SolutionBounds::Natural());
    ExpectTheAccountReadsBack(3, 5, 47, SolutionBounds::NonNegative());
    ExpectTheAccountReadsBack(91, -35, 14, {1, open, open, open});    // without end
    ExpectTheAccountReadsBack(91, -35, 14, {open, 30, open, open});   // from no end
    ExpectTheAccountReadsBack(3, 5, 1000, SolutionBounds::Natural()); // first and last five
    ExpectTheAccountReadsBack(0, 4, 8, {-3, 3, open, open});          // x alone
    ExpectTheAccountReadsBack(0, 4, 8, {open, open, 3, open});        // a bound no t meets
    ExpectTheAccountReadsBack(0, 4, 8, {open, open, 0, 5});           // bounds t leaves free
    ExpectTheAccountReadsBack(4, 0, 8, SolutionBounds::Natural());    // y alone
    ExpectTheAccountReadsBack(0, 0, 0, {-3, 3, 1, 2});                // every pair
    ExpectTheAccountReadsBack(0, 0, 0, {0, open, 1, 2});
    ExpectTheAccountReadsBack(0, 0, 0, {open, open, 5, 4});
    ExpectTheAccountReadsBack(0, 0, 7, SolutionBounds::Natural()); // no solution at all
    ExpectTheAccountReadsBack(4, 6, 3, SolutionBounds::Natural());
    ExpectTheAccountReadsBack(3, 5, 1, {3, 4, open, open});         // ends that cross once rounded
    ExpectTheAccountReadsBack(2, 3, 12, SolutionBounds::Natural()); // one solution
    ExpectTheAccountReadsBack(3, 5, 0, {open, open, -1, 1});
}

TEST(BoundsAccount, ReadsBackOverManyTasks)
{
    std::mt19937_64 random(47);
    const auto uniform = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    const auto end = [&]() -> std::optional<std::int64_t> {
        if (uniform(0, 2) == 0)
            return std::nullopt;
        return uniform(-25, 25);
    };
    for (int round = 0; round < 300; ++round) {
        const std::int64_t A = uniform(0, 5) == 0 ? 0 : uniform(-9, 9);
        const std::int64_t B = uniform(0, 5) == 0 ? 0 : uniform(-9, 9);
        std::int64_t C = uniform(-60, 60);
        const std::int64_t g = std::gcd(A, B);
        if (g != 0 && uniform(0, 3) != 0)
            C -= C % g;
        SolutionBounds bounds{end(), end(), end(), end()};
        if (!bounds.any())
            bounds = SolutionBounds::Natural();
        ExpectTheAccountReadsBack(A, B, C, bounds);
    }
}

TEST(BoundsAccount, NothingWithoutBoundsOrForARefusedCoefficient)
{
    for (const Catalogue *language : Catalogues) {
        EXPECT_EQ(BoundsAccount("3", "5", "47", {}, *language), "");
        EXPECT_EQ(BoundsAccount("3", "40000", "47", SolutionBounds::Natural(), *language), "");
        EXPECT_EQ(BoundsAccount("3", "5", "47", SolutionBounds::Natural(), *language),
                  BoundsAccountOf(3, 5, 47, SolutionBounds::Natural(), *language));
    }
}

// The words that go with each count, as each language's school says them.
TEST(BoundsAccount, CountsTakeEachLanguagesPluralForms)
{
    struct Row
    {
        std::string code;
        Wide count;
        std::string words;
    };
    const Wide big = Wide(3'000'000'007) * 4'000'000'003;    // beyond 2^63, ends in 21
    const Wide huge = (Wide(1) << 64) + (Wide(1) << 33) + 1; // beyond 2^64, ends in 09
    const std::vector<Row> rows = {
        {"en", 1, "is 1 solution"},
        {"en", 2, "are 2 solutions"},
        {"en", 21, "are 21 solutions"},
        {"bg", 1, "има 1 решение"},
        {"bg", 3, "има 3 решения"},
        {"bg", 21, "има 21 решения"},
        {"uk", 1, "має 1 розв’язок"},
        {"uk", 3, "має 3 розв’язки"},
        {"uk", 5, "має 5 розв’язків"},
        {"uk", 11, "має 11 розв’язків"},
        {"uk", 21, "має 21 розв’язок"},
        {"uk", 22, "має 22 розв’язки"},
        {"uk", 112, "має 112 розв’язків"},
        {"uk", big, "має 12000000037000000021 розв’язок"},
        {"uk", huge, "має 18446744082299486209 розв’язків"},
        {"bg", huge, "има 18446744082299486209 решения"},
    };
    for (const Row &row : rows) {
        const Catalogue *language = nullptr;
        for (const Catalogue *c : Catalogues)
            if (std::string_view(c->code) == row.code)
                language = c;
        ASSERT_NE(language, nullptr) << row.code;
        // 0x + 0y = 0 in a box of `count` pairs, or 0x + y = 0 with x from 1
        // to count.
        SolutionBounds bounds{1, std::nullopt, 0, 0};
        std::int64_t b = 1;
        if (row.count == big) {
            bounds = {1, 3'000'000'007, 1, 4'000'000'003};
            b = 0;
        } else if (row.count == huge) {
            bounds = {-(std::int64_t(1) << 31), std::int64_t(1) << 31, -(std::int64_t(1) << 31),
                      std::int64_t(1) << 31};
            b = 0;
        } else {
            bounds.xMax = static_cast<std::int64_t>(row.count);
        }
        const std::string account = BoundsAccountOf(0, b, 0, bounds, *language);
        EXPECT_NE(account.find(row.words), std::string::npos) << row.words << "\n" << account;
    }
}

} // namespace
