#include "worksheet.h"

#include "prepareequation.h"
#include "sheetrandom.h"
#include "wordproblem.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <tuple>

namespace {

using i64 = std::int64_t;
using Triple = std::tuple<i64, i64, i64>;

// Which coefficient an equation has as 0, if any.
enum class Zero { None, A, B, C };

// Draws beyond this many repeats fall back to listing what is left; only the
// range 10 comes near it.
constexpr int DrawAttempts = 1000;
// A kind has a few dozen problems at least; past that many draws one comes again.
constexpr int WordRepeats = 100;

i64 Gcd(i64 a, i64 b)
{
    return GreatestCommonDivisor(std::llabs(a), std::llabs(b));
}

bool Solvable(const SheetEquation &e)
{
    const i64 g = Gcd(e.a, e.b);
    return g == 0 ? e.c == 0 : e.c % g == 0;
}

// An equation and its negation are one equation to a pupil.
Triple Normalised(const SheetEquation &e)
{
    const i64 first = e.a != 0 ? e.a : (e.b != 0 ? e.b : e.c);
    return first < 0 ? Triple{-e.a, -e.b, -e.c} : Triple{e.a, e.b, e.c};
}

// What item k of every variant is, so that the variants are equally hard
// item by item: the same kind (solvable or not, GCD above 1 or not, which
// coefficient is 0) and coefficients of the same size.
struct ItemPlan
{
    bool solvable = true;
    Zero zero = Zero::None;
    bool shared = false; // a GCD above 1
    int bandA = 0;       // which part of the range |A| and |B| are drawn from
    int bandB = 0;
};

// Ranges of 100 and more are cut into this many bands of coefficient size;
// the range 10 has too few equations to cut.
constexpr int Bands = 3;

class Drawer
{
public:
    Drawer(const WorksheetChoices &choices, std::uint64_t seed)
        : random_(seed), range_(choices.range), lowest_(choices.range == 10 ? 1 : 2),
          zeros_(choices.zeros), bands_(choices.range >= 100 ? Bands : 1)
    {}

    ItemPlan Plan(bool solvable)
    {
        ItemPlan plan;
        plan.solvable = solvable;
        if (zeros_ && random_.Chance(1, 8)) {
            const i64 pick = random_.Between(solvable ? 0 : 2, 3);
            plan.zero = pick <= 1 ? Zero::C : (pick == 2 ? Zero::A : Zero::B);
        }
        plan.shared = !solvable || random_.Chance(1, 2);
        plan.bandA = static_cast<int>(random_.Between(0, bands_ - 1));
        plan.bandB = static_cast<int>(random_.Between(0, bands_ - 1));
        return plan;
    }

    SheetEquation Draw(const ItemPlan &plan)
    {
        const bool solvable = plan.solvable;
        const Zero zero = plan.zero;
        for (;;) {
            const i64 a = zero == Zero::A ? 0 : Signed(InBand(plan.bandA));
            const i64 b = zero == Zero::B ? 0 : Signed(InBand(plan.bandB));
            const i64 g = Gcd(a, b);
            if (plan.shared && g < 2)
                continue;
            // A coefficient 0 leaves the GCD to the other one alone.
            if (!plan.shared && zero == Zero::None && g > 1)
                continue;
            if (solvable) {
                const i64 c = zero == Zero::C ? 0 : Signed(g * random_.Between(1, range_ / g));
                return {a, b, c};
            }
            i64 c = random_.Between(1, range_);
            while (c % g == 0)
                c = random_.Between(1, range_);
            return {a, b, Signed(c)};
        }
    }

    // Whether an equation is of the plan's kind, its size aside.
    static bool OfKind(const SheetEquation &e, const ItemPlan &plan)
    {
        const Zero zero = e.a == 0 ? Zero::A : e.b == 0 ? Zero::B : e.c == 0 ? Zero::C : Zero::None;
        return Solvable(e) == plan.solvable && zero == plan.zero &&
               (zero != Zero::None || (Gcd(e.a, e.b) > 1) == plan.shared);
    }

