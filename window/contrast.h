#pragma once

#include <QColor>

// Contrast as accessibility guidelines measure it (WCAG): from 1:1 for equal
// colours to 21:1 for black on white. Text and focus marks want at least
// 3:1 against what they stand on.

// Relative luminance, 0 for black to 1 for white.
double relativeLuminance(const QColor &colour);

// (lighter + 0.05) / (darker + 0.05), whichever order the colours come in.
double contrastRatio(const QColor &a, const QColor &b);
