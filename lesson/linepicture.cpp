#include "linepicture.h"

#include "expression.h"
#include "formulatext.h"
#include "markupescape.h"
#include "notation.h"
#include "placeholders.h"
#include "transcriptfamily.h"
#include "widearithmetic.h"

#include "coefficients.h"
#include "prepareequation.h"
#include "readcoefficient.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

// Products of a coefficient, a step and a t reach about 2^95; every rule of
// which point is a solution stays in these integers, and doubles only place
// what is drawn.
using Integer = Wide;

// ---- the drawing's size, in the SVG's own units -----------------------------

constexpr double Width = 480;
constexpr double Height = 400;
constexpr double FontSize = 16;
constexpr double CharWidth = 0.66 * FontSize; // a digit or minus of a sans-serif font, rounded up
constexpr double Top = 14;
constexpr double Right = 16;
constexpr double Bottom = 34; // the x ticks' labels
constexpr double MarkRadius = 5;

// The window holds this many solutions or fewer before its margins, and never
// more than PictureMarksAtMost with them.
constexpr Integer Chosen = 24;
// Where the allowed solutions are many or endless, this many near the
// particular solution show them.
constexpr Integer Sample = 5;
// Beyond these, a point could not be placed exactly by a double.
constexpr Integer Far = Integer(1) << 52;
constexpr Integer FarT = Integer(1) << 60;

// A set of consecutive whole numbers, an end left open where it has none.
struct Interval
{
    std::optional<Integer> lo, hi;
    bool empty = false;

    bool Finite() const { return !empty && lo && hi; }
    Integer Size() const { return *hi - *lo + 1; }
};

Interval Meet(const Interval &a, const Interval &b)
{
    if (a.empty || b.empty)
        return {std::nullopt, std::nullopt, true};
    Interval m;
    m.lo = !a.lo ? b.lo : !b.lo ? a.lo : std::max(*a.lo, *b.lo);
    m.hi = !a.hi ? b.hi : !b.hi ? a.hi : std::min(*a.hi, *b.hi);
    m.empty = m.lo && m.hi && *m.lo > *m.hi;
    return m;
}

// The t with lo <= base + step * t <= hi.
Interval Within(Integer base, Integer step, std::optional<Integer> lo, std::optional<Integer> hi)
{
    if (step == 0) {
        const bool inside = (!lo || base >= *lo) && (!hi || base <= *hi);
        return {std::nullopt, std::nullopt, !inside};
    }
    Interval t;
    if (step < 0)
        std::swap(lo, hi);
    if (lo)
        t.lo = CeilDivide(*lo - base, step);
    if (hi)
        t.hi = FloorDivide(*hi - base, step);
    t.empty = t.lo && t.hi && *t.lo > *t.hi;
    return t;
}

// Grid points from lo to hi, both included; the window's edge lies half a
// unit outside each.
struct Span
{
    Integer lo, hi;
    Integer Count() const { return hi - lo + 1; }
    bool Holds(Integer v) const { return v >= lo && v <= hi; }
};

struct Box
{
    Span x, y;
};

Box Around(Integer x, Integer y)
{
    return {{x, x}, {y, y}};
}

void Take(Box &box, Integer x, Integer y)
{
    box.x.lo = std::min(box.x.lo, x);
    box.x.hi = std::max(box.x.hi, x);
    box.y.lo = std::min(box.y.lo, y);
    box.y.hi = std::max(box.y.hi, y);
}

// The solutions x0 + sx t, y0 + sy t; sx and sy are the step (B/d, −A/d).
struct Family
{
    Integer x0, y0, sx, sy;
    Integer X(Integer t) const { return x0 + sx * t; }
    Integer Y(Integer t) const { return y0 + sy * t; }

    Interval In(const Box &box) const
    {
        return Meet(Within(x0, sx, box.x.lo, box.x.hi), Within(y0, sy, box.y.lo, box.y.hi));
    }
    Interval In(const SolutionBounds &bounds) const
    {
        const auto end = [](const std::optional<std::int64_t> &e) {
            return e ? std::optional<Integer>(*e) : std::nullopt;
        };
        return Meet(Within(x0, sx, end(bounds.xMin), end(bounds.xMax)),
                    Within(y0, sy, end(bounds.yMin), end(bounds.yMax)));
    }
    bool Near(Integer t) const { return WideAbs(X(t)) < Far && WideAbs(Y(t)) < Far; }
};

Integer Clamp(Integer v, Integer lo, Integer hi)
{
    return std::max(lo, std::min(v, hi));
}

// `n` consecutive members of a non-empty interval, as near to 0 as it allows.
Interval NearZero(const Interval &set, Integer n)
{
    Integer lo = -(n / 2);
    if (set.lo)
        lo = std::max(lo, *set.lo);
    if (set.hi)
        lo = std::min(lo, *set.hi - n + 1);
    if (set.lo)
        lo = std::max(lo, *set.lo);
    Integer hi = lo + n - 1;
    if (set.hi)
        hi = std::min(hi, *set.hi);
    return {lo, hi};
}

