// Reads a worksheet back from the text pdftotext -layout extracts and checks
// it with its own arithmetic: every variant and equation on the sheet and in
// the key's table (a row an item: number, equation, GCD, verdict, particular
// and general solution, points),
// the mix and ranges as chosen, no repeats, every answer substituted into its
// equation, the variant's code on every page, each variant's key starting a
// page, and item k of every variant of one kind and size. Not a test by
// itself: worksheet_cli_test.sh runs it.
//   worksheet_textcheck FILE.txt --count N --variants V --range R
//                       --unsolvable PERCENT [--zeros] [--points P]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <numeric>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using i64 = std::int64_t;

struct Entry
{
    i64 a = 0, b = 0, c = 0;
    std::optional<std::tuple<i64, i64, i64>> gcd; // |A|, |B|, GCD
    std::optional<bool> saysSolvable;
    std::optional<std::pair<i64, i64>> particular;
    std::optional<std::tuple<i64, i64, i64, i64>> general; // x = p + q t, y = r + s t
    std::optional<i64> points;
    // Euclid's way's pairs, as found by hand and then made smaller.
    std::vector<std::pair<i64, i64>> euclid;
};

int failures = 0;

void Fail(const std::string &where, const std::string &what)
{
    if (++failures <= 20)
        std::fprintf(stderr, "%s: %s\n", where.c_str(), what.c_str());
}

std::string Name(const std::string &code, std::size_t index, const Entry &e)
{
    return code + " #" + std::to_string(index + 1) + " (" + std::to_string(e.a) + ", " +
           std::to_string(e.b) + ", " + std::to_string(e.c) + ")";
}

void CheckAnswer(const std::string &where, const Entry &e)
{
    const i64 g = std::gcd(e.a, e.b);
    const bool solvable = e.c % g == 0;
    if (!e.gcd || *e.gcd != std::tuple{std::llabs(e.a), std::llabs(e.b), g})
        Fail(where, "GCD line missing or wrong");
    if (!e.saysSolvable || *e.saysSolvable != solvable)
        Fail(where, "verdict missing or wrong");
    if (!solvable) {
        if (e.particular || e.general)
            Fail(where, "a solution given for an unsolvable equation");
        return;
    }
    if (!e.particular || e.a * e.particular->first + e.b * e.particular->second != e.c) {
        Fail(where, "particular solution missing or false");
        return;
    }
    if (!e.general) {
        Fail(where, "general solution missing");
        return;
    }
    const auto [p, q, r, s] = *e.general;
    if (p != e.particular->first || r != e.particular->second)
        Fail(where, "general solution does not start at the particular one");
    // Steps −B/g and A/g reach every solution and nothing else, the way
    // round Euclid's way writes them.
    if (q != -e.b / g || s != e.a / g)
        Fail(where, "general solution's steps are not −B/GCD and A/GCD");
    for (i64 t = -2; t <= 2; ++t)
        if (e.a * (p + q * t) + e.b * (r + s * t) != e.c)
            Fail(where, "general solution false for t = " + std::to_string(t));
    // Every pair of Euclid's way solves the equation; a second one is the
    // first made smaller, within a step of x of 0.
    for (const auto &[x, y] : e.euclid)
        if (e.a * x + e.b * y != e.c)
            Fail(where, "a pair of Euclid's way that does not solve it");
    if (e.euclid.size() == 2 &&
        (e.euclid[0] == e.euclid[1] || std::llabs(e.euclid[1].first) > std::llabs(e.b / g)))
        Fail(where, "the pair made smaller is not smaller");
    if (e.euclid.size() > 2)
        Fail(where, "more than two pairs of Euclid's way");
}

// Replaces the school minus with a hyphen, so that the patterns stay ASCII.
std::string Hyphened(const std::string &line)
{
    static const std::regex minus("\u2212");
    return std::regex_replace(line, minus, "-");
}

// A coefficient as written before a letter: "" is 1, "-" is −1.
i64 Coefficient(const std::string &text)
{
    return text.empty() ? 1 : text == "-" ? -1 : std::stoll(text);
}

// "8 + 22t", "-t", "5", "3 - t" as (constant, coefficient of t).
std::optional<std::pair<i64, i64>> LinearInT(std::string text)
{
    std::erase(text, ' ');
    static const std::regex number(R"(^-?\d+$)"), term(R"(^[+-]?\d*$)");
    i64 coefficient = 0;
    if (!text.empty() && text.back() == 't') {
        text.pop_back();
        const std::size_t at = text.find_last_of("+-");
        std::string factor = at == std::string::npos ? text : text.substr(at);
        text = at == std::string::npos ? "" : text.substr(0, at);
        if (!std::regex_match(factor, term))
            return std::nullopt;
        coefficient = factor.empty() || factor == "+" ? 1 : factor == "-" ? -1 : std::stoll(factor);
    }
    if (!text.empty() && !std::regex_match(text, number))
        return std::nullopt;
    return std::pair{text.empty() ? i64{0} : std::stoll(text), coefficient};
}

