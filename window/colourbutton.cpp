#include "colourbutton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

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
    const auto group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::ButtonText));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect.adjusted(-1, -1, 1, 1);
        focus.backgroundColor = face_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