Interval Hull(const Interval &a, Integer t)
{
    return {std::min(*a.lo, t), std::max(*a.hi, t)};
}

// Which solutions the window is built around: the allowed ones (or, with no
// bounds, those of the first quadrant) where there are any, and the
// particular solution at t = 0, as long as they are few; at least three.
Interval ChooseSolutions(const Family &family, const SolutionBounds &bounds)
{
    const SolutionBounds wanted = bounds.any() ? bounds : SolutionBounds::NonNegative();
    Interval region = Meet(family.In(wanted), {-FarT, FarT});
    Interval chosen{-1, 1};
    if (!region.empty && family.Near(*NearZero(region, 1).lo)) {
        if (region.Finite() && region.Size() <= Chosen) {
            chosen = region;
        } else {
            chosen = NearZero(region, Sample);
            // Where the allowed ones begin or end, if that is near.
            for (const auto &end : {region.lo, region.hi})
                if (end && Hull(chosen, *end).Size() <= Chosen)
                    chosen = Hull(chosen, *end);
        }
        // The particular solution and the next, between which the step is
        // drawn.
        for (const Integer t : {0, 1})
            if (Hull(chosen, t).Size() <= Chosen)
                chosen = Hull(chosen, t);
    }
    for (bool up = true; chosen.Size() < 3; up = !up) {
        if (up)
            chosen.hi = *chosen.hi + 1;
        else
            chosen.lo = *chosen.lo - 1;
    }
    return chosen;
}

// ---- the picture's geometry ------------------------------------------------

struct Frame
{
    Box box;
    double left, top, width, height; // the plot inside the drawing

    // Where a point of the equation's plane falls in the drawing; works on
    // the offset from the window's edge, so large coordinates keep their
    // precision.
    double PX(Integer x) const
    {
        return left + static_cast<double>(2 * (x - box.x.lo) + 1) /
                          static_cast<double>(2 * box.x.Count()) * width;
    }
    double PY(Integer y) const
    {
        return top + height -
               static_cast<double>(2 * (y - box.y.lo) + 1) /
                   static_cast<double>(2 * box.y.Count()) * height;
    }
    // The window's edges (lo − 1/2, hi + 1/2) as fractions of the plot.
    double PXHalf(Integer twiceX) const
    {
        return left + static_cast<double>(twiceX - (2 * box.x.lo - 1)) /
                          static_cast<double>(2 * box.x.Count()) * width;
    }
    double PYHalf(Integer twiceY) const
    {
        return top + height -
               static_cast<double>(twiceY - (2 * box.y.lo - 1)) /
                   static_cast<double>(2 * box.y.Count()) * height;
    }
};

std::string Digits(Integer n)
{
    if (n == 0)
        return "0";
    std::string s;
    for (Integer m = WideAbs(n); m != 0; m /= 10)
        s += static_cast<char>('0' + static_cast<int>(m % 10));
    if (n < 0)
        s += '-';
    std::reverse(s.begin(), s.end());
    return s;
}

// An edge half a unit off a grid point, in ASCII for tools: "-2.5".
std::string HalfText(Integer twice)
{
    std::string text = Digits(twice / 2);
    if (twice % 2 != 0) {
        // -1/2 has no whole part to carry its sign.
        if (twice == -1)
            text = "-0";
        text += ".5";
    }
    return text;
}

std::string Num(double v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    std::string s = buffer;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0)
        s.resize(s.size() - 2);
    return s == "-0" ? "0" : s;
}

