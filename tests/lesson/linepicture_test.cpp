// The picture read back from its SVG: its marks are exactly the integer
// solutions inside the window it says it draws, found here by brute force;
// at least three show when there are any, the first quadrant's where they are
// few, the bounds' flags are exact, and it stays well-formed and small for
// coefficients of every size.

#include "linepicture.h"
#include "svgreader.h"

#include "languages.h"

#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <random>
#include <set>
#include <sstream>

namespace {

__extension__ typedef __int128 Integer;
using Point = std::pair<std::int64_t, std::int64_t>;

struct Equation
{
    std::int64_t a, b, c;
    SolutionBounds bounds;
};

std::string Describe(const Equation &e)
{
    std::ostringstream out;
    out << e.a << "x + " << e.b << "y = " << e.c;
    const auto end = [&](const char *name, const std::optional<std::int64_t> &v) {
        if (v)
            out << ' ' << name << ' ' << *v;
    };
    end("x >=", e.bounds.xMin);
    end("x <=", e.bounds.xMax);
    end("y >=", e.bounds.yMin);
    end("y <=", e.bounds.yMax);
    return out.str();
}

// An edge as the root writes it, a whole number and a half: "-2.5".
double Edge(const XmlElement &root, const char *name)
{
    const std::string *text = root.Attribute(name);
    if (!text)
        throw XmlError(std::string("the root has no ") + name);
    std::size_t used = 0;
    const double value = std::stod(*text, &used);
    if (used != text->size())
        throw XmlError(std::string(name) + " is no number: " + *text);
    return value;
}

struct Read
{
    std::unique_ptr<XmlElement> root;
    double xMin, xMax, yMin, yMax;
    std::set<Point> marks;
    std::set<Point> flagged; // data-in-bounds="true"
    std::vector<const XmlElement *> markElements;
    std::size_t bytes;
};

Read ReadPicture(const std::string &svg)
{
    Read read;
    read.bytes = svg.size();
    read.root = ReadXml(svg);
    read.xMin = Edge(*read.root, "data-x-min");
    read.xMax = Edge(*read.root, "data-x-max");
    read.yMin = Edge(*read.root, "data-y-min");
    read.yMax = Edge(*read.root, "data-y-max");
    for (const XmlElement *element : read.root->Descendants()) {
        const std::string *x = element->Attribute("data-x");
        const std::string *y = element->Attribute("data-y");
        if (!x && !y)
            continue;
        if (!x || !y)
            throw XmlError("a mark with one coordinate");
        const Point p{std::stoll(*x), std::stoll(*y)};
        if (!read.marks.insert(p).second)
            throw XmlError("a point marked twice: " + *x + ", " + *y);
        read.markElements.push_back(element);
        if (const std::string *in = element->Attribute("data-in-bounds")) {
            if (*in != "true")
                throw XmlError("data-in-bounds is " + *in);
            read.flagged.insert(p);
        }
    }
    return read;
}

Integer Ceil(double v)
{
    return static_cast<Integer>(std::ceil(v));
}

Integer Floor(double v)
{
    return static_cast<Integer>(std::floor(v));
}

// Every integer solution with x and y inside the window, by trying each
// grid column (or row, whichever are fewer) of it.
std::set<Point> SolutionsIn(const Equation &e, double xMin, double xMax, double yMin, double yMax)
{
    const Integer x0 = Ceil(xMin), x1 = Floor(xMax), y0 = Ceil(yMin), y1 = Floor(yMax);
    std::set<Point> found;
    const Integer a = e.a, b = e.b, c = e.c;
    if (x1 - x0 <= y1 - y0) {
        for (Integer x = x0; x <= x1; ++x) {
            if (b == 0) {
                if (a * x == c)
                    for (Integer y = y0; y <= y1; ++y)
                        found.emplace(x, y);
                continue;
            }
            if ((c - a * x) % b == 0) {
                const Integer y = (c - a * x) / b;
                if (y >= y0 && y <= y1)
                    found.emplace(x, y);
            }
        }
    } else {
        for (Integer y = y0; y <= y1; ++y) {
            if (a == 0) {
                if (b * y == c)
                    for (Integer x = x0; x <= x1; ++x)
                        found.emplace(x, y);
                continue;
            }
            if ((c - b * y) % a == 0) {
                const Integer x = (c - b * y) / a;
                if (x >= x0 && x <= x1)
                    found.emplace(x, y);
            }
        }
    }
    return found;
}

// A number as the picture writes it, with the minus sign U+2212.
std::string Signed(std::int64_t n)
{
    std::string text = n < 0 ? "\u2212" : "";
    text += std::to_string(n < 0 ? -n : n);
    return text;
}

std::string PairText(std::int64_t x, std::int64_t y, std::string_view separator)
{
    std::string text = "(";
    text += Signed(x);
    text += separator;
    text += Signed(y);
    text += ')';
    return text;
}

bool Within(const SolutionBounds &bounds, Point p)
{
    return bounds.any() && (!bounds.xMin || p.first >= *bounds.xMin) &&
           (!bounds.xMax || p.first <= *bounds.xMax) &&
           (!bounds.yMin || p.second >= *bounds.yMin) && (!bounds.yMax || p.second <= *bounds.yMax);
}

bool Solvable(const Equation &e)
{
    if (e.a == 0 && e.b == 0)
        return e.c == 0;
    return e.c % std::gcd(e.a, e.b) == 0;
}

// What every picture must hold, whatever the equation.
void CheckPicture(const Equation &e, const Catalogue &language = English)
{
    SCOPED_TRACE(Describe(e));
    const std::string svg = LinePicture(e.a, e.b, e.c, e.bounds, language);
    Read read;
    try {
        read = ReadPicture(svg);
    } catch (const std::exception &problem) {
        FAIL() << problem.what() << "\n" << svg;
    }
    EXPECT_LT(read.bytes, 60u * 1024);
    EXPECT_LT(read.xMin, read.xMax);
    EXPECT_LT(read.yMin, read.yMax);
    // The window's edges lie between grid points, so no point is on an edge
    // and every reader counts the same ones inside.
    EXPECT_EQ(read.xMin - std::floor(read.xMin), 0.5);
    EXPECT_EQ(read.yMax - std::floor(read.yMax), 0.5);

    const std::set<Point> expected = SolutionsIn(e, read.xMin, read.xMax, read.yMin, read.yMax);
    EXPECT_EQ(read.marks, expected) << svg;
    EXPECT_LE(read.marks.size(), static_cast<std::size_t>(PictureMarksAtMost));
    if (Solvable(e)) {
        EXPECT_GE(read.marks.size(), 3u);
    }

    std::set<Point> inside;
    for (const Point &p : read.marks)
        if (Within(e.bounds, p))
            inside.insert(p);
    EXPECT_EQ(read.flagged, inside);

    for (const XmlElement *mark : read.markElements) {
        const auto title = std::find_if(mark->children.begin(), mark->children.end(),
                                        [](const auto &child) { return child->name == "title"; });
        ASSERT_NE(title, mark->children.end()) << "a mark without a title";
        EXPECT_FALSE((*title)->text.empty());
    }
}

TEST(LinePicture, MarksExactlyTheSolutionsInItsWindow)
{
    const std::vector<Equation> rows = {
        {3, 5, 47, {}},
        {91, -35, 14, {}},
        {4, 2, 18, SolutionBounds::Natural()},
        {3, 5, 47, SolutionBounds::Natural()},
        {-3, -5, -47, SolutionBounds::NonNegative()},
        {1, 1, 0, {}},
        {7, -7, 0, {-3, 3, std::nullopt, std::nullopt}},
        {2147483647, 32767, -2147483648LL, {}},
        {-2147483648LL, -32767, 2147483647, {}},
        {-2147483648LL, 32767, -2147483648LL, {}},
        {2147483647, 1, 2147483647, {}},
        {1, 32767, 2147483647, SolutionBounds::Natural()},
        {1, -32767, -2147483648LL, SolutionBounds::NonNegative()},
        {65536, 32767, 1, {}},
        {0, 4, 8, {-3, 3, std::nullopt, std::nullopt}},
        {0, 32767, -2147450881LL, {}},
        {5, 0, -2147483645LL, {}},
        {-2147483648LL, 0, -2147483648LL, SolutionBounds::NonNegative()},
        {0, 0, 0, {}},
        {0, 0, 0, {2, 4, -1, 1}},
        {0, 0, 5, {}},
        {2, 4, 5, {}},
        {2147483646, 32766, 1, {}},
        {0, 2, 3, {}},
        {6, 0, 3, {}},
        // Bounds far away, or far apart, or holding no solution.
        {3, 5, 47, {1000000000000LL, std::nullopt, std::nullopt, std::nullopt}},
        {3, 5, 47, {INT64_MIN, INT64_MAX, INT64_MIN, INT64_MAX}},
        {1, 1, 10, {100, 200, std::nullopt, std::nullopt}},
        {3, 5, 1000000, SolutionBounds::Natural()},
        {-3, 5, 1000000, {std::nullopt, 0, std::nullopt, 0}},
    };
    for (const Equation &e : rows)
        CheckPicture(e);
}

// Coefficients of every size, zeros among them, with bounds of every kind.
TEST(LinePicture, HoldsOverManyRandomEquations)
{
    std::mt19937_64 random(20261209);
    const auto pick = [&](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(random);
    };
    const auto coefficient = [&](std::int64_t limit) -> std::int64_t {
        switch (pick(0, 5)) {
        case 0:
            return 0;
        case 1:
            return pick(-12, 12);
        case 2:
            return pick(-1000, 1000);
        case 3:
            return pick(0, 1) ? limit : -limit - (limit == 32767 ? 0 : 1);
        default:
            return pick(-limit - (limit == 32767 ? 0 : 1), limit);
        }
    };
    const auto end = [&]() -> std::optional<std::int64_t> {
        switch (pick(0, 3)) {
        case 0:
            return std::nullopt;
        case 1:
            return pick(-20, 20);
        case 2:
            return pick(-2147483648LL, 2147483647);
        default:
            return pick(-1000000, 1000000);
        }
    };
    for (int i = 0; i < 1500; ++i) {
        Equation e{coefficient(2147483647), coefficient(32767), coefficient(2147483647), {}};
        // Many solvable ones: C a multiple of the GCD, now and then.
        if (pick(0, 1) && (e.a != 0 || e.b != 0)) {
            const std::int64_t d = std::gcd(e.a, e.b);
            e.c = (e.c / d) * d;
        }
        switch (pick(0, 3)) {
        case 0:
            break;
        case 1:
            e.bounds = pick(0, 1) ? SolutionBounds::Natural() : SolutionBounds::NonNegative();
            break;
        default:
            e.bounds = {end(), end(), end(), end()};
        }
        CheckPicture(e);
        if (HasFailure())
            return;
    }
}

// The first quadrant's solutions, where there are only a few, all show.
TEST(LinePicture, ShowsTheFirstQuadrantsFewSolutions)
{
    std::mt19937_64 random(47);
    for (int i = 0; i < 400; ++i) {
        const std::int64_t a = std::uniform_int_distribution<std::int64_t>(1, 60)(random);
        const std::int64_t b = std::uniform_int_distribution<std::int64_t>(1, 60)(random);
        const std::int64_t c = std::uniform_int_distribution<std::int64_t>(0, 3000)(random);
        std::set<Point> quadrant;
        for (std::int64_t x = 0; a * x <= c; ++x)
            if ((c - a * x) % b == 0)
                quadrant.emplace(x, (c - a * x) / b);
        if (quadrant.empty() || quadrant.size() > 20)
            continue;
        SCOPED_TRACE(Describe({a, b, c, {}}));
        const Read read = ReadPicture(LinePicture(a, b, c, {}, English));
        for (const Point &p : quadrant)
            EXPECT_TRUE(read.marks.count(p)) << p.first << ", " << p.second << " not shown";
    }
}

// Where the bounds allow few solutions, every one of them shows, flagged.
TEST(LinePicture, ShowsEveryAllowedSolutionWhereTheyAreFew)
{
    const std::vector<std::pair<Equation, std::set<Point>>> rows = {
        {{3, 5, 47, SolutionBounds::Natural()}, {{4, 7}, {9, 4}, {14, 1}}},
        {{4, 2, 18, SolutionBounds::Natural()}, {{1, 7}, {2, 5}, {3, 3}, {4, 1}}},
        {{0, 4, 8, {-3, 3, std::nullopt, std::nullopt}},
         {{-3, 2}, {-2, 2}, {-1, 2}, {0, 2}, {1, 2}, {2, 2}, {3, 2}}},
        {{91, -35, 14, {1, 20, std::nullopt, std::nullopt}},
         {{4, 10}, {9, 23}, {14, 36}, {19, 49}}},
    };
    for (const auto &[e, allowed] : rows) {
        SCOPED_TRACE(Describe(e));
        const Read read = ReadPicture(LinePicture(e.a, e.b, e.c, e.bounds, English));
        EXPECT_EQ(read.flagged, allowed);
    }
}

// The labels a pupil reads: the particular solution named, which solves the
// equation and is marked, and the step (B/d, −A/d) by its numbers; negative
// numbers with the minus sign, never a hyphen.
TEST(LinePicture, NamesTheParticularSolutionAndTheStep)
{
    const std::vector<Equation> rows = {
        {3, 5, 47, {}}, {91, -35, 14, {}}, {-6, 4, 10, {}}, {0, 3, -9, {}}, {4, 0, 8, {}},
    };
    for (const Equation &e : rows) {
        SCOPED_TRACE(Describe(e));
        const Read read = ReadPicture(LinePicture(e.a, e.b, e.c, {}, English));
        std::vector<std::string> texts;
        for (const XmlElement *element : read.root->Descendants())
            if (element->name == "text")
                texts.push_back(element->text);
        const std::string minus = "\u2212";
        const auto number = [&](const std::string &s) {
            return s.rfind(minus, 0) == 0 ? -std::stoll(s.substr(minus.size())) : std::stoll(s);
        };
        // "(x₀, y₀) = (−1, 10)"
        const std::string named = "(x\u2080, y\u2080) = (";
        const auto particular = std::find_if(texts.begin(), texts.end(), [&](const std::string &t) {
            return t.rfind(named, 0) == 0;
        });
        ASSERT_NE(particular, texts.end());
        const std::string pair = particular->substr(named.size());
        const std::size_t comma = pair.find(", ");
        const Point p{number(pair.substr(0, comma)),
                      number(pair.substr(comma + 2, pair.size() - comma - 3))};
        EXPECT_EQ(Integer(e.a) * p.first + Integer(e.b) * p.second, Integer(e.c));
        EXPECT_TRUE(read.marks.count(p));

        const std::int64_t d = std::gcd(e.a, e.b);
        const std::string step = PairText(e.b / d, -e.a / d, ", ");
        EXPECT_NE(std::find(texts.begin(), texts.end(), step), texts.end()) << step;

        for (const std::string &t : texts)
            for (std::size_t i = 0; i + 1 < t.size(); ++i)
                EXPECT_FALSE(t[i] == '-' && std::isdigit(static_cast<unsigned char>(t[i + 1])))
                    << t;
    }
}

// What the picture says in words names what it marks, in every language.
TEST(LinePicture, TextAlternativeListsWhatItShows)
{
    for (const Catalogue *language : Catalogues) {
        SCOPED_TRACE(std::string(language->code));
        const Read read = ReadPicture(LinePicture(3, 5, 47, SolutionBounds::Natural(), *language));
        EXPECT_EQ(*read.root->Attribute("role"), "img");
        const std::string *labelledBy = read.root->Attribute("aria-labelledby");
        ASSERT_TRUE(labelledBy);
        std::string title, desc;
        for (const auto &child : read.root->children) {
            const std::string *id = child->Attribute("id");
            if (child->name == "title" && id && labelledBy->find(*id) != std::string::npos)
                title = child->text;
            if (child->name == "desc" && id && labelledBy->find(*id) != std::string::npos)
                desc = child->text;
        }
        EXPECT_NE(title.find("3x + 5y = 47"), std::string::npos) << title;
        const std::string separator = language->code.value == std::string_view("en") ? ", " : "; ";
        for (const Point &p : read.marks) {
            const std::string pair = PairText(p.first, p.second, separator);
            EXPECT_NE(desc.find(pair), std::string::npos) << pair << " missing from: " << desc;
        }
        EXPECT_NE(desc.find(std::to_string(read.marks.size())), std::string::npos) << desc;
        for (const XmlElement *mark : read.markElements)
            EXPECT_EQ(mark->children.front()->name, "title");
    }
}

// The degenerate equations: every point, no point, and a line between the
// grid points, drawn near enough to see them.
TEST(LinePicture, DrawsTheDegenerateEquations)
{
    {
        const Read read = ReadPicture(LinePicture(0, 0, 0, {}, English));
        const std::size_t columns = static_cast<std::size_t>(read.xMax - read.xMin);
        const std::size_t rows = static_cast<std::size_t>(read.yMax - read.yMin);
        EXPECT_EQ(read.marks.size(), columns * rows);
    }
    for (const Equation &e : std::vector<Equation>{{0, 0, 7, {}}, {2, 4, 5, {}}, {0, 3, 2, {}}}) {
        SCOPED_TRACE(Describe(e));
        const Read read = ReadPicture(LinePicture(e.a, e.b, e.c, {}, English));
        EXPECT_TRUE(read.marks.empty());
        EXPECT_LE(read.xMax - read.xMin, 20);
        EXPECT_LE(read.yMax - read.yMin, 20);
        bool drawsALine = false;
        for (const XmlElement *element : read.root->Descendants())
            if (element->name == "line" && element->Attribute("class") &&
                *element->Attribute("class") == "vp-line")
                drawsALine = true;
        EXPECT_EQ(drawsALine, e.a != 0 || e.b != 0);
    }
}

TEST(LinePicture, ReadsTheTextsAsTheWorkingDoes)
{
    EXPECT_EQ(LinePictureOfTexts("3", "5", "47", {}, English), LinePicture(3, 5, 47, {}, English));
    EXPECT_EQ(LinePictureOfTexts("3", "40000", "47", {}, English), "");
    EXPECT_EQ(LinePictureOfTexts("3", "5", "9e99", {}, English), "");
}

} // namespace
