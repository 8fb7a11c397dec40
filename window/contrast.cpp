#include "contrast.h"

#include <algorithm>
#include <array>

namespace {

// The sRGB curve is worked out while compiling: std::pow at start-up would
// page in a third of a megabyte of the maths library for nine faces.

// ln x for 0 < x <= 1: twice the series of artanh((x - 1) / (x + 1)).
constexpr double logarithm(double x)
{
    const double z = (x - 1) / (x + 1);
    double term = z;
    double sum = 0;
    for (int k = 1; k < 400; k += 2) {
        sum += term / k;
        term *= z * z;
    }
    return 2 * sum;
}

// e^y for |y| <= 1.
constexpr double exponential(double y)
{
    double term = 1;
    double sum = 1;
    for (int k = 1; k < 30; ++k) {
        term *= y / k;
        sum += term;
    }
    return sum;
}

// An 8-bit sRGB level in linear light, 0 to 1.
constexpr double linear(int level)
{
    const double channel = level / 255.0;
    if (channel <= 0.04045)
        return channel / 12.92;
    const double x = (channel + 0.055) / 1.055;
    return x * x * exponential(0.4 * logarithm(x)); // x to the power 2.4
}

constexpr std::array<double, 256> LinearLevels = [] {
    std::array<double, 256> levels{};
    for (int level = 0; level < 256; ++level)
        levels[static_cast<std::size_t>(level)] = linear(level);
    return levels;
}();

double linearLevel(int level)
{
    return LinearLevels[static_cast<std::size_t>(std::clamp(level, 0, 255))];
}

} // namespace

double relativeLuminance(const QColor &colour)
{
    // Screens show 8 bits a channel, and so do all the colours measured here.
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearLevel(rgb.red()) + 0.7152 * linearLevel(rgb.green()) +
           0.0722 * linearLevel(rgb.blue());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor inkOn(const QColor &face)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, face) >= contrastRatio(white, face) ? black : white;
}