std::size_t TextLength(std::string_view text)
{
    // Letters, not bytes: UTF-8 continuation bytes start 10xxxxxx.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

// The tick step, 1, 2 or 5 times a power of ten, that leaves at most `room`
// ticks between lo and hi.
Integer TickStep(const Span &span, Integer room)
{
    room = std::max<Integer>(room, 2);
    for (Integer power = 1;; power *= 10)
        for (const Integer factor : {1, 2, 5}) {
            const Integer step = factor * power;
            const Integer count = FloorDivide(span.hi, step) - CeilDivide(span.lo, step) + 1;
            if (count <= room)
                return step;
        }
}

std::vector<Integer> Ticks(const Span &span, Integer step)
{
    std::vector<Integer> ticks;
    for (Integer k = CeilDivide(span.lo, step); k * step <= span.hi; ++k)
        ticks.push_back(k * step);
    return ticks;
}

std::size_t LongestLabel(const Span &span, const Notation &notation)
{
    return std::max(TextLength(IntegerText(span.lo, notation)),
                    TextLength(IntegerText(span.hi, notation)));
}

// Widens the narrower span so that a unit is as long across as up, where the
// two are near enough for that to keep the picture readable.
Box EvenScale(Box box, double width, double height)
{
    const double ux = static_cast<double>(box.x.Count()) / width;
    const double uy = static_cast<double>(box.y.Count()) / height;
    if (std::max(ux, uy) > 6 * std::min(ux, uy))
        return box;
    Span &narrow = ux < uy ? box.x : box.y;
    const double units = ux < uy ? uy * width : ux * height;
    const Integer wanted = static_cast<Integer>(std::llround(units));
    const Integer grow = wanted - narrow.Count();
    if (grow > 0) {
        narrow.lo -= grow / 2;
        narrow.hi += grow - grow / 2;
    }
    return box;
}

Integer Margin(const Span &span)
{
    return std::max<Integer>(1, (span.hi - span.lo) / 10);
}

Box Padded(Box box)
{
    const Integer mx = Margin(box.x), my = Margin(box.y);
    return {{box.x.lo - mx, box.x.hi + mx}, {box.y.lo - my, box.y.hi + my}};
}

// A label's room in the drawing.
struct Rect
{
    double x = 0, y = 0, w = 0, h = 0;
    bool Holds(const Rect &r) const
    {
        return r.x >= x && r.y >= y && r.x + r.w <= x + w && r.y + r.h <= y + h;
    }
    bool Meets(const Rect &r) const
    {
        return r.x < x + w && x < r.x + r.w && r.y < y + h && y < r.y + r.h;
    }
};

// ---- the SVG ----------------------------------------------------------------

struct Svg
{
    std::string out;

    void Line(double x1, double y1, double x2, double y2, std::string_view cls)
    {
        out += "<line class=\"" + std::string(cls) + "\" x1=\"" + Num(x1) + "\" y1=\"" + Num(y1) +
               "\" x2=\"" + Num(x2) + "\" y2=\"" + Num(y2) + "\"/>\n";
    }
    void Text(double x, double y, std::string_view anchor, std::string_view cls,
              std::string_view text)
    {
        // The font as attributes, which Qt SVG reads as browsers do; the
        // colour stays with the class.
        const bool name = cls == "vp-name";
        const bool bold = cls == "vp-particular-text" || cls == "vp-step-text";
        out += "<text class=\"" + std::string(cls) + "\" x=\"" + Num(x) + "\" y=\"" + Num(y) +
               "\" text-anchor=\"" + std::string(anchor) +
               "\" font-family=\"sans-serif\" font-size=\"" + Num(name ? FontSize + 2 : FontSize) +
               "\"" + (name ? " font-style=\"italic\"" : "") +
               (bold ? " font-weight=\"bold\"" : "") + ">" + EscapedMarkup(text) + "</text>\n";
    }
};

std::string Rules(const PicturePalette &p)
{
    // Presentation in one place, as classes, so a theme changes colours only.
    return ".vp-back{fill:" + p.background +
           ";stroke:none}\n"
           ".vp-grid{stroke:" +
           p.grid +
           ";stroke-opacity:0.25;stroke-width:1}\n"
           ".vp-point{fill:" +
           p.grid +
           ";fill-opacity:0.55}\n"
           ".vp-axis{stroke:" +
           p.axis +
           ";stroke-width:2}\n"
           ".vp-frame{fill:none;stroke:" +
           p.grid +
           ";stroke-opacity:0.6;stroke-width:1}\n"
           ".vp-text{fill:" +
           p.text +
           "}\n"
           ".vp-name{fill:" +
           p.text +
           "}\n"
           ".vp-line{stroke:" +
           p.line +
           ";stroke-width:3;fill:none}\n"
           ".vp-solution{fill:" +
           p.solution +
           ";stroke:none}\n"
           ".vp-in{fill:" +
           p.inBounds + ";stroke:" + p.solution +
           ";stroke-width:1.5}\n"
           ".vp-particular{fill:none;stroke:" +
           p.particular +
           ";stroke-width:3}\n"
           ".vp-particular-text{fill:" +
           p.particular +
           "}\n"
           ".vp-step{stroke:" +
           p.step +
           ";stroke-width:2.5;fill:none}\n"
           ".vp-leg{stroke:" +
           p.step +
           ";stroke-width:1.5;stroke-dasharray:5 4;fill:none}\n"
           ".vp-head{fill:" +
           p.step +
           ";stroke:none}\n"
           ".vp-step-text{fill:" +
           p.step +
           "}\n"
           ".vp-region{fill:" +
           p.region + ";fill-opacity:0.18;stroke:" + p.region +
           ";stroke-width:1.5;stroke-dasharray:2 3}\n";
}

enum class Kind {
    Line,       // A or B not 0
    EveryPoint, // 0x + 0y = 0
    NoPoint,    // 0x + 0y = C, C not 0
};

class Picture
{
public:
    Picture(Integer a, Integer b, Integer c, const SolutionBounds &bounds,
            const Catalogue &language, const PicturePalette &palette, PictureStyle style)
        : a_(a), b_(b), c_(c), bounds_(bounds), say_(language.picture),
          notation_(SchoolNotation(language.code)), palette_(palette), style_(style)
    {}

    std::string Write();

private:
    void Choose();
    void Place();
    void Marks(Svg &svg);
    void Grid(Svg &svg);
    void LineOf(Svg &svg);
    void Region(Svg &svg);
    void StepArrow(Svg &svg);
    void ParticularLabel(Svg &svg);
    std::string Description() const;

    std::string Pair(Integer x, Integer y) const
    {
        return FormulaText(::Pair(Int(x), Int(y)), notation_);
    }
    std::string PairList(const std::vector<std::pair<Integer, Integer>> &points) const
    {
        std::string list;
        for (const auto &[x, y] : points) {
            if (!list.empty())
                list += notation_.listSeparator;
            list += Pair(x, y);
        }
        return list;
    }
    bool InBounds(Integer x, Integer y) const
    {
        return bounds_.any() && (!bounds_.xMin || x >= *bounds_.xMin) &&
               (!bounds_.xMax || x <= *bounds_.xMax) && (!bounds_.yMin || y >= *bounds_.yMin) &&
               (!bounds_.yMax || y <= *bounds_.yMax);
    }
    std::string Equation() const { return FormulaText(LinearEquation(a_, b_, c_), notation_); }

    Integer a_, b_, c_;
    SolutionBounds bounds_;
    const PictureTexts &say_;
    Notation notation_;
    const PicturePalette &palette_;
    PictureStyle style_;

    Kind kind_ = Kind::Line;
    bool solvable_ = false;
    Integer gcd_ = 0;
    Family family_{};
    Frame frame_{};
    Interval marked_{}; // the t of the marked solutions
    Rect stepLabel_{};
    std::vector<std::pair<Integer, Integer>> points_; // every marked solution
};

void Picture::Choose()
{
    if (a_ == 0 && b_ == 0) {
        kind_ = c_ == 0 ? Kind::EveryPoint : Kind::NoPoint;
        Box box{{-1, 5}, {-1, 5}};
        // Where the bounds begin, if set: the box starts one before.
        if (kind_ == Kind::EveryPoint) {
            if (bounds_.xMin && WideAbs(*bounds_.xMin) < Far)
                box.x = {*bounds_.xMin - 1, *bounds_.xMin + 5};
            else if (bounds_.xMax && WideAbs(*bounds_.xMax) < Far)
                box.x = {*bounds_.xMax - 5, *bounds_.xMax + 1};
            if (bounds_.yMin && WideAbs(*bounds_.yMin) < Far)
                box.y = {*bounds_.yMin - 1, *bounds_.yMin + 5};
            else if (bounds_.yMax && WideAbs(*bounds_.yMax) < Far)
                box.y = {*bounds_.yMax - 5, *bounds_.yMax + 1};
        } else {
            box = {{-5, 5}, {-5, 5}};
        }
        frame_.box = box;
        return;
    }
    gcd_ = WideGcd(a_, b_);
    solvable_ = c_ % gcd_ == 0;
    if (!solvable_) {
        // Around the line's point nearest the origin, a few units each way:
        // near enough to see it pass between the grid points.
        const double n = static_cast<double>(a_) * static_cast<double>(a_) +
                         static_cast<double>(b_) * static_cast<double>(b_);
        const double cx = static_cast<double>(a_) * static_cast<double>(c_) / n;
        const double cy = static_cast<double>(b_) * static_cast<double>(c_) / n;
        const Integer x = static_cast<Integer>(std::llround(cx));
        const Integer y = static_cast<Integer>(std::llround(cy));
        frame_.box = {{x - 5, x + 5}, {y - 5, y + 5}};
        return;
    }

    // The particular solution the working names, and the step to the next.
    family_.sx = b_ / gcd_;
    family_.sy = -a_ / gcd_;
    if (a_ == 0) {
        family_.x0 = 0;
        family_.y0 = c_ / b_;
    } else if (b_ == 0) {
        family_.x0 = c_ / a_;
        family_.y0 = 0;
    } else if (const auto found = FindTranscriptFamily(static_cast<std::int64_t>(a_),
                                                       static_cast<std::int64_t>(b_),
                                                       static_cast<std::int64_t>(c_))) {
        family_.x0 = found->xo;
        family_.y0 = found->yo;
    } else {
        // C = 0, where the working searches nothing: the origin solves it.
        family_.x0 = 0;
        family_.y0 = 0;
    }

    const Interval chosen = ChooseSolutions(family_, bounds_);
    Box box = Around(family_.X(*chosen.lo), family_.Y(*chosen.lo));
    Take(box, family_.X(*chosen.hi), family_.Y(*chosen.hi));
    // The origin too, where that brings in only a few more solutions and
    // leaves the step as plain to see.
    Box withOrigin = box;
    Take(withOrigin, 0, 0);
    const auto near = [](const Span &grown, const Span &span) {
        return grown.Count() <= 4 * std::max<Integer>(span.Count(), 4);
    };
    if (family_.In(Padded(withOrigin)).Size() <= Chosen + 4 && near(withOrigin.x, box.x) &&
        near(withOrigin.y, box.y))
        box = withOrigin;
    frame_.box = Padded(box);
}

void Picture::Place()
{
    // The y ticks' labels set the left margin, and the margin the room the
    // x axis has; the even scale then may widen either span.
    const auto left = [this](const Box &box) {
        return 14 + CharWidth * static_cast<double>(LongestLabel(box.y, notation_));
    };
    frame_.top = Top;
    frame_.height = Height - Top - Bottom;
    Box box = frame_.box;
    if (kind_ == Kind::Line) {
        const Box even = EvenScale(box, Width - Right - left(box), frame_.height);
        if (!solvable_ || family_.In(even).Size() <= PictureMarksAtMost)
            box = even;
    }
    frame_.box = box;
    frame_.left = left(box);
    frame_.width = Width - Right - frame_.left;

    if (kind_ == Kind::EveryPoint) {
        for (Integer y = box.y.hi; y >= box.y.lo; --y)
            for (Integer x = box.x.lo; x <= box.x.hi; ++x)
                points_.emplace_back(x, y);
    } else if (kind_ == Kind::Line && solvable_) {
        marked_ = family_.In(box);
        for (Integer t = *marked_.lo; t <= *marked_.hi; ++t)
            points_.emplace_back(family_.X(t), family_.Y(t));
        std::sort(points_.begin(), points_.end());
    }
}

void Picture::Grid(Svg &svg)
{
    const Frame &f = frame_;
    const double right = f.left + f.width, bottom = f.top + f.height;
    const Integer xRoom = static_cast<Integer>(
        f.width / (CharWidth * static_cast<double>(LongestLabel(f.box.x, notation_)) + 14));
    const Integer yRoom = static_cast<Integer>(f.height / (FontSize * 1.9));
    const Integer xStep = TickStep(f.box.x, xRoom);
    const Integer yStep = TickStep(f.box.y, yRoom);

    svg.out += "<g aria-hidden=\"true\">\n";
    // Where a unit is long enough to see, the grid points themselves, so a
    // line without integer points is seen to pass between them.
    const double unit = std::min(f.width / static_cast<double>(f.box.x.Count()),
                                 f.height / static_cast<double>(f.box.y.Count()));
    if (unit >= 12 && f.box.x.Count() * f.box.y.Count() <= 400) {
        svg.out += "<g class=\"vp-point\">\n";
        for (Integer y = f.box.y.lo; y <= f.box.y.hi; ++y)
            for (Integer x = f.box.x.lo; x <= f.box.x.hi; ++x)
                svg.out +=
                    "<circle cx=\"" + Num(f.PX(x)) + "\" cy=\"" + Num(f.PY(y)) + "\" r=\"2\"/>\n";
        svg.out += "</g>\n";
    }
    for (const Integer x : Ticks(f.box.x, xStep)) {
        svg.Line(f.PX(x), f.top, f.PX(x), bottom, "vp-grid");
        svg.Text(f.PX(x), bottom + FontSize + 4, "middle", "vp-text", IntegerText(x, notation_));
    }
    for (const Integer y : Ticks(f.box.y, yStep)) {
        svg.Line(f.left, f.PY(y), right, f.PY(y), "vp-grid");
        svg.Text(f.left - 6, f.PY(y) + FontSize * 0.35, "end", "vp-text",
                 IntegerText(y, notation_));
    }
    svg.out += "<rect class=\"vp-frame\" x=\"" + Num(f.left) + "\" y=\"" + Num(f.top) +
               "\" width=\"" + Num(f.width) + "\" height=\"" + Num(f.height) + "\"/>\n";
    if (f.box.y.Holds(0)) {
        svg.Line(f.left, f.PY(0), right, f.PY(0), "vp-axis");
        svg.Text(right - 4, f.PY(0) - 6, "end", "vp-name", "x");
    }
    if (f.box.x.Holds(0)) {
        svg.Line(f.PX(0), f.top, f.PX(0), bottom, "vp-axis");
        svg.Text(f.PX(0) + 8, f.top + FontSize + 2, "start", "vp-name", "y");
    }
    svg.out += "</g>\n";
}

void Picture::Region(Svg &svg)
{
    if (!bounds_.any())
        return;
    // The bounds' rectangle where it meets the window; edges half a unit
    // outside the allowed grid points, as the window's own are.
    const Box &b = frame_.box;
    const auto clampTwice = [](std::optional<std::int64_t> end, Integer lo, Integer hi,
                               Integer edge) {
        const Integer twice = end ? 2 * Integer(*end) + edge : (edge < 0 ? 2 * lo - 1 : 2 * hi + 1);
        return Clamp(twice, 2 * lo - 1, 2 * hi + 1);
    };
    const Integer x1 = clampTwice(bounds_.xMin, b.x.lo, b.x.hi, -1);
    const Integer x2 = clampTwice(bounds_.xMax, b.x.lo, b.x.hi, +1);
    const Integer y1 = clampTwice(bounds_.yMin, b.y.lo, b.y.hi, -1);
    const Integer y2 = clampTwice(bounds_.yMax, b.y.lo, b.y.hi, +1);
    if (x1 >= x2 || y1 >= y2)
        return;
    const double left = frame_.PXHalf(x1), right = frame_.PXHalf(x2);
    const double top = frame_.PYHalf(y2), bottom = frame_.PYHalf(y1);
    svg.out += "<rect class=\"vp-region\" aria-hidden=\"true\" x=\"" + Num(left) + "\" y=\"" +
               Num(top) + "\" width=\"" + Num(right - left) + "\" height=\"" + Num(bottom - top) +
               "\"/>\n";
}

void Picture::LineOf(Svg &svg)
{
    if (kind_ != Kind::Line)
        return;
    // A u + B v = K in the window's own offsets u = x − (lo − 1/2), v alike,
    // with K doubled so that it stays whole.
    const Box &box = frame_.box;
    const Integer twiceK = 2 * c_ - a_ * (2 * box.x.lo - 1) - b_ * (2 * box.y.lo - 1);
    const Integer w = box.x.Count(), h = box.y.Count();
    std::vector<std::pair<double, double>> ends; // in (u, v)
    const auto add = [&](double u, double v) {
        if (u >= -1e-9 && u <= static_cast<double>(w) + 1e-9 && v >= -1e-9 &&
            v <= static_cast<double>(h) + 1e-9)
            ends.emplace_back(u, v);
    };
    if (a_ != 0) {
        add(static_cast<double>(twiceK) / static_cast<double>(2 * a_), 0);
        add(static_cast<double>(twiceK - 2 * b_ * h) / static_cast<double>(2 * a_),
            static_cast<double>(h));
    }
    if (b_ != 0) {
        add(0, static_cast<double>(twiceK) / static_cast<double>(2 * b_));
        add(static_cast<double>(w),
            static_cast<double>(twiceK - 2 * a_ * w) / static_cast<double>(2 * b_));
    }
    if (ends.size() < 2)
        return;
    auto far = std::minmax_element(ends.begin(), ends.end());
    const auto place = [&](const std::pair<double, double> &p) {
        return std::pair{frame_.left + p.first / static_cast<double>(w) * frame_.width,
                         frame_.top + frame_.height -
                             p.second / static_cast<double>(h) * frame_.height};
    };
    const auto [x1, y1] = place(*far.first);
    const auto [x2, y2] = place(*far.second);
    svg.out += "<line class=\"vp-line\" aria-hidden=\"true\" x1=\"" + Num(x1) + "\" y1=\"" +
               Num(y1) + "\" x2=\"" + Num(x2) + "\" y2=\"" + Num(y2) + "\"/>\n";
}

void Picture::StepArrow(Svg &svg)
{
    if (kind_ != Kind::Line || !solvable_ || marked_.Size() < 2)
        return;
    // From the particular solution where its next one shows, else the
    // nearest pair that does.
    const Integer from = Clamp(0, *marked_.lo, *marked_.hi - 1);
    const double x1 = frame_.PX(family_.X(from)), y1 = frame_.PY(family_.Y(from));
    const double x2 = frame_.PX(family_.X(from + 1)), y2 = frame_.PY(family_.Y(from + 1));
    const double dx = x2 - x1, dy = y2 - y1, length = std::hypot(dx, dy);
    if (length < 4 * MarkRadius)
        return;
    svg.out += "<g aria-hidden=\"true\">\n";
    // The step's two parts, across and up, where both have room.
    if (std::abs(dx) > 12 && std::abs(dy) > 12)
        svg.out += "<polyline class=\"vp-leg\" points=\"" + Num(x1) + "," + Num(y1) + " " +
                   Num(x2) + "," + Num(y1) + " " + Num(x2) + "," + Num(y2) + "\"/>\n";
    // Between the marks, so that neither is covered.
    const double ux = dx / length, uy = dy / length;
    const double sx = x1 + ux * (MarkRadius + 5), sy = y1 + uy * (MarkRadius + 5);
    const double ex = x2 - ux * (MarkRadius + 4), ey = y2 - uy * (MarkRadius + 4);
    svg.Line(sx, sy, ex - ux * 8, ey - uy * 8, "vp-step");
    const double bx = ex - ux * 12, by = ey - uy * 12;
    svg.out += "<polygon class=\"vp-head\" points=\"" + Num(ex) + "," + Num(ey) + " " +
               Num(bx - uy * 6) + "," + Num(by + ux * 6) + " " + Num(bx + uy * 6) + "," +
               Num(by - ux * 6) + "\"/>\n";
    // The step's numbers beside its middle, on the side away from the line's
    // lower left, kept inside the plot.
    const std::string label = Pair(family_.sx, family_.sy);
    const double labelWidth = CharWidth * static_cast<double>(TextLength(label));
    double mx = (x1 + x2) / 2 + std::abs(uy) * 10, my = (y1 + y2) / 2 - std::abs(ux) * 10 - 4;
    mx = std::clamp(mx, frame_.left + 4, frame_.left + frame_.width - labelWidth - 4);
    my = std::clamp(my, frame_.top + FontSize + 2, frame_.top + frame_.height - 4);
    svg.Text(mx, my, "start", "vp-step-text", label);
    stepLabel_ = {mx, my - FontSize, labelWidth, FontSize + 4};
    svg.out += "</g>\n";
}

void Picture::ParticularLabel(Svg &svg)
{
    if (kind_ != Kind::Line || !solvable_ || !frame_.box.x.Holds(family_.x0) ||
        !frame_.box.y.Holds(family_.y0))
        return;
    const double x = frame_.PX(family_.x0), y = frame_.PY(family_.y0);
    svg.out += "<circle class=\"vp-particular\" aria-hidden=\"true\" cx=\"" + Num(x) + "\" cy=\"" +
               Num(y) + "\" r=\"" + Num(MarkRadius + 5) + "\"/>\n";
    const std::string label = FormulaText(
        ::Equation(::Pair(Name("x", 0), Name("y", 0)), ::Pair(Int(family_.x0), Int(family_.y0))),
        notation_);
    const double width = CharWidth * static_cast<double>(TextLength(label));
    // Beside the mark, where the label stays inside the plot and clear of
    // the step's numbers: above right, above left, below right, below left.
    const Rect plot{frame_.left, frame_.top, frame_.width, frame_.height};
    Rect chosen{};
    bool found = false;
    for (const auto &[dx, dy] : std::array<std::pair<double, double>, 4>{
             {{12, -14}, {-12 - width, -14}, {12, FontSize + 12}, {-12 - width, FontSize + 12}}}) {
        const Rect place{x + dx, y + dy - FontSize, width, FontSize + 4};
        if (plot.Holds(place) && !place.Meets(stepLabel_)) {
            chosen = place;
            found = true;
            break;
        }
    }
    if (!found) {
        chosen = {std::clamp(x + 12, plot.x, plot.x + plot.w - width), y - 14 - FontSize, width,
                  FontSize + 4};
        chosen.y = std::max(chosen.y, plot.y);
    }
    const double tx = chosen.x, ty = chosen.y + FontSize;
    svg.Text(tx, ty, "start", "vp-particular-text", label);
}

void Picture::Marks(Svg &svg)
{
    for (const auto &[x, y] : points_) {
        const bool in = InBounds(x, y);
        const std::string name =
            FillPlaceholders(in ? say_.solutionInBounds : say_.solution, {{"pair", Pair(x, y)}});
        const double px = frame_.PX(x), py = frame_.PY(y);
        const std::string data = " data-x=\"" + Digits(x) + "\" data-y=\"" + Digits(y) + "\"" +
                                 (in ? " data-in-bounds=\"true\"" : "");
        const std::string title = "<title>" + EscapedMarkup(name) + "</title>";
        // Inside the bounds a larger square, so the two kinds differ in shape
        // and not in colour alone.
        if (in) {
            const double r = MarkRadius + 1.5;
            svg.out += "<rect class=\"vp-in\"" + data + " x=\"" + Num(px - r) + "\" y=\"" +
                       Num(py - r) + "\" width=\"" + Num(2 * r) + "\" height=\"" + Num(2 * r) +
                       "\">" + title + "</rect>\n";
        } else {
            svg.out += "<circle class=\"vp-solution\"" + data + " cx=\"" + Num(px) + "\" cy=\"" +
                       Num(py) + "\" r=\"" + Num(MarkRadius) + "\">" + title + "</circle>\n";
        }
    }
}

std::string Picture::Description() const
{
    std::vector<std::string> sentences;
    const Box &box = frame_.box;
    sentences.push_back(
        FillPlaceholders(say_.window, {{"xMin", IntegerText(box.x.lo, notation_)},
                                       {"xMax", IntegerText(box.x.hi, notation_)},
                                       {"yMin", IntegerText(box.y.lo, notation_)},
                                       {"yMax", IntegerText(box.y.hi, notation_)}}));
    const std::string equation = Equation();
    if (kind_ == Kind::NoPoint) {
        sentences.push_back(FillPlaceholders(say_.noPoint, {{"equation", equation}}));
    } else if (kind_ == Kind::EveryPoint) {
        sentences.push_back(FillPlaceholders(say_.everyPoint, {{"equation", equation}}));
    } else if (!solvable_) {
        sentences.push_back(
            FillPlaceholders(say_.noSolution, {{"gcd", IntegerText(gcd_, notation_)},
                                               {"c", IntegerText(c_, notation_)}}));
    } else {
        sentences.push_back(FillPlaceholders(
            say_.solutions.For(static_cast<std::uint64_t>(points_.size())),
            {{"count", std::to_string(points_.size())}, {"list", PairList(points_)}}));
        const bool shown = box.x.Holds(family_.x0) && box.y.Holds(family_.y0);
        sentences.push_back(
            FillPlaceholders(shown ? say_.particular : say_.particularOutside,
                             {{"names", FormulaText(::Pair(Name("x", 0), Name("y", 0)), notation_)},
                              {"pair", Pair(family_.x0, family_.y0)}}));
        sentences.push_back(FillPlaceholders(say_.step, {{"step", Pair(family_.sx, family_.sy)}}));
    }
    if (bounds_.any() && kind_ != Kind::NoPoint && (kind_ != Kind::Line || solvable_)) {
        std::vector<Expression> parts;
        const auto end = [&](const std::optional<std::int64_t> &e, std::string_view name,
                             Relation relation) {
            if (e)
                parts.push_back(Compare(Name(name), relation, Int(*e)));
        };
        end(bounds_.xMin, "x", Relation::AtLeast);
        end(bounds_.xMax, "x", Relation::AtMost);
        end(bounds_.yMin, "y", Relation::AtLeast);
        end(bounds_.yMax, "y", Relation::AtMost);
        sentences.push_back(FillPlaceholders(
            say_.region, {{"region", FormulaText(List(std::move(parts)), notation_)}}));
        std::vector<std::pair<Integer, Integer>> inside;
        for (const auto &[x, y] : points_)
            if (InBounds(x, y))
                inside.emplace_back(x, y);
        if (inside.empty())
            sentences.push_back(std::string(say_.noneInBounds));
        else
            sentences.push_back(FillPlaceholders(
                say_.inBounds.For(static_cast<std::uint64_t>(inside.size())),
                {{"count", std::to_string(inside.size())}, {"list", PairList(inside)}}));
    }
    std::string text;
    for (const std::string &s : sentences) {
        if (!text.empty())
            text += ' ';
        text += s;
    }
    return text;
}

std::string Picture::Write()
{
    Choose();
    Place();
    const Box &box = frame_.box;
    const std::string title = FillPlaceholders(say_.title, {{"equation", Equation()}});
    Svg svg;
    svg.out = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"velmora-picture\" viewBox=\"0 0 " +
              Num(Width) + " " + Num(Height) +
              "\" role=\"img\" aria-labelledby=\"velmora-picture-title "
              "velmora-picture-desc\" data-x-min=\"" +
              HalfText(2 * box.x.lo - 1) + "\" data-x-max=\"" + HalfText(2 * box.x.hi + 1) +
              "\" data-y-min=\"" + HalfText(2 * box.y.lo - 1) + "\" data-y-max=\"" +
              HalfText(2 * box.y.hi + 1) + "\">\n";
    svg.out += "<title id=\"velmora-picture-title\">" + EscapedMarkup(title) + "</title>\n";
    svg.out += "<desc id=\"velmora-picture-desc\">" + EscapedMarkup(Description()) + "</desc>\n";
    if (style_ == PictureStyle::Inside)
        svg.out += "<style>\n" + Rules(palette_) + "</style>\n";
    svg.out +=
        "<rect class=\"vp-back\" width=\"" + Num(Width) + "\" height=\"" + Num(Height) + "\"/>\n";
    Region(svg);
    Grid(svg);
    LineOf(svg);
    StepArrow(svg);
    Marks(svg);
    ParticularLabel(svg);
    if (kind_ == Kind::NoPoint)
        svg.Text(frame_.left + frame_.width / 2, frame_.top + frame_.height / 2 - 8, "middle",
                 "vp-particular-text", FillPlaceholders(say_.noPoint, {{"equation", Equation()}}));
    svg.out += "</svg>\n";
    return std::move(svg.out);
}

} // namespace