    // Every equation Draw could give of that kind, in a fixed order.
    std::vector<SheetEquation> Everything(bool solvable) const
    {
        std::vector<SheetEquation> all;
        for (i64 a = -range_; a <= range_; ++a)
            for (i64 b = -range_; b <= range_; ++b)
                for (i64 c = -range_; c <= range_; ++c) {
                    const SheetEquation e{a, b, c};
                    if (Allowed(e) && Solvable(e) == solvable)
                        all.push_back(e);
                }
        return all;
    }

    SheetRandom &random() { return random_; }
    i64 range() const { return range_; }

private:
    // A magnitude m from the band: the one with (m − 1)·bands / range equal
    // to it, the first starting at the lowest coefficient allowed.
    i64 InBand(int band)
    {
        const auto start = [&](i64 k) { return (k * range_ + bands_ - 1) / bands_; };
        const i64 low = band == 0 ? lowest_ : start(band) + 1;
        return random_.Between(low, start(band + 1));
    }

    i64 Signed(i64 magnitude) { return random_.Chance(1, 4) ? -magnitude : magnitude; }

    bool Allowed(const SheetEquation &e) const
    {
        const auto fits = [&](i64 v) {
            return std::llabs(v) >= lowest_ && std::llabs(v) <= range_;
        };
        const int zeroes = (e.a == 0) + (e.b == 0) + (e.c == 0);
        if (zeroes > (zeros_ ? 1 : 0))
            return false;
        if (e.c == 0 && !Solvable(e))
            return false;
        if (e.c != 0 && std::llabs(e.c) > range_)
            return false;
        if (!Solvable(e) && Gcd(e.a, e.b) < 2)
            return false;
        return (e.a == 0 || fits(e.a)) && (e.b == 0 || fits(e.b));
    }

    SheetRandom random_;
    i64 range_;
    i64 lowest_;
    bool zeros_;
    int bands_;
};

std::uint64_t Seed(const WorksheetChoices &choices)
{
    std::uint64_t seed = 0;
    for (const std::uint64_t part :
         {std::uint64_t{choices.code}, std::uint64_t(choices.range), std::uint64_t(choices.count),
          std::uint64_t(choices.variants), std::uint64_t(choices.unsolvablePercent),
          std::uint64_t{choices.zeros}}) {
        std::uint64_t state = seed ^ part;
        seed = SplitMix64(state);
    }
    return seed;
}

// Which items are word problems and of what kind, from a source of their
// own, so that every other item stays the equation the sheet has without
// them: solvable items first, then, where the share is larger, the others.
std::vector<std::optional<WordProblemKind>> PlanWords(const std::vector<char> &solvable, int words,
                                                      std::uint64_t seed)
{
    std::vector<std::optional<WordProblemKind>> plan(solvable.size());
    if (words == 0)
        return plan;
    SheetRandom random(SplitMix64(seed));
    std::vector<std::size_t> order;
    for (const char wanted : {1, 0})
        for (std::size_t k = 0; k < solvable.size(); ++k)
            if (solvable[k] == wanted)
                order.push_back(k);
    const auto shuffle = [&](auto first, auto last) {
        for (auto n = last - first; n > 1; --n)
            std::swap(first[n - 1], first[random.Between(0, i64(n) - 1)]);
    };
    const auto solvables = std::count(solvable.begin(), solvable.end(), 1);
    shuffle(order.begin(), order.begin() + solvables);
    shuffle(order.begin() + solvables, order.end());
    // Every kind once before any comes again.
    std::vector<WordProblemKind> kinds(WordProblemKinds.begin(), WordProblemKinds.end());
    shuffle(kinds.begin(), kinds.end());
    for (int k = 0; k < words; ++k)
        plan[order[static_cast<std::size_t>(k)]] =
            kinds[static_cast<std::size_t>(k) % kinds.size()];
    return plan;
}

// The seed of the word problems: the sheet's, with their share.
std::uint64_t WordSeed(const WorksheetChoices &choices)
{
    std::uint64_t state =
        Seed(choices) ^ (0x776f7264ULL << 32) ^ std::uint64_t(choices.wordPercent);
    return SplitMix64(state);
}

} // namespace

