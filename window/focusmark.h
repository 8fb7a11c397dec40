#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The keyboard focus on a button or a list entry, drawn the classic way: a
// rectangle of alternate dots, black or white, whichever stands out more from
// `background`. The styles' own marks (a faint tint of the highlight colour)
// are hard to find on the window's coloured faces.
void drawFocusMark(QPainter &painter, const QRect &rect, const QColor &background);
