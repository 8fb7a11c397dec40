#include "colourbutton.h"

#include "contrast.h"
#include "focusmark.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {

// A disabled caption is grey, so it reads as unavailable, yet it keeps 3.5:1
// against the face: the theme's disabled grey all but vanishes on a light one.
QColor disabledCaption(const QColor &face, const QColor &enabledCaption)
{
    constexpr double Wanted = 3.5;
    const double faceLuminance = relativeLuminance(face);
    const bool darker = relativeLuminance(enabledCaption) < faceLuminance;
    // From the face's side of the grey scale towards the caption's.
    for (int step = 0; step <= 255; ++step) {
        const int level = darker ? 255 - step : step;
        const QColor grey(level, level, level);
        if ((relativeLuminance(grey) < faceLuminance) == darker &&
            contrastRatio(grey, face) >= Wanted)
            return grey;
    }
    return enabledCaption;
}

} // namespace

ColourButton::ColourButton(const QString &text, const QColor &face, QWidget *parent)
    : QPushButton(text, parent), face_(face)
{}

void ColourButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool sunken = isDown();
    const QBrush face(face_);
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);

    QRect textRect = rect().adjusted(4, 4, -4, -4);
    if (sunken)
        textRect.translate(1, 1);
    const QColor caption = inkOn(face_);
    painter.setPen(isEnabled() ? caption : disabledCaption(face_, caption));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus())
        drawFocusMark(painter, textRect.adjusted(-1, -1, 1, 1), face_);
}