PicturePalette PicturePalette::Page()
{
    return {
        "var(--picture-background, none)",    "var(--picture-text, currentColor)",
        "var(--picture-grid, currentColor)",  "var(--picture-axis, currentColor)",
        "var(--picture-line, #1a5fb4)",       "var(--picture-solution, currentColor)",
        "var(--picture-particular, #c01c28)", "var(--picture-step, #a34700)",
        "var(--picture-region, #1c7c4c)",     "var(--picture-in-bounds, #1c7c4c)",
    };
}

PicturePalette PicturePalette::Paper()
{
    return {"none",    "#000000", "#555555", "#000000", "#1a5fb4",
            "#000000", "#c01c28", "#a34700", "#1c7c4c", "#1c7c4c"};
}

std::string LinePicture(std::int64_t a, std::int64_t b, std::int64_t c,
                        const SolutionBounds &bounds, const Catalogue &language,
                        const PicturePalette &palette, PictureStyle style)
{
    return Picture(a, b, c, bounds, language, palette, style).Write();
}

std::string PictureStyleSheet(const PicturePalette &palette)
{
    return Rules(palette);
}

std::string LinePictureOfTexts(std::string_view a, std::string_view b, std::string_view c,
                               const SolutionBounds &bounds, const Catalogue &language,
                               const PicturePalette &palette, PictureStyle style)
{
    const auto whole = WholeCoefficients({a, b, c});
    if (!whole)
        return {};
    return LinePicture((*whole)[0], (*whole)[1], (*whole)[2], bounds, language, palette, style);
}
