#pragma once

#include <QColor>

// Contrast as accessibility guidelines measure it (WCAG): from 1:1 for equal
// colours to 21:1 for black on white. Text and focus marks want at least
// 3:1 against what they stand on.

// Relative luminance, 0 for black to 1 for white.
double relativeLuminance(const QColor &colour);

// (lighter + 0.05) / (darker + 0.05), whichever order the colours come in.
double contrastRatio(const QColor &a, const QColor &b);

// Text or a mark on a face of a fixed colour: black, the classic foreground,
// unless the face is so dark that white stands out more. The theme's own text
// colour is made for the theme's faces and may all but vanish on these.
QColor inkOn(const QColor &face);
