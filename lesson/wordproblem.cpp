#include "wordproblem.h"

#include "boundedsolutions.h"
#include "placeholders.h"

#include <numeric>
#include <span>

namespace {

using i64 = std::int64_t;

// Redraws of c before the sure c = a + b; a draw keeps within the bounds
// far more often than not.
constexpr int WordDrawAttempts = 50;

i64 Pick(SheetRandom &random, std::span<const i64> values)
{
    return values[static_cast<std::size_t>(random.Between(0, i64(values.size()) - 1))];
}

// Two different values from the list, the smaller first.
std::pair<i64, i64> TwoOf(SheetRandom &random, std::span<const i64> values)
{
    const i64 first = random.Between(0, i64(values.size()) - 2);
    const i64 second = random.Between(first + 1, i64(values.size()) - 1);
    return {values[static_cast<std::size_t>(first)], values[static_cast<std::size_t>(second)]};
}

// Coefficients as the things come. The values avoid those a language's
// grammar would need another form for after "по" (Ukrainian "по 21 місцю").
std::pair<i64, i64> Coefficients(WordProblemKind kind, SheetRandom &random)
{
    static constexpr i64 coins[] = {2, 5, 10, 20, 50};
    static constexpr i64 notes[] = {5, 10, 20, 50, 100};
    static constexpr i64 eggs[] = {4, 6, 8, 10, 12, 15, 18, 20, 24, 30};
    static constexpr i64 seats[] = {16, 18, 20, 24, 25, 28, 30, 32, 35, 40, 45, 50};
    switch (kind) {
    case WordProblemKind::Coins:
        return TwoOf(random, coins);
    case WordProblemKind::Notes:
        return TwoOf(random, notes);
    case WordProblemKind::Legs:
        return {4, 2}; // rabbits and pheasants
    case WordProblemKind::Tickets: {
        const i64 pupil = random.Between(3, 12);
        return {pupil, random.Between(pupil + 1, 20)};
    }
    case WordProblemKind::Boxes:
        return TwoOf(random, eggs);
    case WordProblemKind::Stamps: {
        const i64 first = random.Between(1, 6);
        return {10 * first, 10 * random.Between(first + 1, 12)};
    }
    case WordProblemKind::Transport:
        return {Pick(random, seats), random.Between(3, 5)};
    }
    return {4, 2};
}

bool FewEnough(const SheetEquation &e)
{
    const BoundedSolutions s = SolveWithinBounds(e.a, e.b, e.c, SolutionBounds::Natural());
    return !s.none && s.count && *s.count >= FewestWordSolutions && *s.count <= MostWordSolutions;
}

std::string Counted(const PluralPhrase &unit, i64 n)
{
    return FillPlaceholders(unit.For(static_cast<std::uint64_t>(n)),
                            {{"count", std::to_string(n)}});
}

std::string Filled(std::string_view message, const WordProblemTexts &texts, const SheetEquation &e)
{
    return FillPlaceholders(message, {{"a", std::to_string(e.a)},
                                      {"b", std::to_string(e.b)},
                                      {"c", std::to_string(e.c)},
                                      {"aCounted", Counted(texts.unit, e.a)},
                                      {"bCounted", Counted(texts.unit, e.b)},
                                      {"cCounted", Counted(texts.unit, e.c)}});
}

} // namespace

SheetEquation DrawWordProblem(WordProblemKind kind, SheetRandom &random)
{
    const auto [a, b] = Coefficients(kind, random);
    // With x up to 3b/d and y up to 3a/d, c has about six solutions at most.
    const i64 d = std::gcd(a, b);
    for (int attempt = 0; attempt < WordDrawAttempts; ++attempt) {
        const SheetEquation e{a, b,
                              a * random.Between(1, 3 * b / d) + b * random.Between(1, 3 * a / d)};
        if (FewEnough(e))
            return e;
    }
    return {a, b, a + b};
}

std::vector<WordSolution> NaturalSolutions(const SheetEquation &e)
{
    const BoundedSolutions s = SolveWithinBounds(e.a, e.b, e.c, SolutionBounds::Natural());
    std::vector<WordSolution> pairs;
    for (const SolutionPair &p : s.first)
        pairs.push_back({static_cast<i64>(p.x), static_cast<i64>(p.y)});
    for (const SolutionPair &p : s.last)
        pairs.push_back({static_cast<i64>(p.x), static_cast<i64>(p.y)});
    return pairs;
}

const WordProblemTexts &WordTextsOf(WordProblemKind kind, const Catalogue &language)
{
    const WordProblemsTexts &w = language.worksheet.words;
    switch (kind) {
    case WordProblemKind::Coins:
        return w.coins;
    case WordProblemKind::Notes:
        return w.notes;
    case WordProblemKind::Legs:
        return w.legs;
    case WordProblemKind::Tickets:
        return w.tickets;
    case WordProblemKind::Boxes:
        return w.boxes;
    case WordProblemKind::Stamps:
        return w.stamps;
    case WordProblemKind::Transport:
        break;
    }
    return w.transport;
}

std::string WordProblemText(WordProblemKind kind, const SheetEquation &e, const Catalogue &language)
{
    const WordProblemTexts &texts = WordTextsOf(kind, language);
    return Filled(texts.text, texts, e);
}

std::string WordProblemUnknowns(WordProblemKind kind, const SheetEquation &e,
                                const Catalogue &language)
{
    const WordProblemTexts &texts = WordTextsOf(kind, language);
    return Filled(texts.unknowns, texts, e);
}