int WordProblemCount(int count, int percent)
{
    return (count * percent + 50) / 100;
}

int UnsolvableCount(int count, int percent)
{
    return (count * percent + 50) / 100;
}

Worksheet GenerateWorksheet(const WorksheetChoices &choices)
{
    Worksheet sheet{choices, {}};
    Drawer drawer(choices, Seed(choices));
    SheetRandom &random = drawer.random();
    std::set<Triple> onSheet;
    const int unsolvable = UnsolvableCount(choices.count, choices.unsolvablePercent);

    // One plan for the sheet: the unsolvable items at the same places in
    // every variant, each item of one kind and size throughout.
    std::vector<char> solvable(static_cast<std::size_t>(choices.count), 1);
    std::fill_n(solvable.begin(), unsolvable, 0);
    for (std::size_t i = solvable.size(); i > 1; --i)
        std::swap(solvable[i - 1],
                  solvable[static_cast<std::size_t>(random.Between(0, i64(i) - 1))]);
    std::vector<ItemPlan> plans;
    for (const bool kind : solvable)
        plans.push_back(drawer.Plan(kind));
    const std::vector<std::optional<WordProblemKind>> words = PlanWords(
        solvable, WordProblemCount(choices.count, choices.wordPercent), WordSeed(choices));
    SheetRandom wordRandom(WordSeed(choices));
    std::set<Triple> wordsOnSheet;

    for (int v = 1; v <= choices.variants; ++v) {
        SheetVariant variant{std::to_string(choices.code) + "-" + std::to_string(v), {}};
        std::set<Triple> inVariant;
        const auto fresh = [&](const SheetEquation &e) {
            return onSheet.count({e.a, e.b, e.c}) == 0 && inVariant.count(Normalised(e)) == 0;
        };
        for (std::size_t item = 0; item < plans.size(); ++item) {
            const ItemPlan &plan = plans[item];
            SheetEquation e = drawer.Draw(plan);
            for (int attempt = 1; !fresh(e); ++attempt) {
                if (attempt < DrawAttempts || drawer.range() > 10) {
                    e = drawer.Draw(plan);
                    continue;
                }
                // The range 10 runs short: the same kind first, then any
                // equation that is solvable or not as planned.
                std::vector<SheetEquation> left = drawer.Everything(plan.solvable);
                std::erase_if(left, [&](const SheetEquation &x) { return !fresh(x); });
                std::vector<SheetEquation> same = left;
                std::erase_if(same,
                              [&](const SheetEquation &x) { return !Drawer::OfKind(x, plan); });
                const std::vector<SheetEquation> &from = same.empty() ? left : same;
                e = from.at(static_cast<std::size_t>(random.Between(0, i64(from.size()) - 1)));
            }
            onSheet.insert({e.a, e.b, e.c});
            inVariant.insert(Normalised(e));
            if (const auto kind = words[item]) {
                // The equation drawn all the same, so that the items after
                // it are what they are without word problems.
                e = DrawWordProblem(*kind, wordRandom);
                for (int attempt = 1; attempt < WordRepeats && wordsOnSheet.count({e.a, e.b, e.c});
                     ++attempt)
                    e = DrawWordProblem(*kind, wordRandom);
                wordsOnSheet.insert({e.a, e.b, e.c});
            }
            variant.equations.push_back(e);
            variant.words.push_back(words[item]);
        }
        sheet.variants.push_back(std::move(variant));
    }
    return sheet;
}