// The equation's kind as the key's reader sees it, for the balance of the
// variants: solvable or not, which coefficient is 0, a GCD above 1, and the
// third of the range each of |A| and |B| falls in.
std::tuple<bool, int, bool, i64, i64> Kind(const Entry &e, i64 range)
{
    const i64 g = std::gcd(e.a, e.b);
    const int zero = e.a == 0 ? 1 : e.b == 0 ? 2 : e.c == 0 ? 3 : 0;
    const auto third = [&](i64 v) {
        return range < 100 || v == 0 ? 0 : (std::llabs(v) - 1) * 3 / range;
    };
    return {e.c % g == 0, zero, zero == 0 && g > 1, third(e.a), third(e.b)};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    std::map<std::string, i64> want = {
        {"count", 10}, {"variants", 1}, {"range", 100}, {"unsolvable", 0}};
    bool zeros = false;
    std::optional<i64> points;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--zeros")
            zeros = true;
        else if (arg == "--points" && i + 1 < argc)
            points = std::atoll(argv[++i]);
        else if (arg.rfind("--", 0) == 0 && i + 1 < argc)
            want[arg.substr(2)] = std::atoll(argv[++i]);
    }

    const std::regex codeLine(R"(^\S+ (\d+)-(\d+)$)");
    const std::regex continuedLine(R"(^\S+ (\d+)-(\d+) \(\S+\)$)");
    // The points, where given, stand beside the equation or on a line of
    // their own after it, as pdftotext finds them.
    const std::regex equationLine(
        R"(^(\d+)\. (-?\d*)x ([+-]) (\d*)y = (-?\d+)(?: +\((\d+) \S+\))?$)");
    const std::regex pointsLine(R"(^\((\d+) \S+\)$)");
    // A row of the key's table, its cells apart as pdftotext -layout sets them.
    const std::regex keyRow(R"(^\s*(\d+)\s+(-?\d*)x ([+-]) (\d*)y = (-?\d+)\s+(\d+)\s+(\D+?)\s+)"
                            R"((?:—|\((-?\d+)[;,] (-?\d+)\))\s+(?:—|x = (.+), y = (.+), t ∈ ℤ))"
                            R"((?:\s+(\d+))?$)");
    const std::regex euclidPair(R"(\(x₁[;,] y₁\) = \((-?\d+)[;,] (-?\d+)\))");
    const std::regex asciiFormula(R"(\*|X = |Xо|[0-9] - |\+ -)");

    std::ifstream in(argv[1]);
    std::vector<std::string> order;
    std::map<std::string, std::vector<Entry>> sheet, key;
    std::string code;
    bool inKey = false;
    Entry *entry = nullptr;
    Entry *lastOnSheet = nullptr;
    int page = 1;
    std::string pageCode; // the code this page names, if any yet
    bool pageHasText = false;
    const auto endPage = [&] {
        if (pageHasText && pageCode.empty())
            Fail("page " + std::to_string(page), "no variant code on the page");
        ++page;
        pageCode.clear();
        pageHasText = false;
    };
    for (std::string raw; std::getline(in, raw);) {
        std::string line = raw;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        while (!line.empty() && line.front() == '\f') {
            line.erase(0, 1);
            endPage();
        }
        if (std::regex_search(line, asciiFormula))
            Fail("page " + std::to_string(page), "not in the school notation: " + line);
        line = Hyphened(line);
        std::smatch m;
        if (!line.empty())
            pageHasText = true;
        if (std::regex_match(line, m, continuedLine)) {
            const std::string named = m[1].str() + "-" + m[2].str();
            if (!pageCode.empty() || named != code)
                Fail("page " + std::to_string(page), "a continued heading out of place: " + line);
            pageCode = named;
        } else if (std::regex_match(line, m, codeLine)) {
            code = m[1].str() + "-" + m[2].str();
            if (sheet.count(code)) {
                if (inKey && key.count(code))
                    Fail(code, "a second key");
                inKey = true;
                // Each variant's key starts a page of its own.
                if (!pageCode.empty())
                    Fail(code, "the key shares a page with " + pageCode);
            } else if (!inKey) {
                order.push_back(code);
            } else {
                Fail(code, "in the key but not on the sheet");
            }
            if (pageCode.empty())
                pageCode = code;
            entry = nullptr;
            lastOnSheet = nullptr;
        } else if (!inKey && lastOnSheet && std::regex_match(line, m, pointsLine)) {
            lastOnSheet->points = std::stoll(m[1]);
        } else if (std::regex_match(line, m, equationLine)) {
            auto &list = inKey ? key[code] : sheet[code];
            Entry e;
            e.a = Coefficient(m[2]);
            e.b = Coefficient(m[4]) * (m[3] == "-" ? -1 : 1);
            e.c = std::stoll(m[5]);
            if (m[6].matched)
                e.points = std::stoll(m[6]);
            if (inKey) {
                // Euclid's way after the table, under the item's equation.
                const auto n = std::size_t(std::stoll(m[1]));
                entry = n >= 1 && n <= list.size() ? &list[n - 1] : nullptr;
                if (!entry || std::tie(entry->a, entry->b, entry->c) != std::tie(e.a, e.b, e.c))
                    Fail(code, "Euclid's way under an item the table has not: " + line);
                continue;
            }
            if (m[1] != std::to_string(list.size() + 1))
                Fail(code, "equations not numbered in order: " + line);
            list.push_back(e);
            lastOnSheet = &list.back();
        } else if (inKey && std::regex_match(line, m, keyRow)) {
            auto &list = key[code];
            if (std::stoll(m[1]) != i64(list.size()) + 1)
                Fail(code, "the table's rows not numbered in order: " + line);
            Entry e;
            e.a = Coefficient(m[2]);
            e.b = Coefficient(m[4]) * (m[3] == "-" ? -1 : 1);
            e.c = std::stoll(m[5]);
            e.gcd = std::tuple{std::llabs(e.a), std::llabs(e.b), std::stoll(m[6])};
            const std::string verdict = m[7];
            e.saysSolvable = verdict.rfind("no ", 0) != 0 && verdict.rfind("няма", 0) != 0 &&
                             verdict.rfind("не ", 0) != 0;
            if (m[8].matched)
                e.particular = std::pair{std::stoll(m[8]), std::stoll(m[9])};
            if (m[10].matched) {
                const auto x = LinearInT(m[10]), y = LinearInT(m[11]);
                if (!x || !y)
                    Fail(code, "general solution not read: " + line);
                else
                    e.general = std::tuple{x->first, x->second, y->first, y->second};
            }
            if (m[12].matched)
                e.points = std::stoll(m[12]);
            list.push_back(e);
            entry = nullptr;
        } else if (entry && std::regex_search(line, m, euclidPair)) {
            for (auto at = std::sregex_iterator(line.begin(), line.end(), euclidPair);
                 at != std::sregex_iterator(); ++at)
                entry->euclid.emplace_back(std::stoll((*at)[1]), std::stoll((*at)[2]));
        }
    }
    endPage();

    const i64 count = want["count"], range = want["range"];
    const i64 unsolvable = (count * want["unsolvable"] + 50) / 100;
    if (i64(order.size()) != want["variants"])
        Fail("sheet", std::to_string(order.size()) + " variants");
    std::set<std::tuple<i64, i64, i64>> seen;
    std::size_t checked = 0;
    for (std::size_t v = 0; v < order.size(); ++v) {
        const std::string &c = order[v];
        if (c.substr(c.find('-') + 1) != std::to_string(v + 1))
            Fail(c, "variant out of order");
        const std::vector<Entry> &onSheet = sheet[c], &inKeyList = key[c];
        if (i64(onSheet.size()) != count || inKeyList.size() != onSheet.size())
            Fail(c, std::to_string(onSheet.size()) + " equations on the sheet, " +
                        std::to_string(inKeyList.size()) + " in the key");
        i64 withoutSolution = 0;
        for (std::size_t i = 0; i < onSheet.size(); ++i) {
            const Entry &e = onSheet[i];
            const std::string where = Name(c, i, e);
            if (i < inKeyList.size() &&
                std::tie(e.a, e.b, e.c) != std::tie(inKeyList[i].a, inKeyList[i].b, inKeyList[i].c))
                Fail(where, "the key has another equation");
            if (!seen.insert({e.a, e.b, e.c}).second)
                Fail(where, "repeated");
            for (const i64 x : {e.a, e.b, e.c})
                if (std::llabs(x) > range)
                    Fail(where, "outside the range");
            if (range != 10 && (std::llabs(e.a) == 1 || std::llabs(e.b) == 1))
                Fail(where, "a coefficient of 1");
            if (!zeros && (e.a == 0 || e.b == 0 || e.c == 0))
                Fail(where, "a zero");
            if (e.a == 0 && e.b == 0) {
                Fail(where, "A and B both 0");
                continue;
            }
            withoutSolution += e.c % std::gcd(e.a, e.b) != 0;
            if (i < inKeyList.size())
                CheckAnswer(where, inKeyList[i]);
            ++checked;
        }
        for (std::size_t i = 0; i < onSheet.size(); ++i) {
            if (onSheet[i].points != points)
                Fail(Name(c, i, onSheet[i]), "not marked with its points on the sheet");
            if (i < inKeyList.size() && inKeyList[i].points != points)
                Fail(Name(c, i, onSheet[i]), "not marked with its points in the key");
        }
        // Balance: item k is of the first variant's kind in every variant.
        for (std::size_t i = 0; range >= 100 && v > 0 && i < onSheet.size(); ++i)
            if (i < sheet[order[0]].size() &&
                Kind(onSheet[i], range) != Kind(sheet[order[0]][i], range))
                Fail(Name(c, i, onSheet[i]), "not of the kind of the first variant's item");
        if (withoutSolution != unsolvable)
            Fail(c, std::to_string(withoutSolution) + " without solution, not " +
                        std::to_string(unsolvable));
    }
    if (failures == 0)
        std::printf("%zu equations and answers hold\n", checked);
    return failures == 0 ? 0 : 1;
}
