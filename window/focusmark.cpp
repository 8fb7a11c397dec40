#include "focusmark.h"

#include "contrast.h"

#include <QPainter>
#include <QPen>

void drawFocusMark(QPainter &painter, const QRect &rect, const QColor &background)
{
    // One logical pixel, so the dots grow with the desktop's scaling.
    QPen pen(inkOn(background), 1.0, Qt::CustomDashLine);
    pen.setDashPattern({1.0, 1.0});
    pen.setCapStyle(Qt::FlatCap); // square caps would close the gaps
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The line's middle half a pixel inside, so all of it lies within `rect`
    // at any scale, and none is clipped off.
    painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}
